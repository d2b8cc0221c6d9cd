#pragma once
// A file system that passes every operation to another one, counts the operations by kind and
// makes chosen ones fail: the k-th operation of a kind fails the way the real one would (an
// open or create throws EFileOpenError, a read or write moves nothing, the rest return false).
// A read or write of no bytes cannot come up short and is not counted.
#include <array>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/FileSystem.h"

namespace ftb::data::testing {

enum class FileOp { Create, Open, Read, Write, Sync, Rename, Remove, Link };
inline constexpr std::array kAllFileOps = {FileOp::Create, FileOp::Open, FileOp::Read,
                                           FileOp::Write,  FileOp::Sync, FileOp::Rename,
                                           FileOp::Remove, FileOp::Link};
const char* FileOpName(FileOp op);

class FaultyFileSystem : public FileSystem {
  public:
    explicit FaultyFileSystem(FileSystem& inner = RealFileSystem()) : inner_(inner) {}

    // Makes the `occurrence`-th (1-based, counted from the last Reset) operation of `op` fail.
    void FailAt(FileOp op, int occurrence) { faults_.insert({op, occurrence}); }
    // Forgets the counts, the faults and the recorded creations.
    void Reset();
    int Count(FileOp op) const { return counts_[static_cast<std::size_t>(op)]; }
    // Every file created: its path and the permission bits asked for.
    const std::vector<std::pair<std::string, unsigned>>& Created() const { return created_; }

    // Counts one operation of `op`; true when it is to fail.
    bool Fails(FileOp op);

    std::unique_ptr<File> OpenRead(const std::string& path) override;
    std::unique_ptr<File> Create(const std::string& path, unsigned mode = 0644) override;
    bool Exists(const std::string& path) override { return inner_.Exists(path); }
    bool Rename(const std::string& from, const std::string& to) override;
    bool Remove(const std::string& path) override;
    bool Link(const std::string& from, const std::string& to) override;
    bool SyncDirectory(const std::string& path) override;
    std::unique_ptr<File> CreateNew(const std::string& path, unsigned mode) override;
    std::string ResolveLink(const std::string& path) override { return inner_.ResolveLink(path); }
    std::vector<std::string> List(const std::string& folder) override {
        return inner_.List(folder);
    }
    std::string MakePrivateFolder() override { return inner_.MakePrivateFolder(); }
    bool RemoveFolder(const std::string& path) override { return inner_.RemoveFolder(path); }

  private:
    FileSystem& inner_;
    std::array<int, kAllFileOps.size()> counts_{};
    std::set<std::pair<FileOp, int>> faults_;
    std::vector<std::pair<std::string, unsigned>> created_;
};

}  // namespace ftb::data::testing
