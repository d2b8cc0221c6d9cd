#include "tools/ftb-host/Host.h"

#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>

#include "data/FileSystem.h"
#include "data/Win1252.h"
#include "tools/ftb-host/BareWindow.h"
#include "tools/ftb-host/CommandLine.h"
#include "tools/ftb-host/Explorer.h"
#include "tools/ftb-host/ModuleRun.h"
#include "tools/ftb-host/Player.h"
#include "tools/ftb-host/ReturnFiles.h"
#include "tools/ftb-host/Script.h"
#include "tools/ftb-host/Timings.h"
#include "tools/ftbfile/NativeArguments.h"

namespace ftb::host {
namespace {

// The folder of the real executable: a name found through PATH has no folder of its own, and a
// link to the program lives elsewhere than the library beside it.
QString ProgramFolder(const QString& program) {
    const QString named = program.contains(QLatin1Char('/'))
                              ? QFileInfo(program).canonicalFilePath()
                              : QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
    return QFileInfo(named.isEmpty() ? program : named).absolutePath();
}

// In a build tree the library is built beside ftb-host; installed, it is in the library folder
// (FTB_INSTALLED_MODULE_DIR, relative to the installation's bin/).
QString DefaultModuleFolder(const QString& programFolder) {
    const QDir folder(programFolder);
    if (QFileInfo::exists(folder.filePath(QStringLiteral("libftbmodule.so")))) return programFolder;
    return QDir::cleanPath(folder.filePath(QStringLiteral(FTB_INSTALLED_MODULE_DIR)));
}

HostEnvironment Environment(const QString& program) {
    return {qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"),
            DefaultModuleFolder(ProgramFolder(program))};
}

QString ReadScript(const QString& path) {
    const std::string native = ftbfile::ArgumentBytes(path);
    std::ifstream file(native, std::ios::binary);
    std::ostringstream text;
    if (!(file && text << file.rdbuf()))
        throw EHostError("Cannot read the script " + native + ": " + data::ReasonOf(errno));
    return QString::fromStdString(text.str());
}

// The report of --timings, with the floor of the start-up figure measured by this program in a
// process of its own; with --timings-log the figures are also appended to its file.
void ReportTimings(const ScreenTimings& timings, const HostOptions& options, std::ostream& out) {
    const std::optional<double> bareWindow =
        BareWindowInFreshProcess(QCoreApplication::applicationFilePath().toStdString());
    out << timings.Report(bareWindow) << std::flush;
    if (options.timingsLog.isEmpty()) return;
    const std::string path = ftbfile::ArgumentBytes(options.timingsLog);
    std::ofstream log(path, std::ios::app | std::ios::binary);
    if (!(log << timings.Samples(bareWindow)) || !log.flush())
        throw EHostError("Cannot write the timings to " + path + ": " + data::ReasonOf(errno));
}

// A person drives the interview; the host waits for the module to hand it back.
int RunInteractive(const HostOptions& options, std::ostream& out) {
    const std::string file = ftbfile::ArgumentBytes(options.file);
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) {
        // Only the default return's own folder is made; a folder named by --file must exist.
        if (!options.fileGiven && !QDir().mkpath(QFileInfo(options.file).absolutePath()))
            throw EHostError("Cannot make the folder of " + file);
        MakeNewReturn(options.file, options.key);
        out << "A new return: " << file << '\n' << std::flush;
    }
    ScreenTimings timings(true);
    ModuleRun run(options.module);
    timings.RunStarts();
    run.Start({file,
               *data::Utf8ToWin1252(options.key.toStdString()), options.screen, options.geometry,
               options.maximised});
    WaitForTheModule(run);
    const RunEnding ending = run.Finish();
    out << EndingText(ending) << '\n';
    out << std::flush;
    if (options.timings) ReportTimings(timings, options, out);
    return ending.saved ? kExitSuccess : kExitFailure;
}

int PlayScript(const HostOptions& options, std::ostream& out) {
    std::vector<ScriptCommand> commands = ParseScript(ReadScript(options.play), options.play);
    std::optional<ScreenTimings> timings;
    if (options.timings) timings.emplace(false);
    Player player(std::move(commands), options.play, options, out, timings ? &*timings : nullptr);
    const int code = player.Play();
    if (timings) ReportTimings(*timings, options, out);
    return code;
}

int Run(const HostOptions& options, std::ostream& out) {
    if (options.bareWindow) {
        out << BareWindowLine(MeasureBareWindow()) << std::flush;
        return kExitSuccess;
    }
    if (options.explore) {
        Explorer explorer(options, out);
        const int code = explorer.Explore();
        if (options.timings) ReportTimings(explorer.Timings(), options, out);
        return code;
    }
    return options.play.isEmpty() ? RunInteractive(options, out) : PlayScript(options, out);
}

}  // namespace

int RunHost(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    try {
        HostOptions options;
        try {
            options = ParseHostCommandLine(arguments, Environment(arguments.value(0)));
        } catch (const EUsageError& error) {
            err << error.what() << "\nRun 'ftb-host --help' for the options.\n";
            return kExitUsage;
        }
        if (options.help) {
            out << HostHelp() << std::flush;
            return kExitSuccess;
        }
        if (QApplication::instance() != nullptr) return Run(options, out);
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            // A scenario or an exploration needs no display: without one it runs on the
            // offscreen platform.
            if (options.play.isEmpty() && !options.explore) {
                err << "There is no display to show the interview on (neither DISPLAY nor "
                       "WAYLAND_DISPLAY is set); play a script with --play instead.\n";
                return kExitFailure;
            }
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        char program[] = "ftb-host";
        char* argv[] = {program, nullptr};
        int argc = 1;
        QApplication application(argc, argv);
        return Run(options, out);
    } catch (const std::exception& error) {
        out << std::flush;
        err << error.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace ftb::host
