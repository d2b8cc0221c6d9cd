#include "tools/ftb-host/Exploration.h"

#include <algorithm>
#include <cstdio>

namespace ftb::host {
namespace {

std::string Joined(const std::vector<int>& numbers) {
    if (numbers.empty()) return "none";
    std::string text;
    for (int n : numbers) text += (text.empty() ? "" : " ") + std::to_string(n);
    return text;
}

template <typename Set>
std::vector<int> Listed(const Set& numbers) {
    return {numbers.begin(), numbers.end()};
}

std::string Fixed(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

}  // namespace

QString KindName(ExploreFailure::Kind kind) {
    switch (kind) {
        case ExploreFailure::Exception:
            return QStringLiteral("exception");
        case ExploreFailure::EmptyBox:
            return QStringLiteral("empty box");
        case ExploreFailure::CannotLeave:
            return QStringLiteral("screen not left");
        case ExploreFailure::SlowChange:
            return QStringLiteral("slow screen change");
        case ExploreFailure::HostFailure:
            return QStringLiteral("host failure");
    }
    return {};
}

std::vector<int> Exploration::Unreached() const {
    std::vector<int> missing;
    for (int n = kFirstScreen; n <= kLastScreen; ++n)
        if (screens.count(n) == 0) missing.push_back(n);
    return missing;
}

bool Exploration::HasException() const {
    return std::any_of(failures.begin(), failures.end(), [](const ExploreFailure& f) {
        return f.kind == ExploreFailure::Exception || f.kind == ExploreFailure::HostFailure;
    });
}

std::string ReportOf(const Exploration& e, const QStringList& starts, int bound) {
    std::vector<int> reached;
    for (int n : e.screens)
        if (n >= kFirstScreen && n <= kLastScreen) reached.push_back(n);
    std::string report = "explore: from " + starts.join(QStringLiteral(", ")).toStdString() +
                         "\nexplore: " + std::to_string(e.runs) + " runs in " + Fixed(e.seconds) +
                         " s (at most " + std::to_string(bound) + " from each start; " +
                         std::to_string(e.boundedStarts) +
                         " of the starts had routes left at the bound)\n";
    report += "screens reached: " + std::to_string(reached.size()) + " of " +
              std::to_string(kLastScreen - kFirstScreen + 1) + ": " + Joined(reached) + "\n";
    report += "screens not reached: " + Joined(e.Unreached()) + "\n";
    report += "exits reached: " + Joined(Listed(e.exits)) + "\n";
    report += "branches taken per screen:\n";
    for (const auto& [screen, taken] : e.branches) {
        QStringList names(taken.begin(), taken.end());
        report += "  " + std::to_string(screen) + ": " + std::to_string(taken.size()) + ": " +
                  names.join(QStringLiteral("; ")).toStdString() + "\n";
    }
    report += "slow screen changes (over " + Fixed(kSlowChangeMs) + " ms):";
    if (e.slowest.empty()) report += " none";
    for (const auto& [screen, ms] : e.slowest)
        report += " " + std::to_string(screen) + " (" + Fixed(ms) + " ms)";
    report += "\nfailures: " + std::to_string(e.failures.size()) + "\n";
    for (const ExploreFailure& f : e.failures) {
        report += "  " + KindName(f.kind).toStdString() + " at screen " + std::to_string(f.screen) +
                  ": " + f.detail.toStdString();
        if (!f.file.isEmpty()) report += " (replay: " + f.file.toStdString() + ")";
        report += "\n";
    }
    QStringList faults;
    if (e.HasException()) faults.append(QStringLiteral("an exception or a failure of the host"));
    if (!e.Unreached().empty())
        faults.append(QString::number(e.Unreached().size()) +
                      QStringLiteral(" screens not reached"));
    report += faults.isEmpty()
                  ? std::string("explore: OK\n")
                  : "explore: FAILED (" + faults.join(QStringLiteral(", ")).toStdString() + ")\n";
    return report;
}

}  // namespace ftb::host
