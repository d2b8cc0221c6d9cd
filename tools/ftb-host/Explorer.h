#pragma once
// ftb-host --explore: walks the interview by itself. The decision points of a run are which
// answer set and move to take on a screen and which button of a box to press (Routes keeps the
// routes, keyed by the screen number and what the choice is). Every run starts the module afresh
// on the start return and replays its route; where every choice was taken it takes the one this
// run used least (a box: its default button), so loops such as "another child?" end. Routes run
// depth first until none is left or the bound of runs is reached. Each action is recorded in
// --play form, so every failure has its replay.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <vector>

#include "tools/ftb-host/BoxAnswerer.h"
#include "tools/ftb-host/CommandLine.h"
#include "tools/ftb-host/Exploration.h"
#include "tools/ftb-host/Routes.h"
#include "tools/ftb-host/RunInFolder.h"
#include "tools/ftb-host/ScreenParts.h"

class QDialog;

namespace ftb::host {

class ModuleRun;
class ScreenTimings;

class Explorer {
  public:
    Explorer(const HostOptions& options, std::ostream& out);
    ~Explorer();

    // Explores from every start, prints the report (and writes it, with the replays, to --out)
    // and returns the exit code: 1 on an exception or a catalogue screen not reached.
    int Explore();
    // The screen changes and starts of every run of Explore().
    const ScreenTimings& Timings() const;

  private:
    enum class AnswerSet { First, Second, Empty };
    struct Choice {
        AnswerSet answers;
        QString move;
    };

    void ExploreFrom(const RunStart& start);
    void RunRoute(const RunStart& start);
    // Answers screens until an exit, a screen that cannot be left or the depth bound.
    void Walk(ModuleRun& run);
    // One visit of a screen: false when no choice left it.
    bool Visit(ModuleRun& run, QWidget* screen, int number, int& moves);
    void Answer(QWidget* screen, int number, AnswerSet answers);
    void AnswerPart(const ScreenPart& part, int number, AnswerSet answers, int& dateIndex);
    void AnswerGrid(QTableWidget* grid, int number, AnswerSet answers);
    EntryKind KindOf(const QString& key, const std::function<EntryKind()>& probe);

    // Runs an action of the person, recorded as `line` after the answers its boxes took.
    void Act(const QString& line, const std::function<void()>& action);
    void BoxShown(QDialog* box);
    void Fail(ExploreFailure::Kind kind, int screen, const QString& detail);
    // Gives the failures noted since the last call the replay of the run as it stands.
    void WriteFailures();
    void WriteRunning(const QString& next) const;
    QString OutPath(const QString& name) const;

    const HostOptions& options_;
    std::ostream& out_;
    std::vector<RunStart> starts_;
    QStringList startNames_;
    Exploration found_;

    // Across the runs of a start.
    Routes routes_;
    std::map<QString, EntryKind> kinds_;       // what each field and column takes
    std::map<int, QStringList> stuckReplays_;  // the first replay of each screen not left

    // The run.
    std::map<QString, int> uses_;
    QStringList script_;
    QStringList answers_;  // the answer lines of the action running
    int screen_ = 0;
    bool probing_ = false;
    std::size_t failuresWritten_ = 0;
    std::unique_ptr<ScreenTimings> timings_;
    std::unique_ptr<BoxAnswerer> answerer_;
};

}  // namespace ftb::host
