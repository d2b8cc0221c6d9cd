#pragma once
// The floor of the module's start-up figure: a plain Qt main window of content like the first
// screen's (a button bar, a caption, a page of formatted text, the interview's buttons), built
// and shown by Qt alone. --bare-window reports how long it took to its first paint; --timings
// runs it as a fresh process of its own, so both figures pay the same first-use costs.
#include <optional>
#include <string>

namespace ftb::host {

// Builds and shows the window at 860x620, waits for its first paint and closes it; the
// milliseconds from the start of the build to that paint.
double MeasureBareWindow();

// The line --bare-window prints, and the figure read back from it.
std::string BareWindowLine(double milliseconds);
std::optional<double> ParseBareWindowLine(const std::string& output);

// Runs `program --bare-window` with this process's environment; nothing when it fails.
std::optional<double> BareWindowInFreshProcess(const std::string& program);

}  // namespace ftb::host
