#include "controls/XGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <limits>

#include "controls/TaxEditText.h"
#include "controls/core/IdChecks.h"
#include "platform/Beep.h"
#include "platform/QtText.h"

namespace ftb::controls {
namespace {

using data::TextList;

constexpr std::size_t kMaxSearchText = 32;
constexpr long long kSearchPauseMs = 2000;

const TColumnSpec& DefaultColumn() {
    static const TColumnSpec spec = ParseColumnSpec(kDefaultColumnSpec);
    return spec;
}

bool IsBlankText(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

int Scaled(int value, int multiplier, int divisor) {
    return static_cast<int>(std::lround(static_cast<double>(value) * multiplier / divisor));
}

// A numeric cell after its value passed the check.
std::string NumericCellText(long double value, int decimals) {
    if (decimals > 0 && std::fabs(value) > data::kExplicitZero)
        value = AdjustFraction(value, decimals, true);
    if (std::fabs(value) < data::kExplicitZero) return {};
    return FormatFixed(value, decimals);
}

std::string Lowered(const std::string& text) {
    return platform::ToWin1252(platform::FromWin1252(text).toLower());
}

// Whether sorting must swap two adjacent rows: the first key column whose texts differ decides.
bool ShouldSwap(const TXGrid& grid, const std::vector<int>& keys, const TextList& upper,
                const TextList& lower) {
    for (int key : keys) {
        const std::string& up = upper[static_cast<std::size_t>(key)];
        const std::string& low = lower[static_cast<std::size_t>(key)];
        if (up == low) continue;
        if (low.empty()) return false;
        if (up.empty()) return true;  // empty cells sort last
        switch (grid.Column(key).type) {
            case ctNumeric:
                return TextToNumberDef(up, 0) > TextToNumberDef(low, 0);
            case ctDate: {
                const auto upDate = data::ParseDate(up), lowDate = data::ParseDate(low);
                return upDate && lowDate && *lowDate < *upDate;
            }
            case ctText:
                return Lowered(up) > Lowered(low);
            case ctABN:
            case ctTFN:
                return false;
        }
    }
    return false;
}

// Sets a flag for a scope: a modal box of the grid, or a focus change the grid makes itself,
// whose focus events are not the user's.
class FlagScope {
  public:
    explicit FlagScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = old_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

  private:
    bool& flag_;
    bool old_;
};

// Data cells: text 3 pixels in from the left (numeric columns: from the right), centred
// vertically and wrapped at words; a Button column shows an inactive arrow at the right edge.
class TCellPainter : public QStyledItemDelegate {
  public:
    explicit TCellPainter(TXGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const TColumnSpec& spec = grid_.Column(index.column());
        QRect area = option.rect;
        painter->save();
        if (spec.button) {
            const int width = grid_.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            QStyleOption arrow;
            arrow.rect = QRect(area.right() - width + 1, area.top(), width, area.height())
                             .adjusted(3, 3, -3, -3);
            arrow.palette = option.palette;
            arrow.state = QStyle::State_None;
            grid_.style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter);
            area.setRight(area.right() - width);
        }
        painter->setPen(option.palette.color(QPalette::Text));
        const int horizontal = spec.type == ctNumeric ? Qt::AlignRight : Qt::AlignLeft;
        painter->drawText(area.adjusted(3, 0, -3, 0),
                          horizontal | Qt::AlignVCenter | Qt::TextWordWrap,
                          index.data().toString());
        painter->restore();
    }

  private:
    TXGrid& grid_;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// TPickList

TPickList::TPickList(TXGrid& grid) : QListWidget(&grid), grid_(grid) {
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
}

void TPickList::mouseReleaseEvent(QMouseEvent* event) {
    QListWidget::mouseReleaseEvent(event);
    grid_.Guarded([&] {
        if (event->button() != Qt::LeftButton) return;
        if (const QListWidgetItem* under = itemAt(event->position().toPoint()))
            grid_.TakePicklistItem(row(under));
    });
}

// ---------------------------------------------------------------------------------------------
// TXGrid: construction and column specifications

TXGrid::TXGrid(QWidget* parent, platform::Dialogs& dialogs)
    : TMyGrid(parent, dialogs), pickList_(new TPickList(*this)) {
    MilliClock = [] {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    };
    setItemDelegate(new TCellPainter(*this));
    horizontalHeader()->setMouseTracking(true);
    horizontalHeader()->viewport()->setMouseTracking(true);
    horizontalHeader()->viewport()->installEventFilter(this);
    ParseColumns(0);
    SetTitleLines(1);
    MakeColumnCurrent(Col());
}

TXGrid::~TXGrid() { qApp->removeEventFilter(this); }

void TXGrid::Loaded() {
    ParseColumns(0);
    ShowColHints = ParentShowHint;
    MakeColumnCurrent(Col());
}

void TXGrid::ParseColumns(int from) {
    columns_.resize(static_cast<std::size_t>(ColCount()));
    for (int col = std::max(from, 0); col < ColCount(); ++col) {
        const auto index = static_cast<std::size_t>(col);
        TColumnSpec spec = ParseColumnSpec(
            index < display_.size() ? std::string_view(display_[index]) : kDefaultColumnSpec);
        SetCells(col, 0, spec.title);
        static constexpr Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignRight,
                                                        Qt::AlignHCenter};
        horizontalHeaderItem(col)->setTextAlignment(kAlignments[spec.titleAlignment]);
        SetTabStops(col, !spec.calculated);
        columns_[index] = std::move(spec);
    }
}

void TXGrid::SetColCount(int count) {
    const int before = ColCount();
    TMyGrid::SetColCount(count);
    ParseColumns(before);
    MakeColumnCurrent(Col());
}

const TColumnSpec& TXGrid::Column(int col) const {
    if (col < 0 || static_cast<std::size_t>(col) >= columns_.size()) return DefaultColumn();
    return columns_[static_cast<std::size_t>(col)];
}

int TXGrid::LastEditableColumn() const {
    for (int col = ColCount() - 1; col >= 0; --col)
        if (!Column(col).calculated) return col;
    return -1;
}

void TXGrid::SetTitleLines(int lines) {
    titleLines_ = std::clamp(lines, 0, 255);
    SetTitleRowHeight(QFontMetrics(font()).height() * titleLines_ + 4);
}

void TXGrid::SetColumnReadOnly(int col, bool on) {
    if (col < 0 || col >= ColCount()) return;
    columns_[static_cast<std::size_t>(col)].readOnly = on;
    if (col == Col()) MakeColumnCurrent(col);
}

bool TXGrid::ColumnReadOnly(int col) const { return Column(col).readOnly; }

void TXGrid::MakeColumnCurrent(int col) {
    current_ = Column(col);
    TInplaceEdit& editor = InplaceEditor();
    editor.setReadOnly(current_.calculated || current_.readOnly);
    editor.setContextMenuPolicy(current_.readOnly ? Qt::NoContextMenu : Qt::DefaultContextMenu);
    editor.SetButtonKind(current_.IsPicklistColumn()   ? TInplaceEdit::bkDropDown
                         : current_.IsEllipsisColumn() ? TInplaceEdit::bkEllipsis
                                                       : TInplaceEdit::bkNone);
}

void TXGrid::ScaleBy(int multiplier, int divisor) {
    if (multiplier <= 0 || divisor <= 0) return;
    const int lineHeight = QFontMetrics(font()).height();
    for (int col = 0; col < ColCount(); ++col) {
        const int width = ColWidths(col);
        if (width != -1) SetColWidths(col, Scaled(width, multiplier, divisor));
    }
    SetDefaultRowHeight(Scaled(DefaultRowHeight(), multiplier, divisor));
    const QRect bounds = geometry();
    setGeometry(bounds.x(), Scaled(bounds.y(), multiplier, divisor),
                Scaled(bounds.width(), multiplier, divisor),
                Scaled(bounds.height(), multiplier, divisor));
    QFont scaled = font();
    if (scaled.pointSize() > 0)
        scaled.setPointSize(std::max(1, Scaled(scaled.pointSize(), multiplier, divisor)));
    else
        scaled.setPixelSize(std::max(1, Scaled(scaled.pixelSize(), multiplier, divisor)));
    setFont(scaled);
    SetTitleRowHeight((Scaled(lineHeight, multiplier, divisor) + 4) * titleLines_);
}

// ---------------------------------------------------------------------------------------------
// Text form, rows and sorting

void TXGrid::SaveToList(TextList& list) const {
    list.clear();
    for (int row = 1; row < RowCount(); ++row) {
        TextList cells;
        bool blank = true;
        for (int col = 0; col < ColCount(); ++col) {
            cells.push_back(Cells(col, row));
            blank = blank && IsBlankText(cells.back());
        }
        if (!blank) list.insert(list.end(), cells.begin(), cells.end());
    }
}

void TXGrid::LoadFromList(const TextList* list) {
    const auto width = static_cast<std::size_t>(ColCount());
    int row = 1;
    if (list) {
        for (std::size_t first = 0; first < list->size(); first += width, ++row) {
            if (row >= RowCount()) SetRowCount(row + 1);
            for (std::size_t col = 0; col < width; ++col) {
                const std::size_t at = first + col;
                SetCells(static_cast<int>(col), row,
                         at < list->size() ? (*list)[at] : std::string());
            }
        }
    }
    for (; row < RowCount(); ++row)
        for (int col = 0; col < ColCount(); ++col) SetCells(col, row, "");
}

void TXGrid::InsertRow(int index) {
    ClosePicklist();
    InsertGridRow(index);
    modified_ = true;
}

void TXGrid::DeleteRow(int index) {
    if (index < 1 || index >= RowCount()) return;
    ClosePicklist();
    RemoveGridRow(index);
    modified_ = true;
}

void TXGrid::AppendRow() { SetRowCount(RowCount() + 1); }

void TXGrid::SortRows(const std::string& keys) {
    std::vector<int> keyColumns;
    for (const std::string& part : SplitText(keys, ',')) {
        const std::size_t start = std::min(part.find_first_not_of(' '), part.size());
        int col = -1;
        const auto read = std::from_chars(part.data() + start, part.data() + part.size(), col);
        if (read.ec == std::errc() && col >= 0 && col < ColCount()) keyColumns.push_back(col);
    }
    TextList form;
    SaveToList(form);
    const auto width = static_cast<std::size_t>(ColCount());
    std::vector<TextList> rows;
    for (std::size_t first = 0; first < form.size(); first += width)
        rows.emplace_back(form.begin() + static_cast<std::ptrdiff_t>(first),
                          form.begin() + static_cast<std::ptrdiff_t>(first + width));
    // Passes of adjacent swaps until one swaps nothing; a row never needs more passes than there
    // are rows, which also bounds the passes should the comparison not be a consistent order.
    for (std::size_t pass = 0; pass <= rows.size(); ++pass) {
        bool swapped = false;
        for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
            if (ShouldSwap(*this, keyColumns, rows[i], rows[i + 1])) {
                std::swap(rows[i], rows[i + 1]);
                swapped = true;
            }
        }
        if (!swapped) break;
    }
    form.clear();
    for (const TextList& row : rows) form.insert(form.end(), row.begin(), row.end());
    LoadFromList(&form);
}

// ---------------------------------------------------------------------------------------------
// Moving between cells and the cell check

int TXGrid::NextTabStop(int col) const {
    for (int step = 0; step < ColCount(); ++step) {
        const int candidate = (col + step) % ColCount();
        if (TabStops(candidate)) return candidate;
    }
    return col;  // no column is a tab stop
}

bool TXGrid::ScreenFillsList(int col) const {
    return OnPicklistDropdown && Column(col).buttonStyle == bsPicklist;
}

void TXGrid::RaiseDropdown(QObject* sender, int col, int row) {
    TextList items = Column(col).items;
    OnPicklistDropdown(sender, col, row, items);
    if (col >= 0 && col < ColCount()) columns_[static_cast<std::size_t>(col)].items = items;
    current_.items = std::move(items);
}

void TXGrid::FilterCell(int col, int row) {
    const CharSet& allowed = Column(col).allowed;
    if (allowed.none()) return;
    const std::string text = Cells(col, row);
    const std::string filtered = FilterChars(text, allowed);
    if (filtered != text) SetCells(col, row, filtered);
}

void TXGrid::GoToCell(int col, int row) {
    if (col < 0 || col >= ColCount() || row < 1 || row >= RowCount()) return;
    if (OnEnterCell) OnEnterCell(this, col, row);
    MakeColumnCurrent(col);
    FilterCell(col, row);
    SetCurrentCell(col, row);
    FlagScope focusing(settingFocus_);
    InplaceEditor().setFocus(Qt::OtherFocusReason);
}

bool TXGrid::SelectCell(int& col, int& row) {
    ClosePicklist();
    if (!CheckCurrentCell(col, row)) return false;
    col = std::clamp(col, 0, ColCount() - 1);
    row = std::clamp(row, 1, RowCount() - 1);
    if (OnEnterCell) OnEnterCell(this, col, row);
    col = NextTabStop(col);
    MakeColumnCurrent(col);
    if (ScreenFillsList(col)) RaiseDropdown(this, col, row);
    FilterCell(col, row);
    return true;
}

bool TXGrid::Refuse(const std::string& message) {
    platform::Beep();
    FlagScope box(inMessage_);
    Dialogs().Error(message);
    return false;
}

bool TXGrid::CheckCurrentCell(int& targetCol, int& targetRow) {
    const int col = Col(), row = Row();
    const bool screenList = ScreenFillsList(col);
    if (screenList) RaiseDropdown(this, col, row);
    const std::string text = Cells(col, row);
    // A list the screen fills holds the cell to what it offers at this row, even to nothing.
    if ((screenList || current_.ChecksPicklist()) && !text.empty()) {
        const auto length = static_cast<std::size_t>(current_.maxLength);
        const bool listed =
            std::any_of(current_.items.begin(), current_.items.end(),
                        [&](const std::string& item) { return item.substr(0, length) == text; });
        if (!listed) return Refuse("Entry must match one of the picklist entries");
    }
    if (!text.empty()) {
        switch (current_.type) {
            case ctText:
                break;
            case ctABN:
                if (!IsValidABN(text)) return Refuse("Invalid Australian Business Number (ABN)");
                SetCells(col, row, FormatABN(text));
                break;
            case ctTFN:
                if (!IsValidTFN(text)) return Refuse("Invalid Tax File Number (TFN)");
                SetCells(col, row, FormatTFN(text));
                break;
            case ctDate: {
                const auto date = data::ParseDate(data::ExpandDigitDate(text).value_or(text));
                if (!date) return Refuse("Enter date in dd/mm/yyyy format");
                lastDate_ = date;
                SetCells(col, row, data::DayNumber(*date) <= 0 ? "" : data::FormatDate(*date));
                break;
            }
            case ctNumeric:
                if (!CheckNumber(text)) return false;
                break;
        }
    }
    bool enterExitCell = true;
    if (OnExitCell) OnExitCell(this, col, row, targetCol, targetRow, enterExitCell);
    return enterExitCell;
}

bool TXGrid::CheckNumber(const std::string& text) {
    const long double low = current_.minValue, high = current_.maxValue;
    if (current_.HasRange()) {
        const long double value = TextToNumberDef(text, 0);
        if (value < low || value > high) {
            return Refuse("Value must be between " + FormatGeneral(low) + " and " +
                          FormatGeneral(high));
        }
    }
    const std::string filtered = FilterChars(text, current_.allowed);
    long double value = 0;
    if (!filtered.empty()) {
        value = TextToNumberDef(filtered, std::numeric_limits<long double>::quiet_NaN());
        if (std::isnan(value)) {
            Refuse(text +
                   " is an invalid numeric entry. Please re-enter amount before continuing.");
            SetCells(Col(), Row(), "");
            return false;
        }
    }
    if (std::fabs(value) <= data::kExplicitZero) value = data::kExplicitZero;
    // Equal bounds mean no range, for this check as for the first.
    if (current_.HasRange() && (value < low || value > high))
        return Refuse("Invalid numeric entry");
    lastNumber_ = value;
    SetCells(Col(), Row(), NumericCellText(value, current_.decimals));
    return true;
}

void TXGrid::LeaveGrid() {
    int col = 0, row = 0;
    if (!CheckCurrentCell(col, row)) SetCells(Col(), Row(), "");
}

// ---------------------------------------------------------------------------------------------
// Focus and mouse

void TXGrid::EditorFocusIn(QFocusEvent* event) {
    if (inMessage_ || settingFocus_) return;
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    GoToCell(NextTabStop(0), 1);
}

void TXGrid::EditorFocusOut(QFocusEvent* event) {
    if (inMessage_ || settingFocus_) return;
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    ClosePicklist();
    const QWidget* next = QApplication::focusWidget();
    if (next && (next == this || isAncestorOf(next))) return;
    LeaveGrid();
}

void TXGrid::EditorMousePress(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressedInEditor_ = true;
    if (!current_.IsPicklistColumn()) return;
    if (PicklistOpen())
        ClosePicklist();
    else
        OpenPicklist();
}

void TXGrid::EditorMouseRelease(QMouseEvent* event) {
    const bool pressed = std::exchange(pressedInEditor_, false);
    if (event->button() == Qt::LeftButton && pressed && current_.IsEllipsisColumn() &&
        InplaceEditor().OverButton(event->position().toPoint()) && OnElippsisclicked)
        OnElippsisclicked(this, Col(), Row());
}

bool TXGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == horizontalHeader()->viewport() && event->type() == QEvent::MouseMove) {
        const int x = static_cast<QMouseEvent*>(event)->position().toPoint().x();
        Guarded([&] { ShowColumnHint(x); });
    } else if (event->type() == QEvent::MouseButtonPress && PicklistOpen()) {
        // A press anywhere but in the list or the editor closes the list unchanged.
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (widget && widget != &InplaceEditor() && widget != pickList_ &&
            !pickList_->isAncestorOf(widget))
            Guarded([&] { ClosePicklist(); });
    }
    return TMyGrid::eventFilter(watched, event);
}

void TXGrid::ShowColumnHint(int x) {
    if (!ShowColHints) return;
    const int col = horizontalHeader()->logicalIndexAt(x);
    if (col < 0) return;
    const std::string hint = HintResource ? HintResource(Column(col).hintIndex) : std::string();
    horizontalHeader()->setToolTip(platform::FromWin1252(hint));
}

// ---------------------------------------------------------------------------------------------
// Keys and typing

void TXGrid::EditorKeyUp(QKeyEvent* event) {
    int key = event->key();
    if (OnKeyUp) OnKeyUp(this, key, event->modifiers());
}

void TXGrid::EditorKeyDown(QKeyEvent* event) {
    int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (OnKeyDown) {
        OnKeyDown(this, key, modifiers);
        if (key == 0) return;
    }
    if (PicklistOpen()) {
        PicklistKey(event);
        return;
    }
    const bool ctrl = modifiers & Qt::ControlModifier, alt = modifiers & Qt::AltModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool lastRow = Row() == RowCount() - 1;
    const bool editable = !current_.calculated && !current_.readOnly;
    switch (event->key()) {
        case Qt::Key_Tab:
            if (!shift && RowAutoInc && lastRow && Col() == LastEditableColumn()) AppendRow();
            break;
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (alt && current_.IsPicklistColumn()) {
                OpenPicklist();
                return;
            }
            if (event->key() == Qt::Key_Down && !alt && RowAutoInc && lastRow) AppendRow();
            break;
        case Qt::Key_F4:  // the desktop's other key for opening a drop-down list
            if (current_.IsPicklistColumn()) {
                OpenPicklist();
                return;
            }
            break;
        case Qt::Key_Insert:
            if (ctrl) {
                InsertRow(Row());
                return;
            }
            modified_ = true;
            break;
        case Qt::Key_Delete:
            if (ctrl) {
                DeleteCurrentRow();
                return;
            }
            break;
        case Qt::Key_Backspace:
            modified_ = true;
            if (current_.button && editable) {
                InplaceEditor().clear();
                return;
            }
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (ctrl && current_.IsEllipsisColumn()) {
                if (OnElippsisclicked) OnElippsisclicked(this, Col(), Row());
                return;
            }
            break;
        default:
            break;
    }
    if (NavigationKey(event)) return;
    const QString text = event->text();
    const bool typed = !text.isEmpty() &&
                       std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
    if (typed)
        TypeText(text);
    else
        InplaceEditor().DefaultKeyPress(event);
}

void TXGrid::TypeText(const QString& text) {
    for (QChar typed : text) {
        if (current_.calculated || current_.readOnly) continue;  // silently
        // A character the return's texts cannot hold is refused, never stored as "?".
        if (!platform::IsWin1252Text(QString(typed))) {
            platform::Beep();
            continue;
        }
        char c = platform::ToWin1252(QString(typed)).front();
        if (!AcceptCharacter(c)) {
            platform::Beep();
            continue;
        }
        InplaceEditor().insert(platform::FromWin1252(std::string_view(&c, 1)));
        modified_ = true;
    }
}

bool TXGrid::AcceptCharacter(char& c) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 1 && code <= 32) return true;  // control characters and the space
    TInplaceEdit& editor = InplaceEditor();
    const std::string text = platform::ToWin1252(editor.text());
    const bool numeric = current_.type == ctNumeric;
    std::size_t limit = static_cast<std::size_t>(current_.maxLength);
    if (numeric && text.find(kDecimalSeparator) != std::string::npos) ++limit;
    if (numeric && text.find('-') != std::string::npos) ++limit;
    if (text.size() >= limit && !editor.hasSelectedText()) return false;
    switch (current_.type) {
        case ctNumeric:
            if (!current_.allowed.test(code)) return false;
            return !((c == '-' || c == kDecimalSeparator) && text.find(c) != std::string::npos);
        case ctDate:
            return current_.allowed.test(code);
        case ctText:
            if (current_.charCase != ccNormal) {
                const QString one = platform::FromWin1252(std::string_view(&c, 1));
                const std::string cased = platform::ToWin1252(
                    current_.charCase == ccUpper ? one.toUpper() : one.toLower());
                if (cased.size() == 1) c = cased[0];
            }
            [[fallthrough]];
        case ctABN:
        case ctTFN:
            return current_.allowed.none() || current_.allowed.test(static_cast<unsigned char>(c));
    }
    return false;
}

void TXGrid::DeleteCurrentRow() {
    FlagScope box(inMessage_);
    if (DoNotDelete) {
        Dialogs().Error("Row deletion not allowed on this grid");
        return;
    }
    if (RowCount() <= 1) return;
    if (!Dialogs().OkCancel("Confirm", "Are you sure you want to delete this row?")) return;
    const int row = Row();
    if (RowCount() == 2) InsertRow(row + 1);
    DeleteRow(row);
    modified_ = true;
}

// ---------------------------------------------------------------------------------------------
// Pick list

bool TXGrid::PicklistOpen() const { return pickList_->isVisible(); }

void TXGrid::OpenPicklist() {
    TInplaceEdit& editor = InplaceEditor();
    if (OnPicklistDropdown) RaiseDropdown(&editor, Col(), Row());
    if (current_.items.empty()) return;
    pickList_->clear();
    const QFontMetrics metrics(pickList_->font());
    int widest = 0;
    for (const std::string& item : current_.items) {
        const QString text = platform::FromWin1252(item);
        pickList_->addItem(text);
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    const int count = static_cast<int>(current_.items.size());
    const int rows = std::clamp(current_.dropdownRows, 1, count);
    const int height = rows * pickList_->sizeHintForRow(0) + 2 * pickList_->frameWidth();
    const int width = std::max(editor.width(), widest + 10);
    QPoint at = editor.mapToGlobal(QPoint(0, editor.height()));
    if (const QScreen* screen = editor.screen();
        screen && at.y() + height > screen->geometry().bottom())
        at = editor.mapToGlobal(QPoint(0, 0)) - QPoint(0, height);
    pickList_->setGeometry(at.x(), at.y(), width, height);
    HighlightCellText();
    search_.clear();
    pickList_->show();
    qApp->installEventFilter(this);
}

void TXGrid::ClosePicklist() {
    if (!PicklistOpen()) return;
    pickList_->hide();
    qApp->removeEventFilter(this);
    search_.clear();
}

void TXGrid::HighlightCellText() {
    const std::string text = Cells(Col(), Row());
    int highlighted = -1;
    if (!text.empty())
        for (std::size_t i = 0; i < current_.items.size(); ++i)
            if (current_.items[i].compare(0, text.size(), text) == 0)
                highlighted = static_cast<int>(i);
    pickList_->setCurrentRow(highlighted);
}

void TXGrid::TakePicklistItem(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= current_.items.size()) return;
    const std::string text = current_.items[static_cast<std::size_t>(index)].substr(
        0, static_cast<std::size_t>(current_.maxLength));
    ClosePicklist();
    SetCells(Col(), Row(), text);
    modified_ = true;
    int col = Col() + 1, row = Row();
    if (col >= ColCount()) {
        col = 0;
        if (row == RowCount() - 1) AppendRow();
        ++row;
    }
    MoveCurrent(col, row);
}

void TXGrid::PicklistKey(QKeyEvent* event) {
    const bool alt = event->modifiers() & Qt::AltModifier;
    const int last = pickList_->count() - 1;
    const int at = pickList_->currentRow();
    switch (event->key()) {
        case Qt::Key_Down:
        case Qt::Key_Up:
            if (!alt) {
                const int step = event->key() == Qt::Key_Down ? 1 : -1;
                pickList_->setCurrentRow(std::clamp(at + step, 0, last));
                return;
            }
            [[fallthrough]];
        case Qt::Key_F4:  // closes the list as Alt+Down does
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (at >= 0)
                TakePicklistItem(at);
            else
                ClosePicklist();
            return;
        case Qt::Key_Escape:
            ClosePicklist();
            return;
        case Qt::Key_Backspace:
            search_.clear();
            return;
        default:
            break;
    }
    const QString text = event->text();
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); }))
        for (char c : platform::ToWin1252(text)) SearchPicklist(c);
}

void TXGrid::SearchPicklist(char c) {
    const long long now = MilliClock ? MilliClock() : 0;
    if (now - lastSearchKey_ > kSearchPauseMs) search_.clear();
    lastSearchKey_ = now;
    if (search_.size() < kMaxSearchText) search_ += c;
    const QString wanted = platform::FromWin1252(search_);
    for (int i = 0; i < pickList_->count(); ++i) {
        if (pickList_->item(i)->text().startsWith(wanted, Qt::CaseInsensitive)) {
            pickList_->setCurrentRow(i);
            return;
        }
    }
}

}  // namespace ftb::controls
