#include "tools/ftbfile/Commands.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QTemporaryDir>
#include <algorithm>
#include <istream>
#include <iterator>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "assessment/Trace.h"
#include "data/Dates.h"
#include "data/Errors.h"
#include "data/FieldStore.h"
#include "data/FileCipher.h"
#include "data/FileSystem.h"
#include "data/MemoryFileSystem.h"
#include "data/TaxFile.h"
#include "data/Win1252.h"
#include "platform/RecordingDialogs.h"
#include "tools/ftbfile/Assess.h"
#include "tools/ftbfile/ConsoleReports.h"
#include "tools/ftbfile/Json.h"
#include "tools/ftbfile/NativeArguments.h"
#include "tools/ftbfile/NumberText.h"
#include "tools/ftbfile/ReadOnlyAlias.h"
#include "tools/ftbfile/ReturnJson.h"

namespace ftb::ftbfile {
namespace {

constexpr int kKeyField = 1;
constexpr std::size_t kMaxKeySource = 255;  // the longest text a field holds
// The name of an input file that means standard input, as command-line tools take it.
constexpr const char* kStandardInput = "-";

// A command line that does not fit the command (exit code 2).
class EUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

const QCommandLineOption& KeyOption() {
    static const QCommandLineOption option(
        QStringList{QStringLiteral("key")},
        QStringLiteral("The key source of the return; its digits make the file key."),
        QStringLiteral("KEY"));
    return option;
}

const QCommandLineOption& ForceOption() {
    static const QCommandLineOption option(QStringList{QStringLiteral("force")},
                                           QStringLiteral("Replace an existing FILE."));
    return option;
}

const QCommandLineOption& JsonOption() {
    static const QCommandLineOption option(
        QStringList{QStringLiteral("json")},
        QStringLiteral("Read the JSON from the file IN (\"-\": standard input, as without "
                       "--json)."),
        QStringLiteral("IN"));
    return option;
}

const QCommandLineOption& JsonFormOption() {
    static const QCommandLineOption option(QStringList{QStringLiteral("json")},
                                           QStringLiteral("Print JSON instead of lines."));
    return option;
}

const QCommandLineOption& TraceOption() {
    static const QCommandLineOption option(
        QStringList{QStringLiteral("trace")},
        QStringLiteral("Print the steps of the family circumstance and dependant tests to "
                       "standard error."));
    return option;
}

const QCommandLineOption& DateOption() {
    static const QCommandLineOption option(
        QStringList{QStringLiteral("date")},
        QStringLiteral("Assess on this date (dd/mm/yyyy); may be given more than once."),
        QStringLiteral("DATE"));
    return option;
}

const QCommandLineOption& HelpOption() {
    static const QCommandLineOption option(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                           QStringLiteral("Show this help."));
    return option;
}

std::string KeyDigits(std::string_view source) {
    std::string digits;
    std::copy_if(source.begin(), source.end(), std::back_inserter(digits),
                 [](char c) { return c >= '0' && c <= '9'; });
    return digits;
}

// A path as the system names it: arguments carry its bytes (see NativeArguments).
std::string NativePath(const QString& path) { return ArgumentBytes(path); }

std::string FileArgument(const QCommandLineParser& parser) {
    return NativePath(parser.positionalArguments().constFirst());
}

// The key source given with --key, as the Windows-1252 text field 1 holds.
std::string KeySourceOption(const QCommandLineParser& parser) {
    if (!parser.isSet(KeyOption())) throw EUsageError("--key KEY is missing");
    auto source = data::Utf8ToWin1252(parser.value(KeyOption()).toStdString());
    if (!source) throw EUsageError("the key source holds a character that Windows-1252 cannot hold");
    if (source->size() > kMaxKeySource)
        throw EUsageError("the key source is longer than 255 characters");
    return *source;
}

// Prints the text of every box the data layer showed; true when there was one.
bool ReportBoxes(const platform::RecordingDialogs& dialogs, const Console& console) {
    for (const platform::MessageBox& box : dialogs.shown) console.err << box.text << '\n';
    return !dialogs.shown.empty();
}

int Flushed(const Console& console) {
    console.out.flush();
    if (console.out) return kExitSuccess;
    console.err << "Cannot write to standard output\n";
    return kExitFailure;
}

// Saves the store at `file` as the module does: the previous file becomes its ".BAK".
int SaveReturn(data::FieldStore& store, const data::ScreenPosition& position,
               const std::string& file, const Console& console) {
    platform::RecordingDialogs dialogs;
    data::TaxFile taxFile(store, data::RealFileSystem(), dialogs);
    taxFile.SetScreen(position.group, position.index);
    taxFile.History() = position.history;
    try {
        taxFile.Save(file);
    } catch (...) {
        ReportBoxes(dialogs, console);
        throw;
    }
    ReportBoxes(dialogs, console);
    return kExitSuccess;
}

// The whole of standard input; a failing read is reported, not taken for its end.
std::string ReadStandardInput(const Console& console) {
    std::string text{std::istreambuf_iterator<char>(console.in), std::istreambuf_iterator<char>()};
    if (console.in.bad()) throw EInOutError("Cannot read standard input");
    return text;
}

std::string ReadWholeFile(const std::string& path) {
    auto file = data::RealFileSystem().OpenRead(path);
    std::string contents(static_cast<std::size_t>(file->Size()), '\0');
    if (file->Read(contents.data(), contents.size()) != contents.size())
        throw EInOutError("Cannot read file \"" + path + "\". " + data::ReasonOf(file->LastError()));
    return contents;
}

// Field 1 holds the key source that Save makes the file key from: --key supplies it when the
// JSON has none, and a key source with other digits would make a file --key cannot open.
void CheckKeySource(data::FieldStore& store, const std::string& keySource) {
    switch (store.GetFieldKind(kKeyField)) {
        case data::fkEmpty: store.SetFieldStr(kKeyField, keySource); return;
        case data::fkShortText:
        case data::fkLongText:
            if (KeyDigits(store.GetFieldStr(kKeyField)) != KeyDigits(keySource))
                throw EJsonError("field 1: the key source has other digits than --key");
            return;
        default: throw EJsonError("field 1: the key source must be an fkShortText or fkLongText");
    }
}

int NewReturn(const QCommandLineParser& parser, const Console& console) {
    const std::string file = FileArgument(parser);
    const std::string keySource = KeySourceOption(parser);
    if (!parser.isSet(ForceOption()) && data::RealFileSystem().Exists(file)) {
        console.err << file << " already exists; add --force to replace it\n";
        return kExitFailure;
    }
    data::FieldStore store;
    store.SetFieldStr(kKeyField, keySource);
    return SaveReturn(store, {}, file, console);
}

// Reads the return at FILE ("-": standard input) into an empty store. It is read through an
// alias in a private folder, so the work file that reading deciphers into never appears beside
// FILE; a return from standard input is read in memory. Nothing when the file failed the
// signature test or holds a damaged record; the boxes that said so are printed.
std::optional<data::ScreenPosition> ReadReturn(const QCommandLineParser& parser,
                                               data::FieldStore& store, const Console& console) {
    const std::string file = FileArgument(parser);
    const std::string keySource = KeySourceOption(parser);
    const bool fromInput = file == kStandardInput;
    const std::string shown = fromInput ? "standard input" : file;
    QTemporaryDir folder;
    if (!folder.isValid())
        throw EInOutError("Cannot make a private folder: " + folder.errorString().toStdString());
    const std::string alias = NativePath(folder.filePath(QStringLiteral("RETURN.TAX")));
    ReadOnlyAlias onDisk(data::RealFileSystem(), file, alias);
    data::MemoryFileSystem inMemory;
    if (fromInput) inMemory.SetContents(alias, ReadStandardInput(console));
    data::FileSystem& fs = fromInput ? static_cast<data::FileSystem&>(inMemory) : onDisk;

    platform::RecordingDialogs dialogs;
    data::TaxFile taxFile(store, fs, dialogs);
    taxFile.SetKeySource(keySource);
    taxFile.SetReadOnly(true);
    // Every message names the file given, not the alias it was read through.
    const auto named = [&](std::string text) {
        for (auto at = text.find(alias); at != std::string::npos;
             at = text.find(alias, at + shown.size()))
            text.replace(at, alias.size(), shown);
        return text;
    };
    auto reportBoxes = [&] {
        for (platform::MessageBox& box : dialogs.shown) box.text = named(box.text);
        return ReportBoxes(dialogs, console);
    };
    try {
        taxFile.Read(alias);
    } catch (const std::exception& error) {
        reportBoxes();
        throw EInOutError(named(error.what()));
    }
    if (reportBoxes()) return std::nullopt;
    return data::ScreenPosition{taxFile.ScreenGroup(), taxFile.ScreenIndex(), taxFile.History()};
}

int DumpReturn(const QCommandLineParser& parser, const Console& console) {
    data::FieldStore store;
    const std::optional<data::ScreenPosition> position = ReadReturn(parser, store, console);
    if (!position) return kExitFailure;
    console.out << ReturnToJson(store, *position);
    return Flushed(console);
}

ReportForm FormOption(const QCommandLineParser& parser) {
    return parser.isSet(JsonFormOption()) ? ReportForm::Json : ReportForm::Lines;
}

// The dates given with --date, in the order given.
std::vector<data::Date> DateOptions(const QCommandLineParser& parser) {
    std::vector<data::Date> dates;
    for (const QString& text : parser.values(DateOption())) {
        const std::optional<data::Date> date = data::ParseDate(text.toStdString());
        if (!date)
            throw EUsageError("--date " + text.toStdString() +
                              ": not a valid date; write it as dd/mm/yyyy");
        dates.push_back(*date);
    }
    return dates;
}

// Runs a report on the return with the trace and the assessment's boxes on standard error.
template <typename Report>
int RunReport(const QCommandLineParser& parser, const Console& console, Report report) {
    data::FieldStore store;
    if (!ReadReturn(parser, store, console)) return kExitFailure;
    ConsoleTrace consoleTrace(console.err);
    assessment::TraceSink& trace =
        parser.isSet(TraceOption()) ? consoleTrace : assessment::NoTrace();
    ConsoleDialogs dialogs(console.err);
    return report(store, trace, dialogs);
}

int CheckReturn(const QCommandLineParser& parser, const Console& console) {
    return RunReport(parser, console, [&](const data::FieldStore& store,
                                          assessment::TraceSink& trace,
                                          platform::Dialogs& dialogs) {
        const bool warnings =
            WriteCompletionReport(store, FormOption(parser), trace, dialogs, console.out);
        const int code = Flushed(console);
        return code == kExitSuccess && warnings ? int{kExitWarnings} : code;
    });
}

int AssessReturn(const QCommandLineParser& parser, const Console& console) {
    const std::vector<data::Date> dates = DateOptions(parser);
    return RunReport(parser, console, [&](const data::FieldStore& store,
                                          assessment::TraceSink& trace,
                                          platform::Dialogs& dialogs) {
        WriteAssessment(store, dates, FormOption(parser), trace, dialogs, console.out);
        return Flushed(console);
    });
}

int LoadReturn(const QCommandLineParser& parser, const Console& console) {
    const std::string file = FileArgument(parser);
    const std::string keySource = KeySourceOption(parser);
    const QString input = parser.value(JsonOption());
    const std::string json = !parser.isSet(JsonOption()) || input == QLatin1String(kStandardInput)
                                 ? ReadStandardInput(console)
                                 : ReadWholeFile(NativePath(input));
    data::FieldStore store;
    data::ScreenPosition position;
    try {
        ReturnFromJson(json, store, position);
        CheckKeySource(store, keySource);
    } catch (const EJsonError& error) {
        console.err << error.what() << '\n' << "Nothing was written to " << file << ".\n";
        return kExitFailure;
    }
    return SaveReturn(store, position, file, console);
}

int PrintFileKey(const QCommandLineParser& parser, const Console& console) {
    const std::string source = parser.positionalArguments().constFirst().toStdString();
    console.out << HexText(data::MakeFileKey(KeyDigits(source))) << '\n';
    return Flushed(console);
}

struct Command {
    QString name;
    QString usage;    // after "ftbfile "
    QString summary;  // in the list of commands
    QString description;
    QStringList positional;  // name, description, name, description, ...
    std::vector<QCommandLineOption> options;
    int (*run)(const QCommandLineParser&, const Console&);
};

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {QStringLiteral("new"), QStringLiteral("new FILE --key KEY [--force]"),
         QStringLiteral("Make a new, empty return."),
         QStringLiteral("Makes a new return at FILE holding only the key source (field 1) and\n"
                        "\"EI\" (field 1300), at screen 0 with no history. An existing FILE is\n"
                        "replaced only with --force and is then kept as its .BAK."),
         {QStringLiteral("FILE"), QStringLiteral("The tax-return file to make.")},
         {KeyOption(), ForceOption()},
         NewReturn},
        {QStringLiteral("dump"), QStringLiteral("dump FILE --key KEY"),
         QStringLiteral("Print a return as JSON."),
         QStringLiteral("Prints the return at FILE as JSON: screen group, index and history, then\n"
                        "every field record in ascending field number. Numbers are exact decimals;\n"
                        "a value that is not a finite number is null, with \"raw\": its 10 bytes\n"
                        "in file order as hex. Nothing is written beside FILE."),
         {QStringLiteral("FILE"),
          QStringLiteral("The tax-return file to read (\"-\": standard input).")},
         {KeyOption()},
         DumpReturn},
        {QStringLiteral("load"), QStringLiteral("load FILE --key KEY [--json IN]"),
         QStringLiteral("Write a return from JSON."),
         QStringLiteral("Writes the return at FILE from JSON in the form dump prints, read from\n"
                        "standard input or from the file IN (\"-\" is standard input too). The\n"
                        "JSON is checked first: input the file cannot hold is refused and\n"
                        "nothing is written. The previous FILE is kept as its .BAK. --key\n"
                        "supplies field 1 when the JSON has none; a field 1 with other digits\n"
                        "is refused."),
         {QStringLiteral("FILE"), QStringLiteral("The tax-return file to write.")},
         {KeyOption(), JsonOption()},
         LoadReturn},
        {QStringLiteral("key"), QStringLiteral("key KEY"),
         QStringLiteral("Print the file key of a key source."),
         QStringLiteral("Prints the 16-byte file key made from the digits of KEY as 32 hex digits."),
         {QStringLiteral("KEY"), QStringLiteral("The key source; only its digits count.")},
         {},
         PrintFileKey},
        {QStringLiteral("check"), QStringLiteral("check FILE --key KEY [--json] [--trace]"),
         QStringLiteral("List what the claim still lacks."),
         QStringLiteral(
             "Runs the completion checks on the return at FILE and prints one line per\n"
             "finding: SCREEN<TAB>WORKSHEET<TAB>MESSAGE, where SCREEN is the screen that\n"
             "fixes it and WORKSHEET the 0-based spouse or dependant worksheet (-1: none).\n"
             "Then one line maintenance-relevant<TAB>INDEX<TAB>NAME for each dependant\n"
             "whose maintenance the interview asks about. --json prints the findings, those\n"
             "dependants and the spouses as one JSON object. Messages the interview would\n"
             "show in a box go to standard error. Exit code 0 when nothing is missing, 3\n"
             "when something is, 1 when FILE cannot be read."),
         {QStringLiteral("FILE"),
          QStringLiteral("The tax-return file to check (\"-\": standard input).")},
         {KeyOption(), JsonFormOption(), TraceOption()},
         CheckReturn},
        {QStringLiteral("assess"),
         QStringLiteral("assess FILE --key KEY [--date DATE]... [--json] [--trace]"),
         QStringLiteral("Print the family circumstance tests on dates."),
         QStringLiteral(
             "Prints the change dates of the return at FILE, then for each --date (every\n"
             "change date when none is given) the claimant test, the partner's spouse\n"
             "worksheet (-1: none), the family ATI, the base-rate and higher income\n"
             "thresholds, the family circumstance test, and for each dependant\n"
             "DATE<TAB>dependant<TAB>INDEX<TAB>NAME<TAB>P0<TAB>P1<TAB>P3: its test for the\n"
             "higher income threshold (0), for maintenance (1) and the day test (3).\n"
             "Amounts are exact decimals. --trace shows the steps of the family\n"
             "circumstance test and of those dependant tests; messages the interview would\n"
             "show in a box go to standard error."),
         {QStringLiteral("FILE"),
          QStringLiteral("The tax-return file to assess (\"-\": standard input).")},
         {KeyOption(), DateOption(), JsonFormOption(), TraceOption()},
         AssessReturn},
    };
    return commands;
}

std::string OverallHelp() {
    std::string help =
        "Usage: ftbfile COMMAND [options]\n"
        "Makes, prints, writes and checks tax-return files.\n\nCommands:\n";
    for (const Command& command : Commands()) {
        help += "  " + command.name.leftJustified(8).toStdString() + command.summary.toStdString() +
                "\n";
    }
    return help + "\nRun 'ftbfile COMMAND --help' for the options of a command.\n";
}

int UsageError(const Command& command, const std::string& what, const Console& console) {
    console.err << what << "\nUsage: ftbfile " << command.usage.toStdString() << "\nRun 'ftbfile "
                << command.name.toStdString() << " --help' for more.\n";
    return kExitUsage;
}

int RunCommand(const Command& command, const QStringList& arguments, const Console& console) {
    QCommandLineParser parser;
    parser.setApplicationDescription(command.description);
    for (const QCommandLineOption& option : command.options) parser.addOption(option);
    parser.addOption(HelpOption());
    for (qsizetype i = 0; i + 1 < command.positional.size(); i += 2)
        parser.addPositionalArgument(command.positional[i], command.positional[i + 1]);

    QStringList rest = arguments.mid(2);
    rest.prepend(arguments.constFirst());
    if (!parser.parse(rest)) return UsageError(command, parser.errorText().toStdString(), console);
    if (parser.isSet(HelpOption())) {
        // Qt's first line names the program by its path; ours names the command.
        const QString help = parser.helpText();
        console.out << "Usage: ftbfile " << command.usage.toStdString() << '\n'
                    << help.mid(help.indexOf(u'\n') + 1).toStdString();
        return Flushed(console);
    }
    const QStringList given = parser.positionalArguments();
    const qsizetype wanted = command.positional.size() / 2;
    if (given.size() < wanted)
        return UsageError(command, command.positional[given.size() * 2].toStdString() + " is missing",
                          console);
    if (given.size() > wanted)
        return UsageError(command, "unexpected argument \"" + given[wanted].toStdString() + "\"",
                          console);
    try {
        return command.run(parser, console);
    } catch (const EUsageError& error) {
        return UsageError(command, error.what(), console);
    }
}

}  // namespace

int RunFtbfile(const QStringList& arguments, const Console& console) {
    try {
        const QString name = arguments.value(1);
        if (name == QStringLiteral("-h") || name == QStringLiteral("--help")) {
            console.out << OverallHelp();
            return Flushed(console);
        }
        for (const Command& command : Commands()) {
            if (command.name == name) return RunCommand(command, arguments, console);
        }
        console.err << (name.isEmpty() ? std::string("a command is missing")
                                       : "unknown command \"" + name.toStdString() + "\"")
                    << "\n" << OverallHelp();
        return kExitUsage;
    } catch (const std::exception& error) {
        console.err << error.what() << '\n';
        return kExitFailure;
    }
}

}  // namespace ftb::ftbfile
