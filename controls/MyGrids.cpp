#include "controls/MyGrids.h"

#include "platform/KeyboardFocus.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>
#include <exception>

#include "platform/KeyboardFocus.h"
#include "platform/QtText.h"

namespace ftb::controls {
namespace {

constexpr int kDefaultColCount = 5;
constexpr int kDefaultRowCount = 5;
constexpr int kDefaultColWidth = 64;
constexpr int kDefaultRowHeight = 20;

}  // namespace

// ---------------------------------------------------------------------------------------------
// TInplaceEdit

TInplaceEdit::TInplaceEdit(TMyGrid& grid) : QLineEdit(grid.viewport()), grid_(grid) {
    setFrame(false);
    setMouseTracking(true);
}

void TInplaceEdit::SetButtonKind(TButtonKind kind) {
    if (kind == buttonKind_) return;
    buttonKind_ = kind;
    const int width = kind == bkNone ? 0 : style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setTextMargins(0, 0, width, 0);
    update();
}

QRect TInplaceEdit::ButtonRect() const {
    if (buttonKind_ == bkNone) return {};
    const int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    return {rect().right() - width + 1, 0, width, height()};
}

bool TInplaceEdit::event(QEvent* event) {
    // Tab moves between the grid's cells; Ctrl+Tab and Ctrl+Shift+Tab leave the grid for the
    // next or the previous control.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && (key->modifiers() & Qt::ControlModifier)) {
            const bool back =
                key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
            platform::FocusBeyond(grid_, !back);
            return true;
        }
        if (tab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TInplaceEdit::keyPressEvent(QKeyEvent* event) {
    grid_.Guarded([&] { grid_.EditorKeyDown(event); });
}

void TInplaceEdit::keyReleaseEvent(QKeyEvent* event) {
    grid_.Guarded([&] { grid_.EditorKeyUp(event); });
}

void TInplaceEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (!detached_) grid_.Guarded([&] { grid_.EditorFocusIn(event); });
}

void TInplaceEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!detached_) grid_.Guarded([&] { grid_.EditorFocusOut(event); });
}

void TInplaceEdit::mousePressEvent(QMouseEvent* event) {
    if (!OverButton(event->position().toPoint())) QLineEdit::mousePressEvent(event);
    grid_.Guarded([&] { grid_.EditorMousePress(event); });
}

void TInplaceEdit::mouseReleaseEvent(QMouseEvent* event) {
    if (!OverButton(event->position().toPoint())) QLineEdit::mouseReleaseEvent(event);
    grid_.Guarded([&] { grid_.EditorMouseRelease(event); });
}

void TInplaceEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    // A double click on the button is not a second click.
    if (!OverButton(event->position().toPoint())) QLineEdit::mouseDoubleClickEvent(event);
}

void TInplaceEdit::mouseMoveEvent(QMouseEvent* event) {
    setCursor(OverButton(event->position().toPoint()) ? Qt::ArrowCursor : Qt::IBeamCursor);
    QLineEdit::mouseMoveEvent(event);
}

void TInplaceEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (buttonKind_ == bkNone) return;
    QPainter painter(this);
    QStyleOptionButton button;
    button.initFrom(this);
    button.rect = ButtonRect();
    button.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &button, &painter, this);
    if (buttonKind_ == bkDropDown) {
        QStyleOption arrow = button;
        arrow.rect = button.rect.adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
    } else {
        painter.setPen(palette().color(QPalette::ButtonText));
        painter.drawText(button.rect, Qt::AlignCenter, QStringLiteral("..."));
    }
}

// ---------------------------------------------------------------------------------------------
// TTitleRow

TTitleRow::TTitleRow(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(false);
    setHighlightSections(false);
}

void TTitleRow::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    painter->save();
    painter->fillRect(rect, palette().color(QPalette::Button));
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());
    const QAbstractItemModel* data = model();
    QString title = data ? data->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    title.replace(QChar(u'\r'), QChar(u'\n'));  // a CR starts a new title line
    const int alignment =
        data ? data->headerData(logicalIndex, Qt::Horizontal, Qt::TextAlignmentRole).toInt() : 0;
    painter->setPen(Qt::black);
    painter->setFont(font());
    painter->drawText(rect.adjusted(4, 2, -4, -2),
                      (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextWordWrap,
                      title);
    painter->restore();
}

// ---------------------------------------------------------------------------------------------
// TMyGrid

TMyGrid::TMyGrid(QWidget* parent, platform::Dialogs& dialogs)
    : QTableWidget(kDefaultRowCount - 1, kDefaultColCount, parent),
      dialogs_(dialogs),
      editor_(new TInplaceEdit(*this)),
      tabStops_(kDefaultColCount, true) {
    setHorizontalHeader(new TTitleRow(this));
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(kDefaultColWidth);
    SetDefaultRowHeight(kDefaultRowHeight);
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setFocusProxy(editor_);
    connect(editor_, &QLineEdit::textChanged, this, &TMyGrid::EditorTextChanged);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { PlaceEditor(); });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this] { PlaceEditor(); });
    SetCurrentCell(0, 1);
}

// The editor keeps the focus until the widgets below the grid are destroyed, which happens
// after the grid has ceased to be one.
TMyGrid::~TMyGrid() { editor_->DetachFromGrid(); }

void TMyGrid::Guarded(const std::function<void()>& handler) noexcept {
    platform::ReportErrors(dialogs_, handler);
}

void TMyGrid::SetColCount(int count) {
    count = std::max(count, 1);
    setColumnCount(count);
    tabStops_.resize(static_cast<std::size_t>(count), true);
    if (col_ >= count) SetCurrentCell(count - 1, row_);
}

void TMyGrid::SetRowCount(int count) {
    count = std::max(count, 2);
    setRowCount(count - 1);
    if (row_ >= count) SetCurrentCell(col_, count - 1);
}

QTableWidgetItem* TMyGrid::DataItem(int col, int row, bool create) {
    QTableWidgetItem* cell = item(row - 1, col);
    if (!cell && create) {
        cell = new QTableWidgetItem;
        setItem(row - 1, col, cell);
    }
    return cell;
}

std::string TMyGrid::Cells(int col, int row) const {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return {};
    const QTableWidgetItem* cell = row == 0 ? horizontalHeaderItem(col) : item(row - 1, col);
    return cell ? platform::ToWin1252(cell->text()) : std::string();
}

void TMyGrid::SetCells(int col, int row, std::string_view text) {
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount()) return;
    const QString qtext = platform::FromWin1252(text);
    if (row == 0) {
        QTableWidgetItem* title = horizontalHeaderItem(col);
        if (!title) {
            title = new QTableWidgetItem;
            setHorizontalHeaderItem(col, title);
        }
        title->setText(qtext);
        return;
    }
    DataItem(col, row, true)->setText(qtext);
    if (col == col_ && row == row_ && editor_->text() != qtext) {
        loadingEditor_ = true;
        editor_->setText(qtext);
        loadingEditor_ = false;
    }
}

void TMyGrid::EditorTextChanged(const QString& text) {
    if (loadingEditor_) return;
    DataItem(col_, row_, true)->setText(text);
}

int TMyGrid::DefaultRowHeight() const { return verticalHeader()->defaultSectionSize(); }

void TMyGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(std::max(height, 1));
    PlaceEditor();
}

int TMyGrid::ColWidths(int col) const {
    if (col < 0 || col >= ColCount()) return 0;
    return isColumnHidden(col) ? -1 : columnWidth(col);
}

void TMyGrid::SetColWidths(int col, int width) {
    if (col < 0 || col >= ColCount()) return;
    setColumnHidden(col, width < 0);
    if (width >= 0) setColumnWidth(col, width);
}

bool TMyGrid::TabStops(int col) const {
    return col >= 0 && col < ColCount() && tabStops_[static_cast<std::size_t>(col)];
}

void TMyGrid::SetTabStops(int col, bool on) {
    if (col >= 0 && col < ColCount()) tabStops_[static_cast<std::size_t>(col)] = on;
}

int TMyGrid::TitleRowHeight() const { return horizontalHeader()->height(); }

void TMyGrid::SetTitleRowHeight(int height) {
    horizontalHeader()->setFixedHeight(std::max(height, 1));
    PlaceEditor();
}

bool TMyGrid::SelectCell(int&, int&) { return true; }

void TMyGrid::MoveCurrent(int col, int row) {
    if (col < 0 || col >= ColCount() || row < 1 || row >= RowCount()) return;
    if (col == col_ && row == row_) return;
    if (!SelectCell(col, row)) return;
    SetCurrentCell(std::clamp(col, 0, ColCount() - 1), std::clamp(row, 1, RowCount() - 1));
}

void TMyGrid::SetCurrentCell(int col, int row) {
    if (col < 0 || col >= ColCount() || row < 1 || row >= RowCount()) return;
    col_ = col;
    row_ = row;
    loadingEditor_ = true;
    editor_->setText(platform::FromWin1252(Cells(col, row)));
    loadingEditor_ = false;
    editor_->selectAll();
    setCurrentCell(row - 1, col, QItemSelectionModel::NoUpdate);
    scrollTo(model()->index(row - 1, col));
    PlaceEditor();
}

void TMyGrid::PlaceEditor() {
    if (row_ < 1 || row_ >= RowCount() || col_ >= ColCount()) {
        editor_->hide();
        return;
    }
    const QRect cell = visualRect(model()->index(row_ - 1, col_));
    editor_->setGeometry(cell.adjusted(0, 0, -1, -1));
    // Until the grid is first shown and laid out every cell is empty; the editor stays shown
    // meanwhile, so that it can take the focus a screen gives the grid as it opens.
    editor_->setVisible(!cell.isEmpty() || !isVisible());
}

void TMyGrid::updateGeometries() {
    QTableWidget::updateGeometries();
    PlaceEditor();
}

void TMyGrid::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    PlaceEditor();
}

void TMyGrid::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    PlaceEditor();
}

void TMyGrid::InsertGridRow(int index) {
    index = std::clamp(index, 1, RowCount());
    insertRow(index - 1);
    SetCurrentCell(col_, row_);
}

void TMyGrid::RemoveGridRow(int index) {
    if (index < 1 || index >= RowCount()) return;
    if (RowCount() == 2) {
        for (int col = 0; col < ColCount(); ++col) SetCells(col, 1, "");
        return;
    }
    removeRow(index - 1);
    SetCurrentCell(col_, std::min(row_, RowCount() - 1));
}

bool TMyGrid::NavigationKey(QKeyEvent* event) {
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    // Left and Right leave the cell from the edge of its text, or when all of it is selected.
    const qsizetype length = editor_->text().size();
    const qsizetype selStart =
        editor_->hasSelectedText() ? editor_->selectionStart() : editor_->cursorPosition();
    const qsizetype selEnd =
        editor_->hasSelectedText() ? editor_->selectionEnd() : editor_->cursorPosition();
    const bool leftSide = selStart == 0 && (selEnd == 0 || selEnd == length);
    const bool rightSide = (selStart == 0 || selStart == selEnd) && selEnd == length;
    switch (event->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            const bool back =
                event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
            int col = col_, row = row_;
            do {
                if (back) {
                    if (--col < 0) {
                        col = lastCol;
                        if (--row < 1) row = lastRow;
                    }
                } else if (++col > lastCol) {
                    col = 0;
                    if (++row > lastRow) row = 1;
                }
            } while (!TabStops(col) && col != col_);
            MoveCurrent(col, row);
            return true;
        }
        case Qt::Key_Up:
            MoveCurrent(col_, std::max(row_ - 1, 1));
            return true;
        case Qt::Key_Down:
            MoveCurrent(col_, std::min(row_ + 1, lastRow));
            return true;
        case Qt::Key_Left:
            if (!leftSide) return false;
            MoveCurrent(std::max(col_ - 1, 0), row_);
            return true;
        case Qt::Key_Right:
            if (!rightSide) return false;
            MoveCurrent(std::min(col_ + 1, lastCol), row_);
            return true;
        default:
            return false;
    }
}

void TMyGrid::EditorKeyDown(QKeyEvent* event) {
    if (!NavigationKey(event)) editor_->DefaultKeyPress(event);
}

void TMyGrid::EditorKeyUp(QKeyEvent*) {}
void TMyGrid::EditorFocusIn(QFocusEvent*) {}
void TMyGrid::EditorFocusOut(QFocusEvent*) {}
void TMyGrid::EditorMousePress(QMouseEvent*) {}
void TMyGrid::EditorMouseRelease(QMouseEvent*) {}

void TMyGrid::mousePressEvent(QMouseEvent* event) {
    Guarded([&] {
        const QModelIndex cell = indexAt(event->position().toPoint());
        if (event->button() != Qt::LeftButton || !cell.isValid()) return;
        editor_->setFocus(Qt::MouseFocusReason);
        MoveCurrent(cell.column(), cell.row() + 1);
    });
}

}  // namespace ftb::controls
