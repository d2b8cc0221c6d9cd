#pragma once
// The scenario scripts of ftb-host --play: one command a line, "#" starts a comment, tokens are
// separated by blanks, and texts in double quotes may hold blanks and the escapes \" \\ \r \n \t.
// The parser checks every line before anything runs, so a mistyped script fails at its line
// without starting the module.
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ftb::host {

// A script that cannot be read or run: the message names the script and the line,
// "SCRIPT:LINE: what is wrong".
class EScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class CommandKind {
    Start,           // start [SCREEN] [--key KEY] [--from RETURN.json]
    Click,           // click NAME
    Type,            // type NAME "TEXT"
    Cell,            // cell GRID COL ROW "TEXT"
    Pick,            // pick GRID COL ROW "ITEM"
    Key,             // key NAME KEYS (up to four, "Ctrl+A, Del")
    Keys,            // keys "TEXT": to whatever has the focus (KeyboardCommands.h)
    List,            // list NAME "ITEM"
    Node,            // node "TEXT"
    Answer,          // answer BUTTON ["TITLE"] ["PART OF THE TEXT"]
    Input,           // input "TEXT" | input cancel
    ExpectScreen,    // expect screen N
    ExpectExit,      // expect exit N
    ExpectText,      // expect text NAME "TEXT"
    ExpectVisible,   // expect visible NAME
    ExpectHidden,    // expect hidden NAME
    ExpectEnabled,   // expect enabled NAME
    ExpectDisabled,  // expect disabled NAME
    ExpectHistory,   // expect history N N ...
    ExpectField,     // expect field N "TEXT" | expect field N empty [in LIST WORKSHEET]
    ExpectSaves,     // expect saves N: the return was written N times since the start
    ExpectFocus,     // expect focus NAME
    ExpectCell,      // expect cell GRID COL ROW "TEXT"
    ExpectPicklist,  // expect picklist GRID COL ROW "ITEM" ...: drops the list, so an action
    Press,           // press NAME: the mouse press alone, no click follows
    ClickOn,         // clickon NAME: a click on the middle of a control, enabled or not
    Tick,            // tick N
    Resize,          // resize W H
    Screenshot,      // screenshot FILE.png
    Quit,            // quit
    Keep,            // keep FILE: after quit, a copy of the saved return
};

struct ScriptCommand {
    CommandKind kind = CommandKind::Quit;
    int line = 0;    // 1-based line of the script
    QString source;  // the command as written, without its comment

    QString name;    // the control, grid, button, list or node the command is about
    QString text;    // the text typed or expected, the item picked, the box title, the file
    QString part;    // answer: the part of the box text it must hold (empty: any)
    int number = 0;  // screen, exit screen, field, column, count or width
    int row = 0;     // cell and pick: the row (the title row is 0); resize: the height
    std::vector<int> numbers;  // expect history
    QStringList items;         // expect picklist: the items in order
    bool cancel = false;       // input cancel
    bool empty = false;        // expect field N empty

    // start
    std::optional<int> screen;
    std::optional<QString> key;
    std::optional<QString> from;
};

// Whether the command is something the person does (the boxes it raises take the queued
// answer and input lines) rather than a check or a queued answer.
bool IsAction(CommandKind kind);

// The commands of a script. `scriptName` is used in the messages. A line that cannot be read,
// a command that does not exist or has the wrong arguments, or commands in an order that
// cannot run (no start first, a second start, an action after quit, expect field before quit,
// answer lines that no action follows) raise EScriptError.
std::vector<ScriptCommand> ParseScript(const QString& script, const QString& scriptName);

}  // namespace ftb::host
