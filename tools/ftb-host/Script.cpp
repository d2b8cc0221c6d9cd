#include "tools/ftb-host/Script.h"

#include <QKeySequence>
#include <QStringList>
#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "tools/ftb-host/KeyboardCommands.h"

namespace ftb::host {
namespace {

struct Token {
    QString text;
    bool quoted = false;
};

// A problem of one line; ParseScript adds the script and the line.
class ELineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void Refuse(const QString& message) { throw ELineError(message.toStdString()); }

// Splits a line into tokens; returns them and sets `source` to the line without its comment.
std::vector<Token> Tokenize(const QString& line, QString& source) {
    std::vector<Token> tokens;
    qsizetype at = 0;
    const qsizetype size = line.size();
    auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    while (true) {
        while (at < size && blank(line[at])) ++at;
        if (at >= size || line[at] == u'#') break;
        Token token;
        if (line[at] == u'"') {
            token.quoted = true;
            ++at;
            bool closed = false;
            while (at < size) {
                const QChar c = line[at++];
                if (c == u'"') {
                    closed = true;
                    break;
                }
                if (c != u'\\') {
                    token.text += c;
                    continue;
                }
                if (at >= size) break;
                const QChar escaped = line[at++];
                switch (escaped.unicode()) {
                    case u'"':
                        token.text += u'"';
                        break;
                    case u'\\':
                        token.text += u'\\';
                        break;
                    case u'r':
                        token.text += u'\r';
                        break;
                    case u'n':
                        token.text += u'\n';
                        break;
                    case u't':
                        token.text += u'\t';
                        break;
                    default:
                        Refuse(QStringLiteral("unknown escape \\%1 in a text").arg(escaped));
                }
            }
            if (!closed) Refuse(QStringLiteral("a text is not closed with \""));
            if (at < size && !blank(line[at]) && line[at] != u'#')
                Refuse(QStringLiteral("a blank must follow the closing \" of a text"));
        } else {
            while (at < size && !blank(line[at])) {
                if (line[at] == u'"') Refuse(QStringLiteral("a \" inside a word"));
                token.text += line[at++];
            }
        }
        tokens.push_back(std::move(token));
        source = line.left(at).trimmed();
    }
    return tokens;
}

int Number(const Token& token, const QString& what, int least) {
    bool ok = false;
    const int value = token.text.toInt(&ok);
    if (token.quoted || !ok) Refuse(what + QStringLiteral(" must be a number, not ") + token.text);
    if (value < least)
        Refuse(what + QStringLiteral(" must be at least %1, not %2").arg(least).arg(value));
    return value;
}

// The arguments of a command with their count checked.
class Arguments {
  public:
    Arguments(std::vector<Token> tokens, QString usage)
        : tokens_(std::move(tokens)), usage_(std::move(usage)) {}

    void Count(std::size_t least, std::size_t most) const {
        if (tokens_.size() < least || tokens_.size() > most)
            Refuse(QStringLiteral("usage: ") + usage_);
    }
    std::size_t Size() const { return tokens_.size(); }
    const Token& operator[](std::size_t i) const { return tokens_[i]; }
    const QString& Text(std::size_t i) const { return tokens_[i].text; }
    bool IsWord(std::size_t i, const char* word) const {
        return !tokens_[i].quoted && tokens_[i].text == QLatin1String(word);
    }

  private:
    std::vector<Token> tokens_;
    QString usage_;
};

void ParseStart(const Arguments& args, ScriptCommand& command) {
    for (std::size_t i = 0; i < args.Size(); ++i) {
        if (args.IsWord(i, "--key") || args.IsWord(i, "--from")) {
            if (i + 1 >= args.Size()) Refuse(args.Text(i) + QStringLiteral(" needs a value"));
            auto& value = args.IsWord(i, "--key") ? command.key : command.from;
            if (value) Refuse(args.Text(i) + QStringLiteral(" is given twice"));
            value = args.Text(++i);
        } else if (i == 0 && !args[i].quoted) {
            command.screen = Number(args[i], QStringLiteral("the start screen"), 0);
        } else {
            Refuse(QStringLiteral("usage: start [SCREEN] [--key KEY] [--from RETURN.json]"));
        }
    }
}

constexpr std::array kAnswerButtons{"OK", "Yes", "No", "Cancel", "Save"};

void ParseAnswer(const Arguments& args, ScriptCommand& command) {
    args.Count(1, 3);
    command.name = args.Text(0);
    bool known = false;
    for (const char* button : kAnswerButtons) known |= command.name == QLatin1String(button);
    if (!known)
        Refuse(QStringLiteral("the button of an answer is OK, Yes, No, Cancel or Save, not ") +
               command.name);
    command.text = args.Size() > 1 ? args.Text(1) : QStringLiteral("*");
    if (args.Size() > 2) command.part = args.Text(2);
}

void ParseKey(const Arguments& args, ScriptCommand& command) {
    args.Count(2, 2);
    command.name = args.Text(0);
    command.text = args.Text(1);
    const QKeySequence keys = QKeySequence::fromString(command.text, QKeySequence::PortableText);
    bool known = keys.count() > 0;
    for (int i = 0; i < keys.count(); ++i) known &= keys[i].key() != Qt::Key_unknown;
    if (!known) Refuse(QStringLiteral("not a key: ") + command.text);
}

// The grid, column and row of a cell: columns from 0, rows from 1 (row 0 is the title row).
void ParseCellAddress(const Arguments& args, ScriptCommand& command) {
    command.name = args.Text(0);
    command.number = Number(args[1], QStringLiteral("the column"), 0);
    command.row = Number(args[2], QStringLiteral("the row"), 1);
}

void ParseExpectCell(const Arguments& args, ScriptCommand& command) {
    args.Count(4, 4);
    command.kind = CommandKind::ExpectCell;
    ParseCellAddress(args, command);
    command.text = args.Text(3);
}

// The items of a pick list, at least one: a list that offers nothing drops nothing down.
void ParseExpectPicklist(const Arguments& args, ScriptCommand& command) {
    args.Count(4, std::max<std::size_t>(4, args.Size()));
    command.kind = CommandKind::ExpectPicklist;
    ParseCellAddress(args, command);
    for (std::size_t i = 3; i < args.Size(); ++i) command.items.append(args.Text(i));
}

void ParsePress(const Arguments& args, ScriptCommand& command) {
    args.Count(1, 1);
    command.kind = CommandKind::Press;
    command.name = args.Text(0);
}

void ParseExpect(const Arguments& all, ScriptCommand& command) {
    if (all.Size() == 0)
        Refuse(
            QStringLiteral("expect what? (screen, exit, text, visible, "
                           "hidden, enabled, disabled, history, saves, "
                           "cell, picklist, field, focus)"));
    const QString what = all.Text(0);
    std::vector<Token> rest;
    for (std::size_t i = 1; i < all.Size(); ++i) rest.push_back(all[i]);
    struct Simple {
        const char* word;
        CommandKind kind;
    };
    static constexpr Simple kStates[] = {{"visible", CommandKind::ExpectVisible},
                                         {"hidden", CommandKind::ExpectHidden},
                                         {"enabled", CommandKind::ExpectEnabled},
                                         {"disabled", CommandKind::ExpectDisabled}};
    for (const Simple& state : kStates) {
        if (what != QLatin1String(state.word)) continue;
        Arguments args(rest, QStringLiteral("expect ") + what + QStringLiteral(" NAME"));
        args.Count(1, 1);
        command.kind = state.kind;
        command.name = args.Text(0);
        return;
    }
    if (what == QLatin1String("focus")) {
        Arguments args(rest, QStringLiteral("expect focus NAME"));
        args.Count(1, 1);
        command.kind = CommandKind::ExpectFocus;
        command.name = args.Text(0);
    } else if (what == QLatin1String("screen") || what == QLatin1String("exit")) {
        Arguments args(rest, QStringLiteral("expect ") + what + QStringLiteral(" N"));
        args.Count(1, 1);
        command.kind =
            what == QLatin1String("screen") ? CommandKind::ExpectScreen : CommandKind::ExpectExit;
        command.number = Number(args[0], QStringLiteral("the screen number"), 0);
    } else if (what == QLatin1String("saves")) {
        Arguments args(rest, QStringLiteral("expect saves N"));
        args.Count(1, 1);
        command.kind = CommandKind::ExpectSaves;
        command.number = Number(args[0], QStringLiteral("the number of saves"), 0);
    } else if (what == QLatin1String("text")) {
        Arguments args(rest, QStringLiteral("expect text NAME \"TEXT\""));
        args.Count(2, 2);
        command.kind = CommandKind::ExpectText;
        command.name = args.Text(0);
        command.text = args.Text(1);
    } else if (what == QLatin1String("history")) {
        Arguments args(rest, QStringLiteral("expect history N N ..."));
        args.Count(1, rest.size() + 1);
        command.kind = CommandKind::ExpectHistory;
        for (std::size_t i = 0; i < args.Size(); ++i)
            command.numbers.push_back(Number(args[i], QStringLiteral("a screen number"), 0));
    } else if (what == QLatin1String("cell")) {
        ParseExpectCell(Arguments(rest, QStringLiteral("expect cell GRID COL ROW \"TEXT\"")),
                        command);
    } else if (what == QLatin1String("picklist")) {
        ParseExpectPicklist(
            Arguments(rest, QStringLiteral("expect picklist GRID COL ROW \"ITEM\" ...")), command);
    } else if (what == QLatin1String("field")) {
        Arguments args(rest, QStringLiteral("expect field N \"TEXT\" | expect field N empty "
                                            "[in LIST WORKSHEET]"));
        args.Count(2, 5);
        if (args.Size() > 2) {
            if (args.Size() != 5 || !args.IsWord(2, "in")) args.Count(2, 2);
            command.numbers = {Number(args[3], QStringLiteral("the worksheet list"), 1),
                               Number(args[4], QStringLiteral("the worksheet number"), 1)};
        }
        command.kind = CommandKind::ExpectField;
        command.number = Number(args[0], QStringLiteral("the field number"), 1);
        if (command.number > 1999)
            Refuse(QStringLiteral("the field number must be at most 1999, not %1")
                       .arg(command.number));
        command.empty = args.IsWord(1, "empty");
        if (!command.empty) command.text = args.Text(1);
    } else {
        Refuse(QStringLiteral("unknown expectation: ") + what);
    }
}

ScriptCommand ParseCommand(std::vector<Token> tokens) {
    ScriptCommand command;
    const QString word = tokens.front().text;
    if (tokens.front().quoted) Refuse(QStringLiteral("a line starts with a command, not a text"));
    tokens.erase(tokens.begin());
    auto args = [&](const char* usage) { return Arguments(tokens, QLatin1String(usage)); };

    if (word == QLatin1String("start")) {
        command.kind = CommandKind::Start;
        ParseStart(args(""), command);
    } else if (word == QLatin1String("click") || word == QLatin1String("node")) {
        const bool click = word == QLatin1String("click");
        const Arguments a = args(click ? "click NAME" : "node \"TEXT\"");
        a.Count(1, 1);
        command.kind = click ? CommandKind::Click : CommandKind::Node;
        command.name = a.Text(0);
    } else if (word == QLatin1String("type") || word == QLatin1String("list")) {
        const bool type = word == QLatin1String("type");
        const Arguments a = args(type ? "type NAME \"TEXT\"" : "list NAME \"ITEM\"");
        a.Count(2, 2);
        command.kind = type ? CommandKind::Type : CommandKind::List;
        command.name = a.Text(0);
        command.text = a.Text(1);
    } else if (word == QLatin1String("cell") || word == QLatin1String("pick")) {
        const bool cell = word == QLatin1String("cell");
        const Arguments a =
            args(cell ? "cell GRID COL ROW \"TEXT\"" : "pick GRID COL ROW \"ITEM\"");
        a.Count(4, 4);
        command.kind = cell ? CommandKind::Cell : CommandKind::Pick;
        ParseCellAddress(a, command);
        command.text = a.Text(3);
    } else if (word == QLatin1String("press")) {
        ParsePress(args("press NAME"), command);
    } else if (word == QLatin1String("clickon")) {
        const Arguments a = args("clickon NAME");
        a.Count(1, 1);
        command.kind = CommandKind::ClickOn;
        command.name = a.Text(0);
    } else if (word == QLatin1String("key")) {
        command.kind = CommandKind::Key;
        ParseKey(args("key NAME KEYS"), command);
    } else if (word == QLatin1String("keys")) {
        const Arguments a = args("keys \"TEXT\"");
        a.Count(1, 1);
        command.kind = CommandKind::Keys;
        command.text = a.Text(0);
        try {
            ParseKeyNotation(command.text);
        } catch (const std::invalid_argument& error) {
            Refuse(QString::fromStdString(error.what()));
        }
    } else if (word == QLatin1String("answer")) {
        command.kind = CommandKind::Answer;
        ParseAnswer(args("answer BUTTON [\"TITLE\"] [\"PART OF THE TEXT\"]"), command);
    } else if (word == QLatin1String("input")) {
        const Arguments a = args("input \"TEXT\" | input cancel");
        a.Count(1, 1);
        command.kind = CommandKind::Input;
        command.cancel = a.IsWord(0, "cancel");
        if (!command.cancel) command.text = a.Text(0);
    } else if (word == QLatin1String("expect")) {
        ParseExpect(args(""), command);
    } else if (word == QLatin1String("tick")) {
        const Arguments a = args("tick N");
        a.Count(1, 1);
        command.kind = CommandKind::Tick;
        command.number = Number(a[0], QStringLiteral("the number of ticks"), 1);
    } else if (word == QLatin1String("resize")) {
        const Arguments a = args("resize W H");
        a.Count(2, 2);
        command.kind = CommandKind::Resize;
        command.number = Number(a[0], QStringLiteral("the width"), 1);
        command.row = Number(a[1], QStringLiteral("the height"), 1);
    } else if (word == QLatin1String("screenshot")) {
        const Arguments a = args("screenshot FILE.png");
        a.Count(1, 1);
        command.kind = CommandKind::Screenshot;
        command.text = a.Text(0);
    } else if (word == QLatin1String("keep")) {
        const Arguments a = args("keep FILE");
        a.Count(1, 1);
        command.kind = CommandKind::Keep;
        command.text = a.Text(0);
    } else if (word == QLatin1String("quit")) {
        args("quit").Count(0, 0);
        command.kind = CommandKind::Quit;
    } else {
        Refuse(QStringLiteral("unknown command: ") + word);
    }
    return command;
}

// The order in which commands can run.
void CheckOrder(const ScriptCommand& command, bool started, bool quit) {
    const CommandKind kind = command.kind;
    if (kind == CommandKind::Start && started) Refuse(QStringLiteral("the run is already started"));
    const bool beforeStart = kind == CommandKind::Answer || kind == CommandKind::Input;
    if (!started && kind != CommandKind::Start && !beforeStart)
        Refuse(QStringLiteral("the script must start the run first (start)"));
    const bool readsSaved = kind == CommandKind::ExpectField || kind == CommandKind::Keep;
    if (quit && !readsSaved)
        Refuse(QStringLiteral("after quit only expect field and keep can follow"));
    if (!quit && readsSaved)
        Refuse(QStringLiteral("expect field and keep read the saved return: they come after quit"));
}

}  // namespace

bool IsAction(CommandKind kind) {
    switch (kind) {
        case CommandKind::Start:
        case CommandKind::Click:
        case CommandKind::Type:
        case CommandKind::Cell:
        case CommandKind::Pick:
        case CommandKind::Press:
        case CommandKind::ClickOn:
        case CommandKind::ExpectPicklist:
        case CommandKind::Key:
        case CommandKind::Keys:
        case CommandKind::List:
        case CommandKind::Node:
        case CommandKind::Tick:
        case CommandKind::Resize:
        case CommandKind::Quit:
            return true;
        default:
            return false;
    }
}

std::vector<ScriptCommand> ParseScript(const QString& script, const QString& scriptName) {
    std::vector<ScriptCommand> commands;
    bool started = false, quit = false;
    int pendingAnswerLine = 0;  // the first answer or input line still waiting for an action
    const QStringList lines = script.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i) + 1;
        try {
            QString source;
            std::vector<Token> tokens = Tokenize(lines[i], source);
            if (tokens.empty()) continue;
            ScriptCommand command = ParseCommand(std::move(tokens));
            command.line = lineNumber;
            command.source = source;
            CheckOrder(command, started, quit);
            started |= command.kind == CommandKind::Start;
            quit |= command.kind == CommandKind::Quit;
            if (command.kind == CommandKind::Answer || command.kind == CommandKind::Input) {
                if (pendingAnswerLine == 0) pendingAnswerLine = lineNumber;
            } else if (IsAction(command.kind)) {
                pendingAnswerLine = 0;
            }
            commands.push_back(std::move(command));
        } catch (const ELineError& error) {
            throw EScriptError(QStringLiteral("%1:%2: %3")
                                   .arg(scriptName)
                                   .arg(lineNumber)
                                   .arg(QString::fromStdString(error.what()))
                                   .toStdString());
        }
    }
    if (commands.empty())
        throw EScriptError(scriptName.toStdString() + ": the script holds no command");
    if (pendingAnswerLine != 0)
        throw EScriptError(QStringLiteral("%1:%2: no action follows to raise the box it answers")
                               .arg(scriptName)
                               .arg(pendingAnswerLine)
                               .toStdString());
    return commands;
}

}  // namespace ftb::host
