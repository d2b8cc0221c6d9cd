#include "data/TaxFile.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <vector>

#include "data/Errors.h"
#include "data/FileCipher.h"
#include "data/Temporaries.h"

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

// The files that accompany a return, all in the folder of the file the return's path resolves
// to (a link to a return stays a link): the backup of the previous version, the name of the
// plain work file (made in a private folder) and the folder the new version is made in.
struct Companions {
    std::string target;
    std::string backup;
    std::string workName;
    std::string directory;
};

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Companions CompanionsOf(FileSystem& fs, const std::string& path) {
    Companions names;
    names.target = fs.ResolveLink(path);
    names.backup = ChangeExtension(names.target, ".BAK");
    const std::string work = ChangeExtension(names.target, ".SEC");
    // A return named like its own companion would be overwritten by it.
    for (const std::string& name : {path, names.target})
        if (ChangeExtension(name, ".SEC") == name || ChangeExtension(name, ".BAK") == name)
            throw EFileOpenError("Cannot use the file name \"" + path + "\" for a tax return");
    names.workName = BaseName(work);
    const std::size_t slash = names.target.find_last_of('/');
    if (slash != std::string::npos)
        names.directory = slash == 0 ? "/" : names.target.substr(0, slash);
    return names;
}

std::string Quoted(const std::string& path);
std::string LastSystemReason();

// The plain work file of one read or save: in a folder only the user can enter, removed with
// the folder when the read or save ends.
class WorkFile {
  public:
    WorkFile(FileSystem& fs, const Companions& names) : fs_(fs), folder_(fs.MakePrivateFolder()) {
        path_ = folder_.empty() ? ChangeExtension(names.target, ".SEC")
                                : folder_ + "/" + names.workName;
    }
    ~WorkFile() {
        if (fs_.Exists(path_)) fs_.Remove(path_);
        fs_.RemoveFolder(folder_);
    }
    WorkFile(const WorkFile&) = delete;
    WorkFile& operator=(const WorkFile&) = delete;
    const std::string& Path() const { return path_; }

    // Handles to write the plain data with and to read it back.
    struct Handles {
        std::unique_ptr<File> out;
        std::unique_ptr<File> in;
    };
    // Makes the work file and opens it twice, then takes its name away: the plain data lives
    // only as long as the handles, so not even a read or save that is killed leaves it.
    Handles OpenUnnamed() {
        Handles handles{fs_.CreateNew(path_, kPrivateMode), nullptr};
        handles.in = fs_.OpenRead(path_);
        errno = 0;
        if (!fs_.Remove(path_))
            throw EInOutError("Cannot delete file " + Quoted(path_), LastSystemReason());
        return handles;
    }

  private:
    FileSystem& fs_;
    std::string folder_;
    std::string path_;
};

std::string KeyDigits(const std::string& source) {
    std::string digits;
    std::copy_if(source.begin(), source.end(), std::back_inserter(digits),
                 [](char c) { return c >= '0' && c <= '9'; });
    return digits;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// The system's reason inside an open error ("Cannot open file "X". Permission denied").
std::string OpenReason(const EFileOpenError& error) {
    const std::string text = error.what();
    const std::size_t end = text.rfind("\". ");
    return end == std::string::npos ? text : text.substr(end + 3);
}

// The reason of a failed rename, removal or link, which report only that they failed.
std::string LastSystemReason() { return ReasonOf(errno); }

void CopyFile(FileSystem& fs, const std::string& from, File& out, const std::string& to) {
    auto in = fs.OpenRead(from);
    std::vector<std::uint8_t> buffer(kCopyChunk);
    for (std::uint64_t left = in->Size(); left > 0;) {
        std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(left, kCopyChunk));
        if (in->Read(buffer.data(), count) != count)
            throw EInOutError("Cannot read file " + Quoted(from), ReasonOf(in->LastError()));
        if (out.Write(buffer.data(), count) != count)
            throw EInOutError("Cannot write file " + Quoted(to), ReasonOf(out.LastError()));
        left -= count;
    }
    if (!out.Sync())
        throw EInOutError("Cannot flush file " + Quoted(to), ReasonOf(out.LastError()));
}

// Flushes the folder's entries (new names, renames) to the disk.
void SyncFolder(FileSystem& fs, const std::string& directory) {
    errno = 0;
    if (!fs.SyncDirectory(directory))
        throw EInOutError("Cannot flush folder " + Quoted(directory), LastSystemReason());
}

// What a read or save of a return in this folder left when it was stopped (killed, or the
// power failed): the temporaries no running save holds, and a work file beside the return,
// which holds plain answers. (The work files in private folders go with their folders.)
void RemoveLeftOvers(FileSystem& fs, const Companions& names) {
    RemoveAbandonedTemporaries(fs, names.directory);
    const std::string work = ChangeExtension(names.target, ".SEC");
    if (fs.Exists(work)) fs.Remove(work);
}

}  // namespace

TaxFile::TaxFile(FieldStore& store, FileSystem& fs, platform::Dialogs& dialogs)
    : store_(store), fs_(fs), dialogs_(dialogs) {}

void TaxFile::RemoveQuietly(const std::string& path) {
    if (!path.empty() && fs_.Exists(path)) fs_.Remove(path);
}

// Gives `to` the contents of `from` in one rename: a second name for the file when the file
// system allows it, else a copy, is made under a temporary name first, so `to` is never a
// partial copy, not even when the save is stopped half-way.
void TaxFile::KeepCopy(const std::string& from, const std::string& to,
                       const std::string& directory) {
    std::string temporary = FreeTemporaryName(fs_, directory);
    std::unique_ptr<File> copy;  // holds the lock of a copy until it has its name
    try {
        if (!fs_.Link(from, temporary)) {
            copy = CreateTemporary(fs_, directory, temporary);
            CopyFile(fs_, from, *copy, temporary);
        }
        errno = 0;
        if (!fs_.Rename(temporary, to))
            throw EInOutError("Cannot rename file " + Quoted(temporary) + " to " + Quoted(to),
                              LastSystemReason());
    } catch (...) {
        RemoveQuietly(temporary);
        throw;
    }
    // A rename between two names of one file (a save stopped after it kept the backup) leaves
    // both names.
    RemoveQuietly(temporary);
}

// Keeps a file that could not be read under the first free name with the extension ".BAD",
// ".BAD1", ".BAD2", ... so that saving a new return over it loses nothing; returns that name.
std::string TaxFile::KeepUnreadableFile(const std::string& path, const std::string& directory) {
    for (int n = 0; n < kMaxBadCopies; ++n) {
        std::string name = ChangeExtension(path, n == 0 ? ".BAD" : ".BAD" + std::to_string(n));
        if (fs_.Exists(name)) continue;
        KeepCopy(path, name, directory);
        return name;
    }
    throw EInOutError("Cannot keep the unreadable file " + Quoted(path),
                      "every name up to .BAD" + std::to_string(kMaxBadCopies - 1) + " is taken");
}

void TaxFile::NoteRecordsRead(const PlainReadResult& result) {
    if (result.recordsRead == 0) return;
    caption_ = kCaptionPrefix + currentPath_;
    fileLoaded_ = true;
}

void TaxFile::ReportRead(const std::string& path, const std::string& target,
                         const std::string& directory, const PlainReadResult& result) {
    if (!result.signatureMatched) {
        dialogs_.Error("Unable to open file - " + path);
        unreadablePath_ = path;
        // The store holds nothing the claimant entered; until they do, nothing replaces the file.
        store_.SetModified(false);
        keySource_.clear();
        currentPath_.clear();
        position_.group = 0;
        position_.index = 0;
        return;
    }
    openingKey_ = openedWith_;
    if (!result.damagedTag) return;
    // The rest of the return was not read: it is kept as it is before anything is saved over it.
    std::string where;
    try {
        where = readOnly_ ? "The file " + Quoted(path) + " was not changed."
                          : "The file " + Quoted(path) + " was kept unchanged as " +
                                Quoted(KeepUnreadableFile(target, directory)) + ".";
    } catch (const EInOutError& error) {
        unreadablePath_ = path;
        where = "The file " + Quoted(path) + " could not be kept (" + error.Reason() +
                "); it is kept before answers are saved over it.";
    }
    // The first line names the record that stopped the reading; a second one says what is
    // wrong with it when its tag is a field number.
    const std::string damage = result.damage.empty() ? "" : "\n" + result.damage;
    dialogs_.Error("Error reading file, field tag = " + std::to_string(*result.damagedTag) +
                   " last tag = " + std::to_string(result.lastTag) + damage + "\n" + where);
}

void TaxFile::Read(const std::string& path) {
    const Companions names = CompanionsOf(fs_, path);
    const std::string keySource =
        !fileRead_ || !keySource_.empty() ? keySource_ : store_.GetFieldStr(kKeyField);
    openedWith_ = KeyDigits(keySource);
    const FileKey key = MakeFileKey(openedWith_);
    fileLoaded_ = false;
    currentPath_ = path;
    openingKey_.reset();
    unreadablePath_.clear();
    RemoveLeftOvers(fs_, names);

    PlainReadResult result;
    try {
        // The return's own open error names it with the system's reason.
        auto in = fs_.OpenRead(path);
        try {
            WorkFile work(fs_, names);
            WorkFile::Handles plain = work.OpenUnnamed();
            DecryptStream(*in, *plain.out, key, work.Path());
            plain.out.reset();
            fileRead_ = true;
            ReadPlain(*plain.in, store_, position_, result);
        } catch (const EFileOpenError& error) {
            throw EInOutError("Cannot read file " + Quoted(path) + ". " + OpenReason(error));
        } catch (const EInOutError& error) {
            throw EInOutError("Cannot read file " + Quoted(path) + ". " + error.Reason(),
                              error.Reason());
        } catch (const ECipherException& error) {
            throw ECipherException("Cannot read file " + Quoted(path) + ". " + error.what());
        }
    } catch (...) {
        NoteRecordsRead(result);
        throw;
    }
    NoteRecordsRead(result);
    ReportRead(path, names.target, names.directory, result);
}

// The plain data goes only into the private work file; the enciphered file is made beside the
// return and flushed, the previous return gets its backup name, and one rename puts the new
// return in its place. Any failure before that rename leaves the previous return where it was.
void TaxFile::Save(const std::string& path) {
    if (path.empty()) return;
    const Companions names = CompanionsOf(fs_, path);
    // A folder, device or pipe at the name is never replaced by the new return.
    if (const std::string reason = fs_.NotAFileReason(names.target); !reason.empty())
        throw EInOutError("Cannot save file " + Quoted(path) + ". " + reason, reason);
    const bool replacesUnreadable = unreadablePath_ == path && fs_.Exists(names.target);
    // A return that could not be opened is left alone until the claimant enters something.
    if (replacesUnreadable && !store_.Modified()) return;
    RemoveLeftOvers(fs_, names);
    store_.SetFieldStr(kHostMarkField, kHostMark);
    // The key that opened the return opens it again, whatever field 1 now holds.
    const FileKey key =
        MakeFileKey(openingKey_ ? *openingKey_ : KeyDigits(store_.GetFieldStr(kKeyField)));

    std::string temporary;
    std::string kept;
    try {
        std::unique_ptr<File> out;  // holds the new return's lock until it has its name
        {
            WorkFile work(fs_, names);
            WorkFile::Handles plain = work.OpenUnnamed();
            WritePlain(store_, position_, *plain.out);
            plain.out.reset();
            out = CreateTemporary(fs_, names.directory, temporary);
            EncryptStream(*plain.in, *out, key, work.Path(), temporary);
            if (!out->Sync())
                throw EInOutError("Cannot flush file " + Quoted(temporary),
                                  ReasonOf(out->LastError()));
        }
        if (fs_.Exists(names.target)) {
            if (replacesUnreadable) kept = KeepUnreadableFile(names.target, names.directory);
            KeepCopy(names.target, names.backup, names.directory);
        }
        SyncFolder(fs_, names.directory);
        errno = 0;
        if (!fs_.Rename(temporary, names.target))
            throw EInOutError("Cannot rename file " + Quoted(temporary) + " to " +
                                  Quoted(names.target),
                              LastSystemReason());
    } catch (const EFileOpenError& error) {
        RemoveQuietly(temporary);
        throw EInOutError("Cannot save file " + Quoted(path) + ". " + OpenReason(error));
    } catch (const EInOutError& error) {
        RemoveQuietly(temporary);
        throw EInOutError("Cannot save file " + Quoted(path) + ". " + error.Reason(),
                          error.Reason());
    } catch (...) {
        RemoveQuietly(temporary);
        throw;
    }
    if (!kept.empty()) {
        unreadablePath_.clear();
        dialogs_.Information("The file " + Quoted(path) +
                             " could not be opened; it was kept unchanged as " + Quoted(kept) +
                             " before your answers were saved.");
    }
    // The rename lasts through a power failure only once the folder is flushed; the new return
    // is in place already, so the failure says so.
    try {
        SyncFolder(fs_, names.directory);
    } catch (const EInOutError& error) {
        throw EInOutError("Saved file " + Quoted(path) +
                              ", but cannot flush its folder, so a power failure may undo "
                              "the save. " +
                              error.Reason(),
                          error.Reason());
    }
}

}  // namespace ftb::data
