#pragma once
// ftb-host --explore: walks the interview by itself. A route is the list of choices made at
// each decision point of a run: which answer set and move on a screen, which button of a box.
// Every run starts the module afresh on the start return, replays its route and, past its end,
// takes at each decision point the first choice not taken anywhere before (keyed by the screen
// number and what the choice is), queueing every other such choice as a route of its own; where
// every choice was taken it takes the one this run used least (a box: its default button), so
// loops such as "another child?" end. Routes run depth first until none is left or the bound
// of runs is reached. Each action is recorded in --play form, so every failure has its replay.
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

  private:
    enum class AnswerSet { First, Second, Empty };
    struct Choice {
        AnswerSet answers;
        QString move;
    };

    void ExploreFrom(const RunStart& start);
    void RunRoute(const RunStart& start, const std::vector<int>& route);
    // Answers screens until an exit, a screen that cannot be left or the depth bound.
    void Walk(ModuleRun& run);
    // One visit of a screen: false when no choice left it.
    bool Visit(ModuleRun& run, QWidget* screen, int number, int& moves);
    void Answer(QWidget* screen, int number, AnswerSet answers);
    void AnswerPart(const ScreenPart& part, int number, AnswerSet answers, int& dateIndex);
    void AnswerGrid(QTableWidget* grid, int number, AnswerSet answers);
    EntryKind KindOf(const QString& key, const std::function<EntryKind()>& probe);

    // A decision point with the given choices: the route's choice, else a new one.
    int Decide(const std::vector<QString>& keys, int preferred);
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
    std::set<QString> taken_;                  // choices taken or queued
    std::vector<std::vector<int>> pending_;    // routes still to run, the next last
    std::map<QString, EntryKind> kinds_;       // what each field and column takes
    std::map<int, QStringList> stuckReplays_;  // the first replay of each screen not left

    // The run.
    std::vector<int> route_;
    std::size_t replayed_ = 0;
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
