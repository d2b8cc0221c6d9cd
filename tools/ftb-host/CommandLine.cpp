#include "tools/ftb-host/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>

#include "data/Win1252.h"
#include "tools/ftbfile/NativeArguments.h"

namespace ftb::host {
namespace {

// The longest text the module takes: a length byte and up to 255 characters.
constexpr qsizetype kMaxModuleText = 255;

// The help text is ours (kHelp), so the options carry no descriptions.
QCommandLineOption Option(const char* name, const char* value = nullptr) {
    QCommandLineOption option{QString::fromLatin1(name)};
    if (value != nullptr) option.setValueName(QString::fromLatin1(value));
    return option;
}

const char* const kHelp =
    "Usage: ftb-host [options]\n"
    "Hosts the family tax benefit module as a tax-return program does: loads the library,\n"
    "checks its version, runs the interview on a tax-return file, waits until the module\n"
    "says the interview left it (1131) or was closed (1132), reads the exit screen, frees\n"
    "the module (which saves the return) and unloads it. Prints \"exit screen N, saved OK\"\n"
    "and exits 0, or prints the failure and exits 1.\n"
    "\n"
    "Options:\n"
    "  --file PATH          The tax-return file (default: $XDG_DATA_HOME/ftb/RETURN.TAX);\n"
    "                       a missing file is made as a new, empty return (in a folder\n"
    "                       that exists; only the default's folder is made).\n"
    "  --key TEXT           The key source whose digits make the file key (default 876543210).\n"
    "  --screen N           The screen to start at (default 7803).\n"
    "  --geometry WxH+X+Y   The main window's size and place (default 860x620+10+10).\n"
    "  --maximised          Show the main window maximised.\n"
    "  --play SCRIPT        Play a scenario script instead of waiting for a person.\n"
    "  --timings            Report how long the screens took to appear, the peak memory,\n"
    "                       and the start-up of a bare Qt window in a fresh process.\n"
    "  --timings-log FILE   As --timings, and append every figure taken to FILE, one a line\n"
    "                       (start SCREEN MS, change SCREEN MS, bare MS, peak KIB).\n"
    "  --bare-window        Show a plain Qt window of content like the first screen's and\n"
    "                       report the time to its first paint (the floor of --timings).\n"
    "  --module PATH        The module library (default: libftbmodule.so beside ftb-host,\n"
    "                       else in the library folder of the installation ftb-host is in).\n"
    "  --explore            Walk the interview by itself from --screen (default 7803) on a new\n"
    "                       return, answering every screen with generated answers (each radio\n"
    "                       group's first and last button, filled and cleared fields and table\n"
    "                       rows) and each move, and every box with each of its buttons; each\n"
    "                       run starts afresh and replays its route. Prints the screens and\n"
    "                       exits reached, the branches taken, exceptions, boxes without text,\n"
    "                       screens no move left and screen changes slower than 16 ms; exits 1\n"
    "                       on an exception or a screen of 7803..7859 not reached.\n"
    "  --from RETURN.json   With --explore: start on the return written from ftbfile's JSON.\n"
    "  --also N[:RETURN.json]  With --explore: explore from screen N (on the return) as well;\n"
    "                       may be given several times; the screens reached count together.\n"
    "  --bound RUNS         With --explore: runs at the most from each start (default 300).\n"
    "  --depth MOVES        With --explore: moves at the most in one run (default 150).\n"
    "  --out DIR            With --explore: write report.txt and a replay script NNN-failure.play\n"
    "                       (for --play) of every failure into DIR.\n"
    "  --help               Show this help.\n"
    "\n"
    "A scenario script holds one command a line; # starts a comment; texts go in double\n"
    "quotes with the escapes \\\" \\\\ \\r \\n \\t. Paths are relative to the script's folder.\n"
    "  start [SCREEN] [--key KEY] [--from RETURN.json]\n"
    "                       Start the run (first command; default screen 7803, key 876543210)\n"
    "                       on a new return in a temporary folder, which is also the current\n"
    "                       folder; --from writes the return from ftbfile's JSON first. The\n"
    "                       main window's timer gets its first (2-second) tick, so every tick\n"
    "                       after it is a 60-second one.\n"
    "  click NAME           Press a button, radio button or check box (object name or caption);\n"
    "                       any other control, such as a text, is clicked in its middle.\n"
    "  type NAME \"TEXT\"     Type TEXT over what an entry field holds, then Tab out of it;\n"
    "                       \"\" clears the field.\n"
    "  cell GRID COL ROW \"TEXT\"   Type TEXT over a grid cell (\"\" clears it; row 0 is the title row).\n"
    "  pick GRID COL ROW \"ITEM\"   Take ITEM from the cell's pick list.\n"
    "  press NAME           Press the mouse button on a button, radio button or check box and\n"
    "                       let it go outside it: the press alone, no click follows.\n"
    "  clickon NAME         Click the middle of a control, also a disabled one, whose click\n"
    "                       then reaches the control behind it.\n"
    "  key NAME KEYS        Press keys in a control, for example: key XGrid1 Ctrl+Delete\n"
    "                       (up to four, in quotes: key FileEdit \"Ctrl+A, Del\").\n"
    "  keys \"TEXT\"          Type TEXT into whatever has the focus, as a person does who does\n"
    "                       not point. Each character types itself; other keys go in braces:\n"
    "                       {Tab} {Shift+Tab} {Enter} {Esc} {Space} {Up} {Down} {Left} {Right}\n"
    "                       {Home} {End} {PgUp} {PgDown} {Backspace} {Del} {Ins} {F1}..{F12},\n"
    "                       with modifiers {Alt+N} {Alt+Down} {Ctrl+Tab} {Ctrl+Delete};\n"
    "                       {{} and {}} type the braces. Fails when no control has the focus.\n"
    "  list NAME \"ITEM\"     Click the line ITEM of a list box.\n"
    "  node \"TEXT\"          Click the navigator node TEXT.\n"
    "  answer BUTTON [\"TITLE\"] [\"PART OF THE TEXT\"]\n"
    "                       The next message box must match (\"*\": any title); press BUTTON.\n"
    "  input \"TEXT\" | input cancel   Answer the next input box.\n"
    "  expect screen N | expect exit N | expect history N N ...\n"
    "  expect saves N       The return the run started with was written N times (by Save to\n"
    "                       its name, the autosave or quit); counted after every action and tick.\n"
    "  expect text NAME \"TEXT\"   The control shows TEXT; a marked-up text, or a window's\n"
    "                       caption, holds the words of TEXT.\n"
    "  expect visible|hidden|enabled|disabled NAME\n"
    "  expect focus NAME    The focus is on the control NAME (a grid for its cell editor) and\n"
    "                       its window is the active one.\n"
    "  expect cell GRID COL ROW \"TEXT\"   The grid's cell shows TEXT.\n"
    "  expect picklist GRID COL ROW \"ITEM\" ...\n"
    "                       Click the cell, drop its pick list (the screen builds it as it\n"
    "                       drops down), compare the items it offers, in order, and close it\n"
    "                       with Escape. An action: boxes it raises take the answer lines.\n"
    "  tick N | resize W H | screenshot FILE.png\n"
    "  quit                 End the run as the host does (exit screen, free, unload).\n"
    "  expect field N \"TEXT\" | expect field N empty   After quit: the saved return's field;\n"
    "                       \"in LIST K\" after it reads worksheet K of worksheet list LIST.\n"
    "  keep FILE            After quit: copy the saved return to FILE, for other tools.\n";

int Number(const QString& text, const char* option, const char* what) {
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        throw EUsageError(std::string(option) + " needs " + what + ", not \"" + text.toStdString() +
                          "\"");
    return number;
}

struct ExploreOptions {
    const QCommandLineOption &from, &also, &bound, &depth, &out;
};

void ParseExploration(const QCommandLineParser& parser, const ExploreOptions& o,
                      HostOptions& options) {
    for (const QCommandLineOption* option : {&o.from, &o.also, &o.bound, &o.depth, &o.out}) {
        if (parser.isSet(*option) && !options.explore)
            throw EUsageError("--" + option->names().constFirst().toStdString() +
                              " goes with --explore");
    }
    options.from = parser.value(o.from);
    for (const QString& start : parser.values(o.also)) {
        const qsizetype colon = start.indexOf(u':');
        options.also.push_back({Number(start.left(colon), "--also", "a screen number"),
                                colon < 0 ? QString() : start.mid(colon + 1)});
    }
    if (parser.isSet(o.bound))
        options.bound = Number(parser.value(o.bound), "--bound", "a number of runs");
    if (parser.isSet(o.depth))
        options.depth = Number(parser.value(o.depth), "--depth", "a number of moves");
    if (options.bound < 1 || options.depth < 1)
        throw EUsageError("--bound and --depth need a number above 0");
    options.out = parser.value(o.out);
}

}  // namespace

std::optional<Geometry> ParseGeometry(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d{1,5})x(\\d{1,5})\\+(\\d{1,5})\\+(\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    Geometry geometry{match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(3).toInt(), match.captured(4).toInt()};
    if (geometry.width <= 0 || geometry.height <= 0) return std::nullopt;
    return geometry;
}

QString DefaultReturnPath(const HostEnvironment& environment) {
    const QString data = environment.xdgDataHome.isEmpty()
                             ? QDir(environment.home).filePath(QStringLiteral(".local/share"))
                             : environment.xdgDataHome;
    return QDir(data).filePath(QStringLiteral("ftb/RETURN.TAX"));
}

HostOptions ParseHostCommandLine(const QStringList& arguments, const HostEnvironment& environment) {
    const QCommandLineOption file = Option("file", "PATH");
    const QCommandLineOption key = Option("key", "TEXT");
    const QCommandLineOption screen = Option("screen", "N");
    const QCommandLineOption geometry = Option("geometry", "WxH+X+Y");
    const QCommandLineOption maximised = Option("maximised");
    const QCommandLineOption play = Option("play", "SCRIPT");
    const QCommandLineOption timings = Option("timings");
    const QCommandLineOption timingsLog = Option("timings-log", "FILE");
    const QCommandLineOption bareWindow = Option("bare-window");
    const QCommandLineOption module = Option("module", "PATH");
    const QCommandLineOption help = Option("help");
    const QCommandLineOption explore = Option("explore");
    const QCommandLineOption from = Option("from", "RETURN.json");
    const QCommandLineOption also = Option("also", "N[:RETURN.json]");
    const QCommandLineOption bound = Option("bound", "RUNS");
    const QCommandLineOption depth = Option("depth", "MOVES");
    const QCommandLineOption out = Option("out", "DIR");
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({file, key, screen, geometry, maximised, play, timings, timingsLog,
                       bareWindow, module, help, explore, from, also, bound, depth, out});
    if (!parser.parse(arguments)) throw EUsageError(parser.errorText().toStdString());
    if (!parser.positionalArguments().isEmpty())
        throw EUsageError("unexpected argument \"" +
                          parser.positionalArguments().constFirst().toStdString() + "\"");

    HostOptions options;
    options.help = parser.isSet(help);
    options.play = parser.value(play);
    if (!options.play.isEmpty() &&
        (parser.isSet(file) || parser.isSet(key) || parser.isSet(screen)))
        throw EUsageError(
            "--play makes its own return: the script's start command takes the "
            "start screen and the key, and --file does not apply");
    options.explore = parser.isSet(explore);
    ParseExploration(parser, {from, also, bound, depth, out}, options);
    if (options.explore && (!options.play.isEmpty() || parser.isSet(file)))
        throw EUsageError("--explore makes its own returns: --play and --file do not apply");
    options.fileGiven = parser.isSet(file);
    options.file = options.fileGiven ? parser.value(file) : DefaultReturnPath(environment);
    if (ftbfile::ArgumentBytes(options.file).size() > static_cast<std::size_t>(kMaxModuleText))
        throw EUsageError("the path of the tax-return file is longer than 255 characters");
    if (parser.isSet(key)) options.key = parser.value(key);
    const std::optional<std::string> keyText = data::Utf8ToWin1252(options.key.toStdString());
    if (!keyText)
        throw EUsageError("the key source holds a character that Windows-1252 cannot hold");
    if (keyText->size() > static_cast<std::size_t>(kMaxModuleText))
        throw EUsageError("the key source is longer than 255 characters");
    if (parser.isSet(screen))
        options.screen = Number(parser.value(screen), "--screen", "a screen number");
    if (parser.isSet(geometry)) {
        const std::optional<Geometry> given = ParseGeometry(parser.value(geometry));
        if (!given)
            throw EUsageError("--geometry needs WxH+X+Y (for example 860x620+10+10), not \"" +
                              parser.value(geometry).toStdString() + "\"");
        options.geometry = *given;
    }
    options.maximised = parser.isSet(maximised);
    options.timingsLog = parser.value(timingsLog);
    options.timings = parser.isSet(timings) || parser.isSet(timingsLog);
    options.bareWindow = parser.isSet(bareWindow);
    options.module = parser.isSet(module)
                         ? parser.value(module)
                         : QDir(environment.moduleDir).filePath(QStringLiteral("libftbmodule.so"));
    return options;
}

std::string HostHelp() { return kHelp; }

}  // namespace ftb::host
