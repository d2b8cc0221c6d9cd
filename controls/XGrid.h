#pragma once
// TXGrid, the editable table of the question screens. Each column follows its specification in
// `Display` (title, kind of value, entry length, allowed characters, range, pick list, flags):
// the grid filters keystrokes per column, checks a cell when the user leaves it, offers a
// drop-down pick list or an ellipsis button, inserts and deletes rows from the keyboard, and
// hands its contents to the screen binding as its text form: one text per cell, row by row, for
// every data row that is not blank.
#include <QColor>
#include <QListWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "controls/MyGrids.h"
#include "controls/core/ColumnSpec.h"
#include "data/Dates.h"
#include "data/FieldStore.h"

namespace ftb::controls {

class TXGrid;

// The pick list shown below (or above) the current cell.
class TPickList : public QListWidget {
    Q_OBJECT

  public:
    explicit TPickList(TXGrid& grid);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    TXGrid& grid_;
};

using TXGridCellEvent = std::function<void(QObject* Sender, int Col, int Row)>;
using TXGriddropdownEvent =
    std::function<void(QObject* Sender, int Col, int Row, data::TextList& Picklist)>;
using TXGridExitCellEvent = std::function<void(QObject* Sender, int Col, int Row, int& ACol,
                                               int& ARow, bool& EnterExitCell)>;
// Key may be set to 0 to consume the key.
using TXGridKeyEvent = std::function<void(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift)>;

class TXGrid : public TMyGrid {
    Q_OBJECT

  public:
    TXGrid(QWidget* parent, platform::Dialogs& dialogs);
    ~TXGrid() override;

    // One column specification per line, the first for column 0. Assigning keeps the lines;
    // `Loaded` (called once the screen description has set every property) parses them.
    const data::TextList& Display() const { return display_; }
    void SetDisplay(data::TextList lines) { display_ = std::move(lines); }
    // Parses the specifications again and takes ShowColHints from ParentShowHint.
    void Loaded();

    void SetColCount(int count) override;  // new columns get their specification

    int TitleLines() const { return titleLines_; }
    void SetTitleLines(int lines);  // the title row becomes TextHeight("W") x lines + 4 high

    bool RowAutoInc = true;    // moving on from the last row appends a row
    bool DoNotDelete = false;  // refuse row deletion
    bool ShowColHints = true;  // the column's hint over the title row
    bool ParentShowHint = true;
    QColor FixedFontColor, FixedColor;  // accepted; title cells keep the button-face colours
    int TempColCount() const { return tempColCount_; }
    void SetTempColCount(int count) {
        if (count > 0) tempColCount_ = count;
    }

    // The texts the hint indexes of the columns name.
    std::function<std::string(int index)> HintResource;
    // The clock of the pick list's search pause, in milliseconds.
    std::function<long long()> MilliClock;

    TXGriddropdownEvent OnPicklistDropdown;  // Sender: the cell editor when the list opens
    TXGridCellEvent OnElippsisclicked;
    TXGridCellEvent OnEnterCell;
    TXGridExitCellEvent OnExitCell;
    TXGridKeyEvent OnKeyDown;
    TXGridKeyEvent OnKeyUp;

    const TColumnSpec& Column(int col) const;  // the default column outside the grid
    const TColumnSpec& CurrentColumn() const { return current_; }
    // The last column whose Calculated flag is off (-1 when every column is calculated).
    int LastEditableColumn() const;

    bool Modified() const { return modified_; }
    void SetModified(bool on) { modified_ = on; }
    long double LastNumber() const { return lastNumber_; }
    std::optional<data::Date> LastDate() const { return lastDate_; }

    // The text form of the contents.
    void SaveToList(data::TextList& list) const;
    // Fills rows 1, 2, ... from groups of ColCount texts (a last, incomplete group leaves the
    // rest of its row empty), appending rows as needed, and empties the rows after them. No list
    // empties every data row.
    void LoadFromList(const data::TextList* list);

    void InsertRow(int index);  // an empty row at index; the rows from there move down
    void DeleteRow(int index);  // the last data row is emptied rather than removed
    // Sorts the data rows by the comma-separated key columns.
    void SortRows(const std::string& keys);
    // Raises OnEnterCell, makes the column current, filters the cell's text to the column's
    // characters and gives the cell the focus, without checking the cell left.
    void GoToCell(int col, int row);
    void SetColumnReadOnly(int col, bool on);
    bool ColumnReadOnly(int col) const;

    // Scales widths, heights, top and font by multiplier / divisor; the left edge stays.
    void ScaleBy(int multiplier, int divisor);

    bool PicklistOpen() const;
    TPickList& PickList() { return *pickList_; }
    // Takes the pick-list item at index into the cell and moves on.
    void TakePicklistItem(int index);

    void EditorKeyDown(QKeyEvent* event) override;
    void EditorKeyUp(QKeyEvent* event) override;
    void EditorFocusIn(QFocusEvent* event) override;
    void EditorFocusOut(QFocusEvent* event) override;
    void EditorMousePress(QMouseEvent* event) override;
    void EditorMouseRelease(QMouseEvent* event) override;

  protected:
    bool SelectCell(int& col, int& row) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ParseColumns(int from);
    void MakeColumnCurrent(int col);
    // A pick-list column of a grid with a drop-down handler: the screen fills its list, also
    // when it leaves it empty (an entry that no row offers), and its cells are checked against it.
    bool ScreenFillsList(int col) const;
    void RaiseDropdown(QObject* sender, int col, int row);
    void FilterCell(int col, int row);
    int NextTabStop(int col) const;
    void AppendRow();

    // The cell check of the current cell; false after a refusal (message shown).
    bool CheckCurrentCell(int& targetCol, int& targetRow);
    // The numeric part of the check; an accepted value is kept and rewritten into the cell.
    bool CheckNumber(const std::string& text);
    bool Refuse(const std::string& message);
    void LeaveGrid();

    void TypeText(const QString& text);
    bool AcceptCharacter(char& c);  // may change the character's case
    void DeleteCurrentRow();

    void OpenPicklist();
    void ClosePicklist();
    void PicklistKey(QKeyEvent* event);
    void SearchPicklist(char c);
    void HighlightCellText();

    void ShowColumnHint(int x);

    data::TextList display_;
    std::vector<TColumnSpec> columns_;
    TColumnSpec current_;
    int titleLines_ = 1;
    int tempColCount_ = 0;
    bool modified_ = false;
    long double lastNumber_ = 0;
    std::optional<data::Date> lastDate_;

    bool inMessage_ = false;  // focus changes while a box is up are not the user's
    bool settingFocus_ = false;
    bool pressedInEditor_ = false;

    TPickList* pickList_;
    std::string search_;
    long long lastSearchKey_ = 0;
};

}  // namespace ftb::controls
