#pragma once
// --timings: how long the module took from RunFTBModule to its first screen, and from each
// command (a script's action, or a person's click or key) to the next screen being painted, per
// screen number; and the peak resident memory of the process.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace ftb::host {

// Median, 95th percentile (nearest rank) and maximum of a set of milliseconds.
struct Spread {
    double median = 0;
    double p95 = 0;
    double max = 0;
};
Spread SpreadOf(std::vector<double> milliseconds);

// The peak resident memory of this process in KiB.
long PeakResidentKiB();

class ScreenTimings : public QObject {
    Q_OBJECT

  public:
    // With `personDriven`, a person's mouse clicks and key presses start the clock.
    explicit ScreenTimings(bool personDriven);
    ~ScreenTimings() override;

    void RunStarts();      // just before RunFTBModule (a run may start several times)
    void CommandStarts();  // just before a script's action

    // The report, one line per figure; with the first paint of a bare Qt window of similar
    // content (`bareWindow`, in ms), also that floor and the module's start-up against it.
    std::string Report(std::optional<double> bareWindow = std::nullopt) const;
    // Every figure taken, one a line ("start SCREEN MS" for the first run, "restart SCREEN MS"
    // for later runs in the same process, "change SCREEN MS", "bare MS", "peak KIB"), for
    // merging the figures of several runs.
    std::string Samples(std::optional<double> bareWindow = std::nullopt) const;

    // Called for every screen change measured (after the first screen): the screen number
    // shown and the milliseconds since the command that led to it.
    std::function<void(int screen, double milliseconds)> OnScreenChange;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ScreenPainted(QWidget* screen);

    bool personDriven_;
    QElapsedTimer clock_;
    qint64 startedAt_ = -1;  // of the clock for the next screen; -1: none pending
    bool firstScreen_ = true;
    QPointer<QWidget> lastScreen_;
    std::vector<std::pair<int, double>> toFirstScreen_;
    std::map<int, std::vector<double>> changes_;
};

}  // namespace ftb::host
