#pragma once
// What a person does with the module's controls, done through the real mouse and key handling:
// pressing buttons, typing into entry fields and grid cells, taking items from pick lists,
// clicking lines of list boxes and navigator nodes. Every step fails with EStepFailure when the
// person could not do it.
#include <QKeySequence>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QLineEdit;
class QListWidget;
class QTableWidget;
class QTreeWidget;
class QWidget;

namespace ftb::host {

// A left click where the control takes it (a check box or radio button on its box).
void ClickButton(QAbstractButton* button);
// A click on the middle of the control (a text, say); a disabled control leaves it to the one
// behind it.
void ClickOn(QWidget* control);

// Focuses the entry field as the Tab key does, selects what it holds, types `text` key by key
// over it and leaves with Tab. A multi-line text box keeps the focus (Tab would type into it).
void TypeInto(QWidget* field, const QString& text);

// Focuses the entry field (or a cell's editor) as the Tab key does, selects what it holds and
// types `text` over it key by key, staying in it; returns what it then holds, which tells what
// its key filter let through. LeaveField leaves it with Tab.
QString TypeAndStay(QLineEdit* field, const QString& text);
void LeaveField(QWidget* field);

// Clicks the cell (the title row is row 0) unless it is the current one and returns its
// editor.
QLineEdit* OpenCell(QTableWidget* grid, int col, int row);

// Clicks the cell (the title row is row 0), types `text` over what it holds and leaves the cell
// with Tab.
void TypeIntoCell(QTableWidget* grid, int col, int row, const QString& text);

// Clicks the cell, opens its pick list with Alt+Down and clicks `item` in it.
void PickInCell(QTableWidget* grid, int col, int row, const QString& item);

// Clicks the cell, opens its pick list with Alt+Down and clicks its first or its last item;
// returns the item, or nothing (the list closed with Escape) when the list offers none.
QString PickEndOfList(QTableWidget* grid, int col, int row, bool last);

// Clicks the cell, drops its pick list with Alt+Down, reads the items it offers in order and
// closes it with Escape, leaving the cell as it was.
QStringList PicklistItems(QTableWidget* grid, int col, int row);

// Presses the left mouse button where a click would land and lets it go outside the control,
// so no click follows: what a screen does on the press alone (a box shown before the button is
// checked) is all that happens.
void PressButton(QAbstractButton* button);

// Focuses the control and presses the keys in the control's focus (a grid's editor).
void PressKeys(QWidget* control, const QKeySequence& keys);

// Clicks the line `item` of the list box.
void ClickListLine(QListWidget* list, const QString& item);

// Clicks the node `text` of a tree; EStepFailure when no visible tree shows it.
void ClickNode(const QString& text);

}  // namespace ftb::host
