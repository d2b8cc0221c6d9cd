#pragma once
// A file system held in memory, for fuzzers and tests that need no disk. It behaves like the
// POSIX one where callers can tell: Create truncates an existing file in place (open readers
// see it), names made by Link share one file, Rename replaces the target, a handle opened for
// reading does not write and one created for writing does not read. A capacity limit makes
// writes come up short as on a full disk. A file's lock is held by one handle at a time; the
// names in a folder are those of the files whose paths lie directly in it.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/FileSystem.h"

namespace ftb::data {

class MemoryFileSystem : public FileSystem {
public:
    MemoryFileSystem();
    ~MemoryFileSystem() override;

    // Creates the file at `path` (permission bits 0644) or replaces its contents in place.
    void SetContents(const std::string& path, std::string contents);
    // The contents of the file at `path`; nothing when there is none.
    std::optional<std::string> Contents(const std::string& path) const;
    // The permission bits the file was created with; nothing when there is none.
    std::optional<unsigned> Mode(const std::string& path) const;
    // The most bytes the named files together may hold; writes beyond it move fewer bytes.
    void SetCapacity(std::size_t bytes);

    std::unique_ptr<File> OpenRead(const std::string& path) override;
    std::unique_ptr<File> Create(const std::string& path, unsigned mode = 0644) override;
    bool Exists(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    bool Link(const std::string& from, const std::string& to) override;
    bool SyncDirectory(const std::string& path) override;
    std::vector<std::string> List(const std::string& folder) override;

    struct Storage;  // the files by name and the capacity; shared with the open handles

private:
    std::shared_ptr<Storage> storage_;
};

}  // namespace ftb::data
