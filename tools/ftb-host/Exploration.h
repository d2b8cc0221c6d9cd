#pragma once
// What an exploration found, and its report: the screens and exits reached, the branches taken
// on each screen, and the failures, each with the script that replays it.
#include <QString>
#include <QStringList>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace ftb::host {

// The catalogue's screen numbers: every other number is an exit screen number.
inline constexpr int kFirstScreen = 7803;
inline constexpr int kLastScreen = 7859;
// A screen change slower than one frame at 60 Hz is reported.
inline constexpr double kSlowChangeMs = 16.0;

struct ExploreFailure {
    enum Kind { Exception, EmptyBox, CannotLeave, SlowChange, HostFailure } kind = Exception;
    int screen = 0;
    QString detail;
    QStringList script;  // the replay, in --play form
    QString file;        // where the replay was written; empty without --out
};

struct Exploration {
    int runs = 0;
    int boundedStarts = 0;  // starts whose bound ended the exploration with routes left
    double seconds = 0;
    std::set<int> screens;
    std::set<int> exits;
    std::map<int, std::set<QString>> branches;  // per screen, the branches taken there
    std::set<int> left;                         // screens some move left
    std::map<int, double> slowest;              // per screen, its slowest change over the limit
    std::vector<ExploreFailure> failures;

    // The catalogue's screens not reached.
    std::vector<int> Unreached() const;
    bool HasException() const;
};

// The report as printed and written to --out; its last line is "explore: OK", or "explore:
// FAILED (...)" when the exit code is 1.
std::string ReportOf(const Exploration& exploration, const QStringList& starts, int bound);

// "exception", "empty box", ... as the report and the replay's heading name a failure.
QString KindName(ExploreFailure::Kind kind);

}  // namespace ftb::host
