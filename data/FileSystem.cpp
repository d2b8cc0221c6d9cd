#include "data/FileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

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
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

    std::size_t Write(const void* buffer, std::size_t count) override {
        std::size_t done = 0;
        while (done < count) {
            ssize_t n = ::write(fd_, static_cast<const char*>(buffer) + done, count - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
        return done;
    }

    std::uint64_t Size() override {
        struct stat st {};
        return ::fstat(fd_, &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    }

    bool Sync() override { return ::fsync(fd_) == 0; }

private:
    int fd_;
};

std::string OpenErrorText(const std::string& path, int error) {
    return "Cannot open file \"" + path + "\". " + std::strerror(error);
}

class PosixFileSystem : public FileSystem {
public:
    std::unique_ptr<File> OpenRead(const std::string& path) override {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) throw EFileOpenError(OpenErrorText(path, errno));
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            ::close(fd);
            throw EFileOpenError(OpenErrorText(path, EISDIR));
        }
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

    bool SyncDirectory(const std::string& path) override {
        int fd = ::open(path.empty() ? "." : path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return false;
        bool ok = ::fsync(fd) == 0;
        ::close(fd);
        return ok;
    }
};

}  // namespace

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
