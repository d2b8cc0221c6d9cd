#pragma once
// A file system that shows one existing file under a second name, for reading only. Reading a
// return through the alias puts the work file that the read deciphers into beside the alias
// (a private folder) instead of beside the return, and nothing can change the return itself.
#include <memory>
#include <string>

#include "data/FileSystem.h"

namespace ftb::ftbfile {

class ReadOnlyAlias : public data::FileSystem {
public:
    // Every path other than `alias` is passed on to `real` unchanged.
    ReadOnlyAlias(data::FileSystem& real, std::string file, std::string alias);

    std::unique_ptr<data::File> OpenRead(const std::string& path) override;
    std::unique_ptr<data::File> Create(const std::string& path, unsigned mode) override;
    bool Exists(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    bool Link(const std::string& from, const std::string& to) override;
    bool SyncDirectory(const std::string& path) override;

private:
    bool IsAlias(const std::string& path) const { return path == alias_; }

    data::FileSystem& real_;
    std::string file_;
    std::string alias_;
};

}  // namespace ftb::ftbfile
