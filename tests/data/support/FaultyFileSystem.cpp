#include "tests/data/support/FaultyFileSystem.h"

#include "data/Errors.h"

namespace ftb::data::testing {
namespace {

class FaultyFile : public File {
  public:
    FaultyFile(std::unique_ptr<File> inner, FaultyFileSystem& fs)
        : inner_(std::move(inner)), fs_(fs) {}

    std::size_t Read(void* buffer, std::size_t count) override {
        return count > 0 && fs_.Fails(FileOp::Read) ? 0 : inner_->Read(buffer, count);
    }
    std::size_t Write(const void* buffer, std::size_t count) override {
        return count > 0 && fs_.Fails(FileOp::Write) ? 0 : inner_->Write(buffer, count);
    }
    std::uint64_t Size() override { return inner_->Size(); }
    bool Sync() override { return !fs_.Fails(FileOp::Sync) && inner_->Sync(); }
    bool TryLock() override { return inner_->TryLock(); }

  private:
    std::unique_ptr<File> inner_;
    FaultyFileSystem& fs_;
};

}  // namespace

const char* FileOpName(FileOp op) {
    static constexpr const char* kNames[] = {"create", "open",   "read",   "write",
                                             "sync",   "rename", "remove", "link"};
    return kNames[static_cast<std::size_t>(op)];
}

void FaultyFileSystem::Reset() {
    counts_.fill(0);
    faults_.clear();
    created_.clear();
}

bool FaultyFileSystem::Fails(FileOp op) {
    int occurrence = ++counts_[static_cast<std::size_t>(op)];
    return faults_.count({op, occurrence}) > 0;
}

std::unique_ptr<File> FaultyFileSystem::OpenRead(const std::string& path) {
    if (Fails(FileOp::Open)) throw EFileOpenError("Injected failure opening \"" + path + "\"");
    return std::make_unique<FaultyFile>(inner_.OpenRead(path), *this);
}

std::unique_ptr<File> FaultyFileSystem::Create(const std::string& path, unsigned mode) {
    if (Fails(FileOp::Create)) throw EFileOpenError("Injected failure creating \"" + path + "\"");
    created_.emplace_back(path, mode);
    return std::make_unique<FaultyFile>(inner_.Create(path, mode), *this);
}

std::unique_ptr<File> FaultyFileSystem::CreateNew(const std::string& path, unsigned mode) {
    if (Fails(FileOp::Create)) throw EFileOpenError("Injected failure creating \"" + path + "\"");
    created_.emplace_back(path, mode);
    return std::make_unique<FaultyFile>(inner_.CreateNew(path, mode), *this);
}

bool FaultyFileSystem::Rename(const std::string& from, const std::string& to) {
    return !Fails(FileOp::Rename) && inner_.Rename(from, to);
}

bool FaultyFileSystem::Remove(const std::string& path) {
    return !Fails(FileOp::Remove) && inner_.Remove(path);
}

bool FaultyFileSystem::Link(const std::string& from, const std::string& to) {
    return !Fails(FileOp::Link) && inner_.Link(from, to);
}

bool FaultyFileSystem::SyncDirectory(const std::string& path) {
    return !Fails(FileOp::Sync) && inner_.SyncDirectory(path);
}

}  // namespace ftb::data::testing
