#include "tools/ftb-host/Timings.h"

#include <sys/resource.h>

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace ftb::host {
namespace {

// The screen number the frame around a screen shows.
int ShownNumber(const QWidget* clientPanel) {
    const QWidget* frame = clientPanel->parentWidget();
    const auto* label =
        frame != nullptr ? frame->findChild<QLabel*>(QStringLiteral("Label1")) : nullptr;
    return label != nullptr ? label->text().toInt() : 0;
}

std::string Milliseconds(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f ms", ms);
    return text;
}

std::string SpreadText(std::size_t count, const Spread& spread, const char* noun) {
    return std::to_string(count) + " " + noun + ", median " + Milliseconds(spread.median) +
           ", 95th percentile " + Milliseconds(spread.p95) + ", max " + Milliseconds(spread.max) +
           "\n";
}

}  // namespace

Spread SpreadOf(std::vector<double> milliseconds) {
    if (milliseconds.empty()) return {};
    std::sort(milliseconds.begin(), milliseconds.end());
    const std::size_t n = milliseconds.size();
    Spread spread;
    spread.median =
        n % 2 == 1 ? milliseconds[n / 2] : (milliseconds[n / 2 - 1] + milliseconds[n / 2]) / 2;
    const auto rank = static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(n)));
    spread.p95 = milliseconds[std::max<std::size_t>(rank, 1) - 1];
    spread.max = milliseconds.back();
    return spread;
}

long PeakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;  // KiB on Linux
}

ScreenTimings::ScreenTimings(bool personDriven) : personDriven_(personDriven) {
    clock_.start();
    qApp->installEventFilter(this);
}

ScreenTimings::~ScreenTimings() { qApp->removeEventFilter(this); }

void ScreenTimings::RunStarts() {
    startedAt_ = clock_.nsecsElapsed();
    firstScreen_ = true;
}

void ScreenTimings::CommandStarts() { startedAt_ = clock_.nsecsElapsed(); }

bool ScreenTimings::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (personDriven_ && (type == QEvent::MouseButtonRelease || type == QEvent::KeyPress))
        startedAt_ = clock_.nsecsElapsed();
    if (type == QEvent::Paint && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        const QWidget* parent = widget->parentWidget();
        if (parent != nullptr && parent->objectName() == QLatin1String("ClientPanel") &&
            widget != lastScreen_)
            ScreenPainted(widget);
    }
    return false;
}

void ScreenTimings::ScreenPainted(QWidget* screen) {
    lastScreen_ = screen;
    if (startedAt_ < 0) return;
    const double ms = static_cast<double>(clock_.nsecsElapsed() - startedAt_) / 1e6;
    startedAt_ = -1;
    const int number = ShownNumber(screen->parentWidget());
    if (firstScreen_) {
        firstScreen_ = false;
        toFirstScreen_.emplace_back(number, ms);
        return;
    }
    changes_[number].push_back(ms);
    if (OnScreenChange) OnScreenChange(number, ms);
}

std::string ScreenTimings::Report(std::optional<double> bareWindow) const {
    std::string report;
    if (toFirstScreen_.size() == 1) {
        report += "timings: RunFTBModule to the first screen (" +
                  std::to_string(toFirstScreen_.front().first) +
                  "): " + Milliseconds(toFirstScreen_.front().second) + "\n";
    } else if (!toFirstScreen_.empty()) {
        std::vector<double> starts;
        for (const auto& start : toFirstScreen_) starts.push_back(start.second);
        report += "timings: RunFTBModule to the first screen: " +
                  SpreadText(starts.size(), SpreadOf(starts), "starts");
    }
    if (bareWindow) {
        report += "timings: a bare Qt window of similar content to its first paint: " +
                  Milliseconds(*bareWindow);
        // Against the process's first start, which pays Qt's first-use costs as the bare
        // window does; later starts (of an exploration) are warm.
        if (!toFirstScreen_.empty() && *bareWindow > 0) {
            char ratio[32];
            std::snprintf(ratio, sizeof ratio, "%.2f",
                          toFirstScreen_.front().second / *bareWindow);
            report += std::string(" (the module's first start-up is ") + ratio + " times it)";
        }
        report += "\n";
    }
    for (const auto& [number, times] : changes_) {
        const Spread spread = SpreadOf(times);
        report += "timings: screen " + std::to_string(number) + ": " +
                  SpreadText(times.size(), spread, times.size() == 1 ? "change" : "changes");
    }
    char memory[64];
    std::snprintf(memory, sizeof memory, "%.1f MiB", static_cast<double>(PeakResidentKiB()) / 1024);
    return report + "timings: peak resident memory " + memory + "\n";
}

std::string ScreenTimings::Samples(std::optional<double> bareWindow) const {
    std::string samples;
    const auto sample = [&samples](const char* what, int number, double ms) {
        samples += what;
        if (number != 0) samples += " " + std::to_string(number);
        samples += " " + QString::number(ms, 'f', 3).toStdString() + "\n";
    };
    // The first start of a process pays what Qt does once (fonts, styles); later ones do not.
    for (std::size_t i = 0; i < toFirstScreen_.size(); ++i)
        sample(i == 0 ? "start" : "restart", toFirstScreen_[i].first, toFirstScreen_[i].second);
    for (const auto& [number, times] : changes_)
        for (const double ms : times) sample("change", number, ms);
    if (bareWindow) sample("bare", 0, *bareWindow);
    return samples + "peak " + std::to_string(PeakResidentKiB()) + "\n";
}

}  // namespace ftb::host
