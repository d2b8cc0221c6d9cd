#pragma once
// The calculator of the main window's button bar.
#include <functional>
#include <string>
#include <vector>

namespace ftb::platform {

// The places searched, in order: "CALC.EXE" in the Windows directory (WINDIR, when set) and its
// SYSTEM and SYSTEM32 subdirectories, then the desktop calculators in each PATH directory.
std::vector<std::string> CalculatorCandidates(const char* windir, const char* path);

// The first candidate that exists as an executable file; empty when none does.
std::string FindCalculator(const std::vector<std::string>& candidates,
                           const std::function<bool(const std::string&)>& isExecutable);

// Finds the calculator and starts it detached (never through a shell). Returns the path that
// was started, or empty when no calculator was found or it could not be started.
std::string LaunchCalculator();

}  // namespace ftb::platform
