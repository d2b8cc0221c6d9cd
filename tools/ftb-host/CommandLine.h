#pragma once
// The command line of ftb-host: which tax-return file, key source, start screen and window
// geometry the host gives the module, which module it loads, and whether it plays a scenario
// script instead of waiting for a person.
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ftb::host {

// A command line that ftb-host cannot run (exit code 2); the message says what is wrong.
class EUsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The main window's place and size as the host hands them to the module.
struct Geometry {
    int width = 860;
    int height = 620;
    int left = 10;
    int top = 10;

    bool operator==(const Geometry&) const = default;
};

// The key source of a new default return and of a script's start.
inline constexpr const char* kDefaultKeySource = "876543210";
inline constexpr int kDefaultStartScreen = 7803;

// The explorer's runs and moves at the most (per start, and per run).
inline constexpr int kDefaultExploreBound = 300;
inline constexpr int kDefaultExploreDepth = 150;

// A further start of the explorer: the screen and the return (empty: a new, empty return).
struct ExploreStart {
    int screen = kDefaultStartScreen;
    QString from;

    bool operator==(const ExploreStart&) const = default;
};

struct HostOptions {
    bool help = false;
    QString file;  // the tax-return file; made (empty) when it does not exist
    bool fileGiven = false;  // named by --file (its folder must exist), not the default
    QString key = QLatin1String(kDefaultKeySource);  // UTF-8 on the command line
    int screen = kDefaultStartScreen;
    Geometry geometry;
    bool maximised = false;
    QString play;  // the scenario script; empty: a person drives the interview
    bool timings = false;
    QString timingsLog;  // --timings-log: every figure is also appended to this file
    bool bareWindow = false;  // --bare-window: measure the plain Qt window only
    QString module;  // the library to load

    // --explore: walks the interview by itself from --screen on --from (ftbfile's JSON; empty:
    // a new return), and from each further start.
    bool explore = false;
    QString from;
    std::vector<ExploreStart> also;
    int bound = kDefaultExploreBound;
    int depth = kDefaultExploreDepth;
    QString out;  // the folder of the report and the replays; empty: the report only
};

// What the defaults depend on.
struct HostEnvironment {
    QString xdgDataHome;  // $XDG_DATA_HOME, may be empty
    QString home;         // $HOME
    QString moduleDir;    // where the module library is by default (beside ftb-host, or installed)
};

// "WxH+X+Y" with W and H above 0 and X and Y not negative; nothing for any other text.
std::optional<Geometry> ParseGeometry(const QString& text);

// $XDG_DATA_HOME/ftb/RETURN.TAX, or ~/.local/share/ftb/RETURN.TAX when it is not set.
QString DefaultReturnPath(const HostEnvironment& environment);

// The options of a command line (arguments[0] is the program). Raises EUsageError.
HostOptions ParseHostCommandLine(const QStringList& arguments, const HostEnvironment& environment);

// The text of --help.
std::string HostHelp();

}  // namespace ftb::host
