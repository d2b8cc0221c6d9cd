#pragma once
// The tax-return files of the host: a new return made as `ftbfile new` makes it, a return
// written from ftbfile's JSON, and the saved return read back with the module's own file code.
#include <QString>
#include <string>

#include "data/FieldStore.h"

namespace ftb::host {

// Makes a new, empty return at `path` (in a folder that exists) holding only the key source, as
// `ftbfile new` does. EHostError with ftbfile's message when it cannot.
void MakeNewReturn(const QString& path, const QString& keySource);

// Writes the return at `path` from the JSON file `json` (the form `ftbfile dump` prints), as
// `ftbfile load` does. EHostError with ftbfile's message when it cannot.
void WriteReturnFromJson(const QString& path, const QString& keySource, const QString& json);

// What tells one version of a file from the next: every save writes a new file over the return
// (the previous one stays as ".BAK"), so a save changes the file's inode or its time.
struct FileStamp {
    bool exists = false;
    unsigned long long device = 0, inode = 0, size = 0;
    long long modifiedNs = 0;

    bool operator==(const FileStamp&) const = default;
};
FileStamp StampOf(const std::string& path);

// A saved return, read as the module reads it at start-up.
class SavedReturn {
  public:
    // EHostError when the file cannot be read or a box would have reported a problem.
    SavedReturn(const std::string& path, const std::string& keySource);

    // The field's display text (UTF-8), as a screen shows it.
    std::string FieldText(int field) const;
    bool FieldIsEmpty(int field) const { return store_.FieldIsEmpty(field); }
    // Unpacks worksheet k of worksheet list n into the per-worksheet fields, as the interview
    // does when it opens that record.
    void OpenWorksheet(int n, int k);

  private:
    data::FieldStore store_;
};

}  // namespace ftb::host
