#include "data/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

#include "data/Errors.h"

namespace ftb::data {
namespace {

class PosixFile : public File {
public:
    explicit PosixFile(int fd) : fd_(fd) {}
    ~PosixFile() override { ::close(fd_); }
    PosixFile(const PosixFile&) = delete;
    PosixFile& operator=(const PosixFile&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override {
        std::size_t done = 0;
        while (done < count) {
            ssize_t n = ::read(fd_, static_cast<char*>(buffer) + done, count - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                error_ = n < 0 ? errno : EIO;
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

    std::size_t Write(const void* buffer, std::size_t count) override {
        std::size_t done = 0;
        while (done < count) {
            ssize_t n = ::write(fd_, static_cast<const char*>(buffer) + done, count - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) {
                error_ = n < 0 ? errno : ENOSPC;
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

    std::uint64_t Size() override {
        struct stat st {};
        return ::fstat(fd_, &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    }

    bool Sync() override {
        if (::fsync(fd_) == 0) return true;
        error_ = errno;
        return false;
    }
    int LastError() const override { return error_; }
    bool TryLock() override { return ::flock(fd_, LOCK_EX | LOCK_NB) == 0; }

private:
    int fd_;
    int error_ = EIO;
};

std::string OpenErrorText(const std::string& path, int error) {
    return "Cannot open file \"" + path + "\". " + std::strerror(error);
}

// What a file that is no regular file is, in words.
std::string NotRegularReason(mode_t mode) {
    if (S_ISDIR(mode)) return std::strerror(EISDIR);
    if (S_ISCHR(mode)) return "Not a regular file: a character device";
    if (S_ISBLK(mode)) return "Not a regular file: a block device";
    if (S_ISFIFO(mode)) return "Not a regular file: a pipe";
    if (S_ISSOCK(mode)) return "Not a regular file: a socket";
    return "Not a regular file";
}

// Why a file that opened is no return: a folder, or a pipe, device or socket.
std::string NotRegularText(const std::string& path, mode_t mode) {
    return "Cannot open file \"" + path + "\". " + NotRegularReason(mode);
}

constexpr int kMaxLinks = 40;

// The names in the folder open as `fd` (which the listing closes); "." and ".." are left out.
std::vector<std::string> ListOpenFolder(int fd) {
    std::vector<std::string> names;
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

// Private work folders are "ftb-" and the six letters or digits mkdtemp puts in.
constexpr const char* kPrivatePrefix = "ftb-";
constexpr std::size_t kPrivateNameSize = 10;

bool IsPrivateFolderName(const std::string& name) {
    return name.size() == kPrivateNameSize && name.rfind(kPrivatePrefix, 0) == 0 &&
           std::all_of(name.begin() + 4, name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Removes the private work folder `name` in `base` when a stopped read or save left it: the
// user's own, with the mode it was made with, its lock free, holding only work files. Anything
// else in it (not made by a read or save) keeps the folder.
void RemoveAbandonedFolder(const std::string& base, const std::string& name) {
    const std::string path = base + "/" + name;
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) == 0 && st.st_uid == ::geteuid() && (st.st_mode & 07777) == 0700 &&
        ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        const int listed = ::dup(fd);
        if (listed >= 0)
            for (const std::string& entry : ListOpenFolder(listed))
                if (EndsWith(entry, ".SEC")) ::unlinkat(fd, entry.c_str(), 0);
        ::rmdir(path.c_str());
    }
    ::close(fd);
}

// The lock of the user's lock file beside the private work folders ("ftb-UID.lock", readable
// by the user only), held while it lives; not held when the file there is not the user's own.
class WorkFolderGuard {
public:
    explicit WorkFolderGuard(const std::string& base) {
        const std::string path =
            base + "/" + kPrivatePrefix + std::to_string(::geteuid()) + ".lock";
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        struct stat st {};
        if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) ||
                         st.st_uid != ::geteuid() || ::flock(fd_, LOCK_EX) != 0)) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~WorkFolderGuard() {
        if (fd_ >= 0) ::close(fd_);
    }
    WorkFolderGuard(const WorkFolderGuard&) = delete;
    WorkFolderGuard& operator=(const WorkFolderGuard&) = delete;
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

class PosixFileSystem : public FileSystem {
public:
    std::unique_ptr<File> OpenRead(const std::string& path) override {
        // Without blocking: a pipe at the path would otherwise wait for a writer for ever.
        int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) throw EFileOpenError(OpenErrorText(path, errno));
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            const int error = errno;
            ::close(fd);
            throw EFileOpenError(OpenErrorText(path, error));
        }
        if (!S_ISREG(st.st_mode)) {
            ::close(fd);
            throw EFileOpenError(NotRegularText(path, st.st_mode));
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        return std::make_unique<PosixFile>(fd);
    }

    std::unique_ptr<File> Create(const std::string& path, unsigned mode) override {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                        static_cast<mode_t>(mode));
        if (fd < 0) throw EFileOpenError(OpenErrorText(path, errno));
        return std::make_unique<PosixFile>(fd);
    }

    bool Exists(const std::string& path) override {
        struct stat st {};
        return ::lstat(path.c_str(), &st) == 0;
    }

    bool Rename(const std::string& from, const std::string& to) override {
        return ::rename(from.c_str(), to.c_str()) == 0;
    }

    bool Remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

    bool Link(const std::string& from, const std::string& to) override {
        return ::link(from.c_str(), to.c_str()) == 0;
    }

    std::unique_ptr<File> CreateNew(const std::string& path, unsigned mode) override {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        static_cast<mode_t>(mode));
        if (fd < 0) throw EFileOpenError(OpenErrorText(path, errno));
        return std::make_unique<PosixFile>(fd);
    }

    std::string ResolveLink(const std::string& path) override {
        std::string resolved = path;
        for (int hop = 0; hop < kMaxLinks; ++hop) {
            struct stat st {};
            if (::lstat(resolved.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return resolved;
            std::string target(static_cast<std::size_t>(PATH_MAX), '\0');
            const ssize_t n = ::readlink(resolved.c_str(), target.data(), target.size());
            if (n <= 0) return resolved;
            target.resize(static_cast<std::size_t>(n));
            const std::size_t slash = resolved.find_last_of('/');
            if (target.front() != '/' && slash != std::string::npos)
                target = resolved.substr(0, slash + 1) + target;
            resolved = target;
        }
        return resolved;
    }

    std::string NotAFileReason(const std::string& path) override {
        struct stat st {};
        if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return {};
        return NotRegularReason(st.st_mode);
    }

    std::vector<std::string> List(const std::string& folder) override {
        const int fd = ::open(folder.empty() ? "." : folder.c_str(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        return fd < 0 ? std::vector<std::string>{} : ListOpenFolder(fd);
    }

    std::string MakePrivateFolder() override {
        const char* tmp = std::getenv("TMPDIR");
        const std::string base = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
        // The user's reads and saves clear and make work folders one at a time, so no folder
        // is taken for abandoned between being made and being marked as in use.
        const WorkFolderGuard guard(base);
        if (guard.Held())
            for (const std::string& name : List(base))
                if (IsPrivateFolderName(name)) RemoveAbandonedFolder(base, name);
        std::string pattern = base + "/" + kPrivatePrefix + "XXXXXX";
        // mkdtemp creates the folder exclusively with the permission bits 0700.
        if (::mkdtemp(pattern.data()) == nullptr)
            throw EFileOpenError("Cannot make a private work folder. " +
                                 std::string(std::strerror(errno)));
        // Its lock says the folder is in use until it is removed.
        const int fd = ::open(pattern.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            const std::lock_guard<std::mutex> lock(mutex_);
            held_[pattern] = fd;
        } else if (fd >= 0) {
            ::close(fd);
        }
        return pattern;
    }

    bool RemoveFolder(const std::string& path) override {
        const bool removed = !path.empty() && ::rmdir(path.c_str()) == 0;
        const std::lock_guard<std::mutex> guard(mutex_);
        if (auto it = held_.find(path); it != held_.end()) {
            ::close(it->second);
            held_.erase(it);
        }
        return removed;
    }

    bool SyncDirectory(const std::string& path) override {
        int fd = ::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        bool ok = ::fsync(fd) == 0;
        ::close(fd);
        return ok;
    }

private:
    // The private folders in use, each open with its lock taken.
    std::mutex mutex_;
    std::map<std::string, int> held_;
};

}  // namespace

std::string ReasonOf(int error) { return std::strerror(error != 0 ? error : EIO); }

std::unique_ptr<File> FileSystem::CreateNew(const std::string& path, unsigned mode) {
    if (Exists(path)) throw EFileOpenError(OpenErrorText(path, EEXIST));
    return Create(path, mode);
}

FileSystem& RealFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}

std::string ChangeExtension(const std::string& path, const std::string& extension) {
    std::size_t slash = path.find_last_of('/');
    std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < start) return path + extension;
    return path.substr(0, dot) + extension;
}

}  // namespace ftb::data
