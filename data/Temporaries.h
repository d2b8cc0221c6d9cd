#pragma once
// The files a save makes beside a return before they get their own names (the new return, and
// the second name or copy that becomes the backup): short names of their own, ".~ftb" and six
// letters or digits, made without following links. A save holds the lock of each file it
// writes there, so the next read or save can remove the ones a stopped save left and none in
// use. (A save in the same folder at the same instant can still lose a temporary in the moment
// between its creation and its lock, or a second name before its rename: that save then fails
// with the system's reason, and the return stays as it was.)
#include <memory>
#include <string>

#include "data/FileSystem.h"

namespace ftb::data {

// A name in `directory` that no file has yet.
std::string FreeTemporaryName(FileSystem& fs, const std::string& directory);

// Creates a new file under a free temporary name in `directory`, takes its lock and sets
// `path` to its name (empty when none could be made). Throws EFileOpenError or EInOutError.
std::unique_ptr<File> CreateTemporary(FileSystem& fs, const std::string& directory,
                                      std::string& path);

// Removes every temporary in `directory` whose lock is free: a save that was stopped before
// it gave the file its name left it. Files by other names, links and files in use stay.
void RemoveAbandonedTemporaries(FileSystem& fs, const std::string& directory);

}  // namespace ftb::data
