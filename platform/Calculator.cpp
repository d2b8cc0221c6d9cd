#include "platform/Calculator.h"

#include <unistd.h>

#include <QProcess>
#include <QStringList>
#include <cstdlib>
#include <sstream>

namespace ftb::platform {
namespace {

const char* const kDesktopCalculators[] = {"gnome-calculator", "kcalc", "qalculate-qt",
                                           "galculator", "xcalc"};

std::vector<std::string> SplitPath(const char* path) {
    std::vector<std::string> dirs;
    if (path == nullptr) return dirs;
    std::stringstream stream(path);
    std::string dir;
    while (std::getline(stream, dir, ':')) {
        if (!dir.empty()) dirs.push_back(dir);
    }
    return dirs;
}

}  // namespace

std::vector<std::string> CalculatorCandidates(const char* windir, const char* path) {
    std::vector<std::string> candidates;
    if (windir != nullptr && *windir != '\0') {
        std::string root(windir);
        for (const char* sub : {"", "/SYSTEM", "/SYSTEM32"}) {
            candidates.push_back(root + sub + "/CALC.EXE");
        }
    }
    std::vector<std::string> dirs = SplitPath(path);
    for (const char* program : kDesktopCalculators) {
        for (const auto& dir : dirs) candidates.push_back(dir + "/" + program);
    }
    return candidates;
}

std::string FindCalculator(const std::vector<std::string>& candidates,
                           const std::function<bool(const std::string&)>& isExecutable) {
    for (const auto& candidate : candidates) {
        if (isExecutable(candidate)) return candidate;
    }
    return {};
}

std::string LaunchCalculator() {
    std::string found = FindCalculator(
        CalculatorCandidates(std::getenv("WINDIR"), std::getenv("PATH")),
        [](const std::string& file) { return ::access(file.c_str(), X_OK) == 0; });
    if (found.empty()) return {};
    if (!QProcess::startDetached(QString::fromStdString(found), QStringList())) return {};
    return found;
}

}  // namespace ftb::platform
