#pragma once
// A run of the module on a return of its own: a temporary folder holding a new return (or one
// written from ftbfile's JSON), made the current folder while the run lasts (the save dialog
// starts there), and the module started on it as the host starts it. The player and the
// explorer start their runs this way.
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>

#include "tools/ftb-host/CommandLine.h"
#include "tools/ftb-host/ModuleRun.h"

class QTimer;

namespace ftb::host {

class ScreenTimings;

// Where a run starts: the screen, the key source and the return.
struct RunStart {
    int screen = kDefaultStartScreen;
    QString key = QLatin1String(kDefaultKeySource);
    std::optional<QString> fromJson;  // empty: a new, empty return
};

// One tick of the timer, as its expiry delivers it.
void DeliverTick(QTimer* timer);

class RunInFolder {
  public:
    RunInFolder() = default;
    // Ends nothing (the owner finishes the run); gives the previous current folder back and
    // removes the run's folder.
    ~RunInFolder();
    RunInFolder(const RunInFolder&) = delete;
    RunInFolder& operator=(const RunInFolder&) = delete;

    // Makes the folder and the return, loads the module and starts it, then gives the main
    // window's timer its first (2-second) tick, so every later tick is a 60-second one.
    // EStepFailure when any part fails; StartFailed() tells a module that did not start.
    void Start(const RunStart& start, const HostOptions& options, ScreenTimings* timings);

    // The run; null before Start.
    ModuleRun* Module() const { return run_.get(); }
    bool StartFailed() const { return startFailed_; }
    const std::string& TaxFile() const { return taxFile_; }
    const std::string& KeySource() const { return keySource_; }

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    QString previousFolder_;
    std::string taxFile_;
    std::string keySource_;
    std::unique_ptr<ModuleRun> run_;
    bool startFailed_ = false;
};

}  // namespace ftb::host
