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

void ScreenTimings::RunStarts() { startedAt_ = clock_.nsecsElapsed(); }

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
        toFirstScreen_ = {number, ms};
        return;
    }
    changes_[number].push_back(ms);
    if (OnScreenChange) OnScreenChange(number, ms);
}

std::string ScreenTimings::Report() const {
    std::string report;
    if (toFirstScreen_)
        report += "timings: RunFTBModule to the first screen (" +
                  std::to_string(toFirstScreen_->first) +
                  "): " + Milliseconds(toFirstScreen_->second) + "\n";
    for (const auto& [number, times] : changes_) {
        const Spread spread = SpreadOf(times);
        report += "timings: screen " + std::to_string(number) + ": " +
                  std::to_string(times.size()) + (times.size() == 1 ? " change" : " changes") +
                  ", median " + Milliseconds(spread.median) + ", 95th percentile " +
                  Milliseconds(spread.p95) + ", max " + Milliseconds(spread.max) + "\n";
    }
    char memory[64];
    std::snprintf(memory, sizeof memory, "%.1f MiB", static_cast<double>(PeakResidentKiB()) / 1024);
    return report + "timings: peak resident memory " + memory + "\n";
}

}  // namespace ftb::host
