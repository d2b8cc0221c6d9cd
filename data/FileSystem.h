#pragma once
// The file operations the return data needs, behind one interface so tests can make any single
// operation fail. Paths are native (UTF-8 on Linux) byte strings.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ftb::data {

// An open file. Read and Write return the number of bytes moved; fewer than asked is a failure
// the caller reports. Sync flushes the file's data to the disk.
class File {
public:
    virtual ~File() = default;
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
    virtual std::uint64_t Size() = 0;
    virtual bool Sync() = 0;
    // The system's error number of the last read, write or sync that failed (EIO when unknown).
    virtual int LastError() const { return EIO; }
    // Takes the file's lock, held until the handle is closed, unless another handle holds it;
    // false then, or when the file system has no locks. A save holds the lock of each file it
    // makes, so a later run tells the files a stopped one left from files still in use.
    virtual bool TryLock() { return false; }
};

// The system's text for an error number: "No space left on device", "Permission denied".
std::string ReasonOf(int error);

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Opens an existing file for reading (others may read it too); throws EFileOpenError.
    virtual std::unique_ptr<File> OpenRead(const std::string& path) = 0;
    // Creates a file for writing, replacing an existing one; throws EFileOpenError.
    // The permission bits apply to a file that did not exist before (0600: owner only).
    virtual std::unique_ptr<File> Create(const std::string& path, unsigned mode = 0644) = 0;

    virtual bool Exists(const std::string& path) = 0;
    virtual bool Rename(const std::string& from, const std::string& to) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Makes `to` a second name of the file `from` (a hard link); false when it cannot.
    virtual bool Link(const std::string& from, const std::string& to) = 0;
    // Flushes a directory entry change (a rename, a new file) to the disk.
    virtual bool SyncDirectory(const std::string& path) = 0;

    // Creates a file that does not exist yet, never through a link planted at `path`; throws
    // EFileOpenError when the name is taken or cannot be created.
    virtual std::unique_ptr<File> CreateNew(const std::string& path, unsigned mode);
    // The file a path names once links in its last component are followed; the path itself
    // when it names no link (or nothing yet).
    virtual std::string ResolveLink(const std::string& path) { return path; }
    // Why the path cannot be a return when it names something other than a regular file
    // ("Is a directory", "Not a regular file: a character device"); empty when it names a
    // regular file or nothing.
    virtual std::string NotAFileReason(const std::string& /*path*/) { return {}; }
    // The names in a folder (an empty path: the current one); nothing when it cannot be read.
    virtual std::vector<std::string> List(const std::string& /*folder*/) { return {}; }
    // Makes a new folder that only the user can enter and returns its path; an empty path
    // means the file system has no such place and work files stay beside their return. The
    // folder is marked as in use until RemoveFolder; such folders that a stopped read or save
    // left (with the work files in them) are removed first.
    virtual std::string MakePrivateFolder() { return {}; }
    virtual bool RemoveFolder(const std::string& path) { return path.empty(); }
};

// The real file system of the machine (POSIX).
FileSystem& RealFileSystem();

// The path with its extension replaced (or added): ChangeExtension("A/B.TAX", ".BAK") = "A/B.BAK".
// Only the last path component's extension counts.
std::string ChangeExtension(const std::string& path, const std::string& extension);

}  // namespace ftb::data
