#pragma once
// ftb-host --play: runs a scenario script against the module's real windows. Each command runs
// from the event loop that is running at that moment, so a script goes on while a modal window
// of the module (the save dialog) is open; every command waits until the event queue is idle
// before the next. One line is printed per command as it passes; the first failure is printed
// as "SCRIPT:LINE: what was expected, what was seen" and ends the script.
#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "tools/ftb-host/BoxAnswerer.h"
#include "tools/ftb-host/CommandLine.h"
#include "tools/ftb-host/ModuleRun.h"
#include "tools/ftb-host/ReturnFiles.h"
#include "tools/ftb-host/RunInFolder.h"
#include "tools/ftb-host/Script.h"

namespace ftb::host {

class ScreenTimings;

class Player : public QObject {
    Q_OBJECT

  public:
    // `scriptPath` names the script in messages; its folder is where the script's paths start.
    // `timings` may be null.
    Player(std::vector<ScriptCommand> commands, const QString& scriptPath,
           const HostOptions& options, std::ostream& out, ScreenTimings* timings);
    ~Player() override;

    // Plays the whole script, ends the run as the host does, prints "N passed, M failed" and
    // returns the exit code (0 when every command passed).
    int Play();

  protected:
    bool event(QEvent* event) override;

  private:
    void Step();
    void ActionIdle(std::size_t index);
    // Each returns a note for the line it prints when it passes.
    QString RunAction(const ScriptCommand& command);
    QString RunCheck(const ScriptCommand& command);
    void Pass(const ScriptCommand& command, const QString& note = {});
    void Fail(int line, const QString& message);
    void PostStep();
    void PostIdleProbe(std::size_t index);
    // After a failure: closes the modal windows one by one, so the actions below them return.
    void CloseModalWindows(int left);
    void EndRun();

    // The commands.
    void Start(const ScriptCommand& command);
    QString TickTimer(int ticks);
    QString Quit();
    QString Screenshot(const QString& file);
    QString Keep(const QString& file);
    void ExpectScreen(int number);
    QString ExpectExit(int number);
    void ExpectText(const QString& name, const QString& text);
    void ExpectState(const ScriptCommand& command);
    void ExpectHistory(const std::vector<int>& numbers);
    void ExpectField(const ScriptCommand& command);
    void ExpectSaves(int saves);
    void ExpectCell(const ScriptCommand& command);
    void ExpectPicklist(const ScriptCommand& command);
    // Counts a save of the return when the file at its path is a new one.
    void NoteSaves();
    QString ScriptPath(const QString& relative) const;

    std::vector<ScriptCommand> commands_;
    QString scriptName_;
    QString scriptFolder_;
    const HostOptions& options_;
    std::ostream& out_;
    ScreenTimings* timings_;
    std::vector<QString> notes_;  // per command

    std::size_t next_ = 0;
    // Actions whose code is still running (below a modal window's event loop, for example),
    // with the modal window that was open when each started.
    std::vector<std::pair<std::size_t, QPointer<QWidget>>> running_;
    BoxAnswerer answerer_;
    int passed_ = 0;
    bool failed_ = false;
    bool done_ = false;

    std::unique_ptr<RunInFolder> folder_;
    ModuleRun* run_ = nullptr;  // the folder's run, once started
    std::string taxFile_;
    std::string keySource_;
    std::optional<SavedReturn> saved_;
    FileStamp stamp_;
    int saves_ = 0;
};

}  // namespace ftb::host
