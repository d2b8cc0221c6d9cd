#pragma once
// One run of the module as the host tax-return program does it: load the library with
// QLibrary, CheckVersion(1), RunFTBModule with the host's window and the tax file, wait for the
// leave (1131) or close (1132) message, GetFailedScreenIndex, FreeDLLResources, unload.
#include <QLibrary>
#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

#include "include/ftbmodule.h"
#include "tools/ftb-host/CommandLine.h"

namespace ftb::host {

// A failure of the host's own part: the library, the version, the start of the run.
class EHostError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The window the module tells where the interview went: it takes the posted messages 1131 and
// 1132 and remembers the first.
class HostWindow : public QObject {
    Q_OBJECT

  public:
    // 0 until the module posted 1131 or 1132.
    int Message() const { return message_; }

  protected:
    bool event(QEvent* event) override;

  private:
    int message_ = 0;
};

// What the host hands RunFTBModule.
struct RunRequest {
    std::string taxFile;    // the path, as the file system names it
    std::string keySource;  // Windows-1252
    int startScreen = kDefaultStartScreen;
    Geometry geometry;
    bool maximised = false;
};

// How the run ended.
struct RunEnding {
    int exitScreen = 0;
    bool saved = false;  // FreeDLLResources returned 1
};

// "exit screen N, saved OK", or the same with the failure to save.
std::string EndingText(const RunEnding& ending);

class ModuleRun {
  public:
    // Loads the library and finds its four exports; EHostError when it cannot.
    explicit ModuleRun(const QString& modulePath);
    // Unloads the library if Finish has not (after a start-up error, for example).
    ~ModuleRun();
    ModuleRun(const ModuleRun&) = delete;
    ModuleRun& operator=(const ModuleRun&) = delete;

    // CheckVersion(1), then RunFTBModule. A version the host does not speak, or the error a
    // start-up raised (its message), becomes EHostError.
    void Start(const RunRequest& request);

    // The module told the host where the interview went (1131 or 1132; 0: not yet).
    int Message() const { return host_.Message(); }
    const HostWindow& Host() const { return host_; }
    // GetFailedScreenIndex.
    int ExitScreen() const;
    // GetFailedScreenIndex, FreeDLLResources and unloading the library.
    RunEnding Finish();
    bool Finished() const { return finished_; }

  private:
    void Unload();

    QLibrary library_;
    FtbCheckVersionFn checkVersion_ = nullptr;
    FtbRunModuleFn runModule_ = nullptr;
    FtbGetFailedScreenIndexFn failedScreenIndex_ = nullptr;
    FtbFreeResourcesFn freeResources_ = nullptr;
    HostWindow host_;
    bool finished_ = false;
};

// Waits, handling events, until the module has told the host where the interview went.
void WaitForTheModule(const ModuleRun& run);

}  // namespace ftb::host
