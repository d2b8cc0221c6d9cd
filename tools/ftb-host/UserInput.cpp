#include "tools/ftb-host/UserInput.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "tools/ftb-host/Controls.h"
#include "tools/ftb-host/ShownText.h"

namespace ftb::host {
namespace {

QString ItemList(const QStringList& items) {
    return items.isEmpty() ? QStringLiteral("none") : items.join(QStringLiteral(", "));
}

// Puts the control's window in front, as a click into it would, and gives it the focus.
void Focus(QWidget* control, Qt::FocusReason reason) {
    QWidget* window = control->window();
    if (QApplication::activeModalWidget() == nullptr ||
        QApplication::activeModalWidget() == window) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
    control->setFocus(reason);
}

// The widget that takes the keys now: the focus, or the control when the focus is nowhere.
QWidget* KeyTarget(QWidget* control) {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : control;
}

// Types each character as its key: Return for a line break, Tab for a tab.
void TypeKeys(QWidget* control, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') continue;
            QTest::keyClick(KeyTarget(control), Qt::Key_Return);
        } else if (c == u'\n') {
            QTest::keyClick(KeyTarget(control), Qt::Key_Return);
        } else if (c == u'\t') {
            QTest::keyClick(KeyTarget(control), Qt::Key_Tab);
        } else if (c.unicode() < 0x80) {
            QTest::keyClick(KeyTarget(control), static_cast<char>(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Click, KeyTarget(control), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
        }
    }
}

void Click(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

// The cell's editor over the grid (a line edit inside its viewport).
QLineEdit* CellEditor(QTableWidget* grid) {
    for (QLineEdit* edit : grid->viewport()->findChildren<QLineEdit*>()) {
        if (edit->isVisible()) return edit;
    }
    throw EStepFailure(grid->objectName() + QStringLiteral(" shows no cell editor"));
}

// Clicks the cell unless it is the current one already (a click on the current cell's editor
// would open or close a pick list).
QLineEdit* GoToCell(QTableWidget* grid, int col, int row) {
    RequireCell(grid, col, row);
    const int modelRow = row - 1;  // row 0 is the title row
    if (grid->currentRow() != modelRow || grid->currentColumn() != col ||
        !grid->isAncestorOf(QApplication::focusWidget())) {
        const QModelIndex cell = grid->model()->index(modelRow, col);
        grid->scrollTo(cell);
        Focus(grid, Qt::MouseFocusReason);
        Click(grid->viewport(), grid->visualRect(cell).center());
    }
    if (grid->currentRow() != modelRow || grid->currentColumn() != col)
        throw EStepFailure(QStringLiteral("%1 did not move to cell %2 %3 (it is at %4 %5)")
                               .arg(grid->objectName())
                               .arg(col)
                               .arg(row)
                               .arg(grid->currentColumn())
                               .arg(grid->currentRow() + 1));
    return CellEditor(grid);
}

QListWidget* OpenPickList(QTableWidget* grid) {
    for (QListWidget* list : grid->findChildren<QListWidget*>()) {
        if (list->isVisible()) return list;
    }
    throw EStepFailure(grid->objectName() + QStringLiteral(" opened no pick list"));
}

void ClickItem(QListWidget* list, QListWidgetItem* item) {
    list->scrollToItem(item);
    Click(list->viewport(), list->visualItemRect(item).center());
}

QListWidgetItem* ItemOf(QListWidget* list, const QString& text) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() == text) return list->item(i);
        items.append(ScriptQuoted(list->item(i)->text()));
    }
    throw EStepFailure(QStringLiteral("%1 has no line %2 (its lines: %3)")
                           .arg(list->objectName(), ScriptQuoted(text), ItemList(items)));
}

// Where a click on the button lands: a check box or radio button on its box.
QPoint ClickPoint(QAbstractButton* button) {
    QPoint at = button->rect().center();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (qobject_cast<QCheckBox*>(button) != nullptr)
        at =
            button->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, button).center();
    else if (qobject_cast<QRadioButton*>(button) != nullptr)
        at = button->style()
                 ->subElementRect(QStyle::SE_RadioButtonClickRect, &option, button)
                 .center();
    return at;
}

// Types `text` over the selection; an empty text deletes it, as a person clears a field.
void TypeOver(QWidget* field, const QString& text) {
    if (text.isEmpty())
        QTest::keyClick(KeyTarget(field), Qt::Key_Delete);
    else
        TypeKeys(field, text);
}

}  // namespace

void ClickButton(QAbstractButton* button) { Click(button, ClickPoint(button)); }

void ClickOn(QWidget* control) { Click(control, control->rect().center()); }

void PressButton(QAbstractButton* button) {
    const QPointer<QAbstractButton> pressed(button);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, ClickPoint(button));
    // What the press did may have closed the screen with the button.
    if (pressed.isNull()) return;
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(-1, -1));
}

void TypeInto(QWidget* field, const QString& text) {
    auto* line = qobject_cast<QLineEdit*>(field);
    auto* plain = qobject_cast<QPlainTextEdit*>(field);
    auto* rich = qobject_cast<QTextEdit*>(field);
    if (line == nullptr && plain == nullptr && rich == nullptr)
        throw EStepFailure(field->objectName() + QStringLiteral(" is not an entry field"));
    Focus(field, Qt::TabFocusReason);
    if (!field->hasFocus())
        throw EStepFailure(field->objectName() + QStringLiteral(" does not take the focus"));
    if (line != nullptr) line->selectAll();
    if (plain != nullptr) plain->selectAll();
    if (rich != nullptr) rich->selectAll();
    TypeOver(field, text);
    if (line != nullptr) QTest::keyClick(KeyTarget(field), Qt::Key_Tab);
}

QString TypeAndStay(QLineEdit* field, const QString& text) {
    Focus(field, Qt::TabFocusReason);
    field->selectAll();
    TypeOver(field, text);
    return field->text();
}

void LeaveField(QWidget* field) { QTest::keyClick(KeyTarget(field), Qt::Key_Tab); }

QLineEdit* OpenCell(QTableWidget* grid, int col, int row) { return GoToCell(grid, col, row); }

void TypeIntoCell(QTableWidget* grid, int col, int row, const QString& text) {
    QLineEdit* editor = GoToCell(grid, col, row);
    editor->selectAll();
    TypeOver(editor, text);
    QTest::keyClick(KeyTarget(editor), Qt::Key_Tab);
}

void PickInCell(QTableWidget* grid, int col, int row, const QString& item) {
    QLineEdit* editor = GoToCell(grid, col, row);
    QTest::keyClick(KeyTarget(editor), Qt::Key_Down, Qt::AltModifier);
    QListWidget* list = OpenPickList(grid);
    ClickItem(list, ItemOf(list, item));
}

QString PickEndOfList(QTableWidget* grid, int col, int row, bool last) {
    QLineEdit* editor = GoToCell(grid, col, row);
    QTest::keyClick(KeyTarget(editor), Qt::Key_Down, Qt::AltModifier);
    QListWidget* list = OpenPickList(grid);
    if (list->count() == 0) {
        QTest::keyClick(KeyTarget(editor), Qt::Key_Escape);
        return {};
    }
    QListWidgetItem* item = list->item(last ? list->count() - 1 : 0);
    const QString text = item->text();
    ClickItem(list, item);
    return text;
}

QStringList PicklistItems(QTableWidget* grid, int col, int row) {
    QLineEdit* editor = GoToCell(grid, col, row);
    QTest::keyClick(KeyTarget(editor), Qt::Key_Down, Qt::AltModifier);
    QListWidget* list = OpenPickList(grid);
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
    QTest::keyClick(KeyTarget(editor), Qt::Key_Escape);
    if (list->isVisible())
        throw EStepFailure(grid->objectName() + QStringLiteral(" kept its pick list open"));
    return items;
}

void PressKeys(QWidget* control, const QKeySequence& keys) {
    Focus(control, Qt::OtherFocusReason);
    for (int i = 0; i < keys.count(); ++i) {
        const QKeyCombination combination = keys[i];
        QTest::keyClick(KeyTarget(control), combination.key(), combination.keyboardModifiers());
    }
}

void ClickListLine(QListWidget* list, const QString& item) { ClickItem(list, ItemOf(list, item)); }

void ClickNode(const QString& text) {
    QStringList shown;
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* tree = qobject_cast<QTreeWidget*>(widget);
        if (tree == nullptr || !tree->isVisible()) continue;
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
            QTreeWidgetItem* node = *it;
            bool open = true;
            for (QTreeWidgetItem* up = node->parent(); up != nullptr; up = up->parent())
                open &= up->isExpanded();
            if (!open || node->isHidden()) continue;
            if (node->text(0) != text) {
                shown.append(ScriptQuoted(node->text(0)));
                continue;
            }
            if (!tree->isEnabled() || !tree->window()->isEnabled())
                throw EStepFailure(tree->objectName() + QStringLiteral(" is disabled"));
            tree->scrollToItem(node);
            Click(tree->viewport(), tree->visualItemRect(node).center());
            return;
        }
    }
    throw EStepFailure(QStringLiteral("no navigator shows the node %1 (nodes shown: %2)")
                           .arg(ScriptQuoted(text), ItemList(shown)));
}

}  // namespace ftb::host
