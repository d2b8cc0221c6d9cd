#pragma once
// The tax-return file of the run: reading it into the field store at start-up and saving the
// store back, enciphered, with the previous version kept as ".BAK". Holds the run state that
// reading and saving need (key source, current file path, screen position and history, the
// file loaded flag and the main window caption that a read sets).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/FieldStore.h"
#include "data/FileSystem.h"
#include "data/PlainFormat.h"
#include "platform/Dialogs.h"

namespace ftb::data {

class TaxFile {
  public:
    TaxFile(FieldStore& store, FileSystem& fs, platform::Dialogs& dialogs);

    // Fills the store, the screen position and the history from the file at `path`. A file
    // that fails the signature test is reported in an error box and leaves the store as it is;
    // a damaged record is reported and ends the reading. Cipher and file errors propagate.
    void Read(const std::string& path);

    // Writes the store, the screen position and the history to `path` (an empty path does
    // nothing). Either the new return is complete at `path`, with the previous one as ".BAK",
    // or an exception reports the failure and `path` still holds the previous return; only a
    // failure to flush the folder after the new return got its name leaves the new one, and
    // its message says it was saved. A read or a save first removes what a stopped one left.
    void Save(const std::string& path);

    // A reader that never saves over the file (the file tools) keeps no copy of a damaged return:
    // its message says the return was not changed.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

    const std::string& KeySource() const { return keySource_; }
    void SetKeySource(std::string keySource) { keySource_ = std::move(keySource); }
    const std::string& CurrentPath() const { return currentPath_; }
    void SetCurrentPath(std::string path) { currentPath_ = std::move(path); }

    std::int32_t ScreenGroup() const { return position_.group; }
    std::int32_t ScreenIndex() const { return position_.index; }
    void SetScreen(std::int32_t group, std::int32_t index) {
        position_.group = group;
        position_.index = index;
    }
    std::vector<std::int32_t>& History() { return position_.history; }
    const std::vector<std::int32_t>& History() const { return position_.history; }

    // A file has been read in this run (whatever it held).
    bool FileRead() const { return fileRead_; }
    // A file with at least one field record has been read.
    bool FileLoaded() const { return fileLoaded_; }
    // The main window caption a read sets; empty until a record has been read.
    const std::string& Caption() const { return caption_; }

  private:
    void NoteRecordsRead(const PlainReadResult& result);
    void ReportRead(const std::string& path, const std::string& target,
                    const std::string& directory, const PlainReadResult& result);
    std::string KeepUnreadableFile(const std::string& path, const std::string& directory);
    void KeepCopy(const std::string& from, const std::string& to, const std::string& directory);
    void RemoveQuietly(const std::string& path);

    FieldStore& store_;
    FileSystem& fs_;
    platform::Dialogs& dialogs_;

    std::string keySource_;
    std::string currentPath_;
    ScreenPosition position_;
    bool fileRead_ = false;
    bool fileLoaded_ = false;
    bool readOnly_ = false;
    std::string caption_;
    // A path whose file failed the signature test or could not be kept after a damaged record;
    // the first save of answers to it keeps that file as ".BAD", and nothing else replaces it.
    std::string unreadablePath_;
    // The key digits of the last read, and those of the read that opened the return: every
    // save uses them, so the key that opened a return opens it again.
    std::string openedWith_;
    std::optional<std::string> openingKey_;
};

}  // namespace ftb::data
