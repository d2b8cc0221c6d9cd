#include "tools/ftb-host/ReturnFiles.h"

#include <sys/stat.h>

#include <sstream>

#include "data/FileSystem.h"
#include "data/TaxFile.h"
#include "data/Win1252.h"
#include "platform/RecordingDialogs.h"
#include "tools/ftb-host/ModuleRun.h"
#include "tools/ftbfile/Commands.h"
#include "tools/ftbfile/NativeArguments.h"

namespace ftb::host {
namespace {

void RunFtbfileCommand(const QStringList& arguments) {
    std::istringstream in;
    std::ostringstream out, err;
    QStringList line{QStringLiteral("ftbfile")};
    line += arguments;
    if (ftbfile::RunFtbfile(line, {in, out, err}) != ftbfile::kExitSuccess) {
        std::string message = err.str();
        while (!message.empty() && message.back() == '\n') message.pop_back();
        throw EHostError(message);
    }
}

}  // namespace

void MakeNewReturn(const QString& path, const QString& keySource) {
    // The path's own bytes, which need not be UTF-8 (see NativeArguments).
    const std::string file = ftbfile::ArgumentBytes(path);
    const std::size_t slash = file.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : file.substr(0, slash));
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        throw EHostError("Cannot make the return " + file + ": the folder " + folder +
                         " does not exist");
    // The host never replaces a return (a link or a pipe at the name counts as one).
    if (lstat(file.c_str(), &status) == 0) throw EHostError(file + " already exists");
    RunFtbfileCommand({QStringLiteral("new"), path, QStringLiteral("--key"), keySource});
}

void WriteReturnFromJson(const QString& path, const QString& keySource, const QString& json) {
    RunFtbfileCommand({QStringLiteral("load"), path, QStringLiteral("--key"), keySource,
                       QStringLiteral("--json"), json});
}

FileStamp StampOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return {};
    return {true, status.st_dev, status.st_ino, static_cast<unsigned long long>(status.st_size),
            status.st_mtim.tv_sec * 1000000000LL + status.st_mtim.tv_nsec};
}

SavedReturn::SavedReturn(const std::string& path, const std::string& keySource) {
    platform::RecordingDialogs dialogs;
    data::TaxFile file(store_, data::RealFileSystem(), dialogs);
    file.SetKeySource(keySource);
    try {
        file.Read(path);
    } catch (const std::exception& error) {
        throw EHostError("Cannot read the saved return: " + std::string(error.what()));
    }
    if (!dialogs.shown.empty())
        throw EHostError("Cannot read the saved return: " +
                         data::Win1252ToUtf8(dialogs.shown.front().text));
}

void SavedReturn::OpenWorksheet(int n, int k) {
    store_.ResetPerWorksheetFields();
    store_.LoadWorksheet(n, k);
}

std::string SavedReturn::FieldText(int field) const {
    return data::Win1252ToUtf8(store_.GetFieldText(field));
}

}  // namespace ftb::host
