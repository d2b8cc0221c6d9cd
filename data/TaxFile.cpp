#include "data/TaxFile.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "data/Errors.h"
#include "data/FileCipher.h"

namespace ftb::data {
namespace {

constexpr int kKeyField = 1;
// The host's mark that its return carries this module's answers.
constexpr int kHostMarkField = 1300;
constexpr const char* kHostMark = "EI";
constexpr const char* kCaptionPrefix = "Ledgra 2002 - ";
// Plain answers and fresh enciphered files are readable by the owner only.
constexpr unsigned kPrivateMode = 0600;
constexpr std::size_t kCopyChunk = 64 * 1024;
constexpr int kMaxBadCopies = 1000;

// The files that accompany a return: the plain work file, the backup of the previous version
// and the enciphered file that becomes the new version once it is complete.
struct Companions {
    std::string work;
    std::string backup;
    std::string temporary;
    std::string directory;
};

Companions CompanionsOf(const std::string& path) {
    Companions names{ChangeExtension(path, ".SEC"), ChangeExtension(path, ".BAK"), path + ".tmp",
                     ""};
    // A return named like its own companion would be overwritten by it.
    if (names.work == path || names.backup == path)
        throw EFileOpenError("Cannot use the file name \"" + path + "\" for a tax return");
    std::size_t slash = path.find_last_of('/');
    if (slash != std::string::npos) names.directory = slash == 0 ? "/" : path.substr(0, slash);
    return names;
}

std::string KeyDigits(const std::string& source) {
    std::string digits;
    std::copy_if(source.begin(), source.end(), std::back_inserter(digits),
                 [](char c) { return c >= '0' && c <= '9'; });
    return digits;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

void CopyFile(FileSystem& fs, const std::string& from, const std::string& to) {
    auto in = fs.OpenRead(from);
    auto out = fs.Create(to, kPrivateMode);
    std::vector<std::uint8_t> buffer(kCopyChunk);
    for (std::uint64_t left = in->Size(); left > 0;) {
        std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(left, kCopyChunk));
        if (in->Read(buffer.data(), count) != count)
            throw EInOutError("Cannot read file " + Quoted(from));
        if (out->Write(buffer.data(), count) != count)
            throw EInOutError("Cannot write file " + Quoted(to));
        left -= count;
    }
    if (!out->Sync()) throw EInOutError("Cannot flush file " + Quoted(to));
}

}  // namespace

TaxFile::TaxFile(FieldStore& store, FileSystem& fs, platform::Dialogs& dialogs)
    : store_(store), fs_(fs), dialogs_(dialogs) {}

void TaxFile::RemoveExisting(const std::string& path) {
    if (fs_.Exists(path) && !fs_.Remove(path))
        throw EInOutError("Cannot delete file " + Quoted(path));
}

void TaxFile::RemoveQuietly(const std::string& path) {
    if (fs_.Exists(path)) fs_.Remove(path);
}

void TaxFile::SyncFile(const std::string& path) {
    if (!fs_.OpenRead(path)->Sync()) throw EInOutError("Cannot flush file " + Quoted(path));
}

// A second name for the file when the file system allows it, else a copy; a partial copy is
// not left behind.
void TaxFile::KeepCopy(const std::string& from, const std::string& to) {
    if (fs_.Link(from, to)) return;
    try {
        CopyFile(fs_, from, to);
    } catch (...) {
        RemoveQuietly(to);
        throw;
    }
}

// Keeps a file that could not be read under the first free name with the extension ".BAD",
// ".BAD1", ".BAD2", ... so that saving a new return over it loses nothing.
void TaxFile::KeepUnreadableFile(const std::string& path) {
    for (int n = 0; n < kMaxBadCopies; ++n) {
        std::string name = ChangeExtension(path, n == 0 ? ".BAD" : ".BAD" + std::to_string(n));
        if (fs_.Exists(name)) continue;
        KeepCopy(path, name);
        return;
    }
    throw EInOutError("Cannot keep the unreadable file " + Quoted(path));
}

void TaxFile::NoteRecordsRead(const PlainReadResult& result) {
    if (result.recordsRead == 0) return;
    caption_ = kCaptionPrefix + currentPath_;
    fileLoaded_ = true;
}

void TaxFile::ReportRead(const std::string& path, const PlainReadResult& result) {
    if (!result.signatureMatched) {
        dialogs_.Error("Unable to open file - " + path);
        unreadablePath_ = path;
        keySource_.clear();
        currentPath_.clear();
        position_.group = 0;
        position_.index = 0;
    } else if (result.damagedTag) {
        dialogs_.Error("Error reading file, field tag = " + std::to_string(*result.damagedTag) +
                       " last tag = " + std::to_string(result.lastTag));
    }
}

void TaxFile::Read(const std::string& path) {
    const Companions names = CompanionsOf(path);
    const std::string keySource =
        !fileRead_ || !keySource_.empty() ? keySource_ : store_.GetFieldStr(kKeyField);
    const FileKey key = MakeFileKey(KeyDigits(keySource));
    fileLoaded_ = false;
    currentPath_ = path;

    PlainReadResult result;
    try {
        // A work file left by an earlier run may be readable by others; it is never reused.
        RemoveExisting(names.work);
        DecryptFile(fs_, path, names.work, key, kPrivateMode);
        fileRead_ = true;
        ReadPlain(*fs_.OpenRead(names.work), store_, position_, result);
        RemoveExisting(names.work);
    } catch (...) {
        NoteRecordsRead(result);
        RemoveQuietly(names.work);
        throw;
    }
    NoteRecordsRead(result);
    ReportRead(path, result);
}

// The plain data goes only into the work file; the enciphered file is made beside the return and
// flushed, the previous return gets its backup name, and one rename puts the new return in its
// place. Any failure before that rename leaves the previous return where it was.
void TaxFile::Save(const std::string& path) {
    if (path.empty()) return;
    const Companions names = CompanionsOf(path);
    store_.SetFieldStr(kHostMarkField, kHostMark);
    const FileKey key = MakeFileKey(KeyDigits(store_.GetFieldStr(kKeyField)));

    try {
        RemoveExisting(names.work);
        WritePlain(store_, position_, *fs_.Create(names.work, kPrivateMode));
        RemoveExisting(names.temporary);
        EncryptFile(fs_, names.work, names.temporary, key, kPrivateMode);
        RemoveExisting(names.work);
        SyncFile(names.temporary);

        if (fs_.Exists(path)) {
            if (unreadablePath_ == path) {
                KeepUnreadableFile(path);
                unreadablePath_.clear();
            }
            RemoveExisting(names.backup);
            KeepCopy(path, names.backup);
        }
        if (!fs_.SyncDirectory(names.directory))
            throw EInOutError("Cannot flush folder " + Quoted(names.directory));
        if (!fs_.Rename(names.temporary, path))
            throw EInOutError("Cannot rename file " + Quoted(names.temporary) + " to " +
                              Quoted(path));
    } catch (...) {
        RemoveQuietly(names.temporary);
        RemoveQuietly(names.work);
        throw;
    }
}

}  // namespace ftb::data
