#include "data/MemoryFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <map>
#include <set>

#include "data/Errors.h"

namespace ftb::data {

namespace {

// One stored file, shared by its names and its open handles.
struct Node {
    std::string data;
    unsigned mode = 0644;
    const void* lockedBy = nullptr;  // the handle holding the file's lock
};

}  // namespace

struct MemoryFileSystem::Storage {
    std::map<std::string, std::shared_ptr<Node>> files;
    std::size_t capacity = std::numeric_limits<std::size_t>::max();

    std::shared_ptr<Node> Find(const std::string& path) const {
        auto it = files.find(path);
        return it == files.end() ? nullptr : it->second;
    }

    // The bytes the named files may still grow by; a file with two names counts once.
    std::size_t Room() const {
        std::set<const Node*> counted;
        std::size_t used = 0;
        for (const auto& [path, node] : files)
            if (counted.insert(node.get()).second) used += node->data.size();
        return used >= capacity ? 0 : capacity - used;
    }
};

namespace {

class MemoryFile : public File {
public:
    MemoryFile(std::shared_ptr<MemoryFileSystem::Storage> storage, std::shared_ptr<Node> node,
               bool writable)
        : storage_(std::move(storage)), node_(std::move(node)), writable_(writable) {}
    ~MemoryFile() override {
        if (node_->lockedBy == this) node_->lockedBy = nullptr;
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override {
        if (writable_ || position_ >= node_->data.size()) return 0;
        const std::size_t n = std::min(count, node_->data.size() - position_);
        std::memcpy(buffer, node_->data.data() + position_, n);
        position_ += n;
        return n;
    }

    std::size_t Write(const void* buffer, std::size_t count) override {
        if (!writable_) return 0;
        // Only the bytes past the current end take room; a full disk cuts the write short.
        const std::size_t end = node_->data.size();
        const std::size_t growth = position_ + count > end ? position_ + count - end : 0;
        const std::size_t room = storage_->Room();
        std::size_t n = count;
        if (growth > room) n = end + room > position_ ? end + room - position_ : 0;
        if (n < count) error_ = ENOSPC;
        if (n == 0) return 0;
        if (node_->data.size() < position_ + n) node_->data.resize(position_ + n);
        std::memcpy(node_->data.data() + position_, buffer, n);
        position_ += n;
        return n;
    }

    std::uint64_t Size() override { return node_->data.size(); }
    bool Sync() override { return true; }
    int LastError() const override { return error_; }
    bool TryLock() override {
        if (node_->lockedBy != nullptr && node_->lockedBy != this) return false;
        node_->lockedBy = this;
        return true;
    }

private:
    int error_ = EIO;
    std::shared_ptr<MemoryFileSystem::Storage> storage_;
    std::shared_ptr<Node> node_;
    bool writable_;
    std::size_t position_ = 0;
};

}  // namespace

MemoryFileSystem::MemoryFileSystem() : storage_(std::make_shared<Storage>()) {}
MemoryFileSystem::~MemoryFileSystem() = default;

void MemoryFileSystem::SetContents(const std::string& path, std::string contents) {
    auto& node = storage_->files[path];
    if (!node) node = std::make_shared<Node>();
    node->data = std::move(contents);
}

std::optional<std::string> MemoryFileSystem::Contents(const std::string& path) const {
    auto node = storage_->Find(path);
    if (!node) return std::nullopt;
    return node->data;
}

std::optional<unsigned> MemoryFileSystem::Mode(const std::string& path) const {
    auto node = storage_->Find(path);
    if (!node) return std::nullopt;
    return node->mode;
}

void MemoryFileSystem::SetCapacity(std::size_t bytes) { storage_->capacity = bytes; }

std::unique_ptr<File> MemoryFileSystem::OpenRead(const std::string& path) {
    auto node = storage_->Find(path);
    if (!node) throw EFileOpenError("Cannot open file \"" + path + "\". No such file or directory");
    return std::make_unique<MemoryFile>(storage_, std::move(node), false);
}

std::unique_ptr<File> MemoryFileSystem::Create(const std::string& path, unsigned mode) {
    if (path.empty()) throw EFileOpenError("Cannot open file \"\". No such file or directory");
    auto& node = storage_->files[path];
    if (node) {
        node->data.clear();
    } else {
        node = std::make_shared<Node>();
        node->mode = mode;
    }
    return std::make_unique<MemoryFile>(storage_, node, true);
}

bool MemoryFileSystem::Exists(const std::string& path) { return storage_->Find(path) != nullptr; }

bool MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
    auto node = storage_->Find(from);
    if (!node) return false;
    storage_->files.erase(from);
    storage_->files[to] = std::move(node);
    return true;
}

bool MemoryFileSystem::Remove(const std::string& path) { return storage_->files.erase(path) == 1; }

bool MemoryFileSystem::Link(const std::string& from, const std::string& to) {
    auto node = storage_->Find(from);
    if (!node || storage_->Find(to)) return false;
    storage_->files[to] = std::move(node);
    return true;
}

std::vector<std::string> MemoryFileSystem::List(const std::string& folder) {
    const std::string prefix = folder.empty() ? "" : folder == "/" ? "/" : folder + "/";
    std::vector<std::string> names;
    for (const auto& [path, node] : storage_->files)
        if (path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
            path.find('/', prefix.size()) == std::string::npos)
            names.push_back(path.substr(prefix.size()));
    return names;
}

bool MemoryFileSystem::SyncDirectory(const std::string&) { return true; }

}  // namespace ftb::data
