#pragma once
// TMyGrid, the string grid the data grid is built on: cells of Windows-1252 text addressed by
// (column, row), one fixed title row (row 0, drawn as the header) and no fixed columns, a
// per-column tab-stop flag, and an in-place editor that is always shown on the current cell and
// holds the keyboard focus for the grid. Rows are numbered as the screens number them: row 0 is
// the title row and RowCount includes it, whatever the table underneath counts.
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dialogs.h"

namespace ftb::controls {

class TMyGrid;

// The editor over the current cell. It hands its keys, mouse presses and focus changes to the
// grid, and can show a button at its right edge (a drop-down arrow or an ellipsis).
class TInplaceEdit : public QLineEdit {
    Q_OBJECT

  public:
    enum TButtonKind { bkNone, bkDropDown, bkEllipsis };

    explicit TInplaceEdit(TMyGrid& grid);

    TButtonKind ButtonKind() const { return buttonKind_; }
    void SetButtonKind(TButtonKind kind);
    // The button's area in editor coordinates; empty without a button.
    QRect ButtonRect() const;
    bool OverButton(const QPoint& pos) const { return ButtonRect().contains(pos); }

    // The editor's own handling of a key (caret movement, deletion, clipboard, insertion).
    void DefaultKeyPress(QKeyEvent* event) { QLineEdit::keyPressEvent(event); }
    // The grid is going: the focus the editor loses while the grid's widgets are destroyed is
    // no longer the grid's to handle.
    void DetachFromGrid() { detached_ = true; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    TMyGrid& grid_;
    bool detached_ = false;
    TButtonKind buttonKind_ = bkNone;
};

// The title row: cells in the button-face colour with black text, inset 4 pixels left and right
// and 2 top and bottom, wrapped at words and line breaks, aligned by each column's alignment.
class TTitleRow : public QHeaderView {
    Q_OBJECT

  public:
    explicit TTitleRow(QWidget* parent);

  protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

class TMyGrid : public QTableWidget {
    Q_OBJECT

  public:
    // Every message box of the grid goes through dialogs.
    TMyGrid(QWidget* parent, platform::Dialogs& dialogs);
    ~TMyGrid() override;

    int ColCount() const { return columnCount(); }
    virtual void SetColCount(int count);  // at least 1
    int RowCount() const { return rowCount() + 1; }
    void SetRowCount(int count);  // at least 2: the title row and one data row

    // The text of a cell; row 0 is the title. Cells outside the grid read as empty and are not
    // written.
    std::string Cells(int col, int row) const;
    void SetCells(int col, int row, std::string_view text);

    // The current cell (a data row).
    int Col() const { return col_; }
    int Row() const { return row_; }

    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int height);
    // A width of -1 hides the column.
    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    bool TabStops(int col) const;
    void SetTabStops(int col, bool on);
    int TitleRowHeight() const;
    void SetTitleRowHeight(int height);

    TInplaceEdit& InplaceEditor() { return *editor_; }

    // The editor's events, handled by the grid. Each runs inside the grid's error guard.
    virtual void EditorKeyDown(QKeyEvent* event);
    virtual void EditorKeyUp(QKeyEvent* event);
    virtual void EditorFocusIn(QFocusEvent* event);
    virtual void EditorFocusOut(QFocusEvent* event);
    virtual void EditorMousePress(QMouseEvent* event);
    virtual void EditorMouseRelease(QMouseEvent* event);

    // Runs an event handler so that no exception leaves it: the message goes to an error box.
    void Guarded(const std::function<void()>& handler) noexcept;

  protected:
    platform::Dialogs& Dialogs() { return dialogs_; }

    // Asked before the current cell moves to (col, row); may change the target. The default
    // allows every move.
    virtual bool SelectCell(int& col, int& row);
    // Moves the current cell through SelectCell, as the keys and the mouse do.
    void MoveCurrent(int col, int row);
    // Makes (col, row) current without asking SelectCell; the editor shows its text selected.
    void SetCurrentCell(int col, int row);
    // The grid's movement keys: Tab and Shift+Tab between tab-stop columns (wrapping to the next
    // or previous row, and from the last row to the first), the arrows, Left and Right only with
    // the caret at the edge of the text. True when the key was one of them.
    bool NavigationKey(QKeyEvent* event);

    // Row operations in the grid's numbering; the current cell stays at its position.
    void InsertGridRow(int index);
    void RemoveGridRow(int index);

    void mousePressEvent(QMouseEvent* event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void PlaceEditor();
    void EditorTextChanged(const QString& text);
    QTableWidgetItem* DataItem(int col, int row, bool create);

    platform::Dialogs& dialogs_;
    TInplaceEdit* editor_;
    std::vector<bool> tabStops_;
    int col_ = 0, row_ = 1;
    bool loadingEditor_ = false;
};

}  // namespace ftb::controls
