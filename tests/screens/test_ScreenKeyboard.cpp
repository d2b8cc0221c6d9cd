// Every registered screen as a person meets it who works with the keyboard and a screen reader:
// where the focus starts, where Tab and Shift+Tab take it, and what each control is called.
// The screens come from RegisterScreens, so every screen class added later is covered too.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <string>
#include <vector>

#include "interview/Catalogue.h"
#include "interview/Child.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenLayout.h"
#include "support/ScreensFixture.h"

namespace ftb::screens::test {
namespace {

// A control Tab stops at; a grid that hands its focus to its own cell editor counts as one.
bool Reachable(const QWidget* widget) {
    const QWidget* proxy = widget->focusProxy();
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled() &&
           (proxy == nullptr || widget->isAncestorOf(proxy));
}

class ScreenKeyboardTest : public ScreensFixture {
protected:
    // A control of the window before the frame's, as the main window's button bar is.
    void SetUp() override {
        ScreensFixture::SetUp();
        bar_ = new QPushButton(QStringLiteral("Bar"), Host.get());
        bar_->setObjectName(QStringLiteral("HostBar"));
        bar_->setGeometry(0, 0, 40, 20);
        bar_->show();
        QWidget::setTabOrder(bar_, Frame->BtnIntHelp());
        QWidget::setTabOrder(Frame->BtnIntHelp(), Frame->BtnCancel());
    }

    // The screen numbers whose class is registered, in catalogue order.
    std::vector<int> RegisteredScreens() const {
        std::vector<int> numbers;
        for (const interview::TScreenEntry& entry : interview::ScreenCatalogue())
            if (Screens.IsRegistered(entry.ClassName)) numbers.push_back(entry.Number);
        return numbers;
    }

    // What Tab visits in order on the shown screen: the screen's controls in declaration order,
    // then the frame's buttons from left to right and its side panels, then what the window
    // holds before the frame.
    std::vector<QWidget*> DeclaredOrder() const {
        std::vector<QWidget*> order;
        for (QWidget* control : Frame->Screen()->TabChain())
            if (Reachable(control)) order.push_back(control);
        for (const char* name : {"BtnIntHelp", "BtnCancel", "BtnPrev", "BtnYes", "BtnNo", "BtnNext",
                                 "fcNavigator", "lstPickList", "btnRemove", "ListBoxFFS"}) {
            QWidget& control = Widget<QWidget>(name);
            if (Reachable(&control)) order.push_back(&control);
        }
        order.push_back(bar_);
        return order;
    }

    // The control of `order` that `widget` is or is part of (a grid's cell editor); null if none.
    static QWidget* OwnerIn(const std::vector<QWidget*>& order, QWidget* widget) {
        for (QWidget* control : order)
            if (control == widget || control->isAncestorOf(widget)) return control;
        return nullptr;
    }

    // Where the focus chain leads from `start`, as Tab (or Shift+Tab) moves the focus: the
    // reachable widgets of the window, a compound control counted once.
    static QStringList Walk(const std::vector<QWidget*>& order, QWidget* start, bool forward,
                            std::size_t steps) {
        QStringList seen;
        QWidget* at = start;
        QWidget* last = OwnerIn(order, start);
        while (static_cast<std::size_t>(seen.size()) < steps) {
            at = forward ? at->nextInFocusChain() : at->previousInFocusChain();
            if (at == start) {
                seen.append(start->objectName());
                break;
            }
            if (!Reachable(at) || at->window() != start->window()) continue;
            QWidget* owner = OwnerIn(order, at);
            if (owner == last) continue;  // inside the control just counted
            last = owner;
            seen.append(owner != nullptr ? owner->objectName()
                                         : QStringLiteral("<unexpected %1>").arg(
                                               QLatin1String(at->metaObject()->className())));
        }
        return seen;
    }

    // Shows a screen as the first of an interview: the screen before it is dropped without its
    // leave check, which would keep an unanswered screen in place.
    void StartAfresh(int number) {
        Run.LeaveCheck = nullptr;
        Start(number);
    }

    static QStringList Names(const std::vector<QWidget*>& order) {
        QStringList names;
        for (const QWidget* control : order) names.append(control->objectName());
        return names;
    }

    QPushButton* bar_ = nullptr;
};

// Every screen number of the catalogue has its class, so the frame treats none as an exit.
TEST_F(ScreenKeyboardTest, EveryCatalogueNumberHasItsScreenClass) {
    std::vector<int> all;
    for (const interview::TScreenEntry& entry : interview::ScreenCatalogue())
        all.push_back(entry.Number);
    EXPECT_EQ(RegisteredScreens(), all);
}

TEST_F(ScreenKeyboardTest, TabAndShiftTabFollowTheDeclarationOrderOnEveryScreen) {
    const std::vector<int> screens = RegisteredScreens();
    ASSERT_FALSE(screens.empty());
    for (const int number : screens) {
        StartAfresh(number);
        if (Frame->Screen() == nullptr) continue;  // a screen that leaves at once
        SCOPED_TRACE("screen " + std::to_string(Shown()));
        const std::vector<QWidget*> order = DeclaredOrder();
        ASSERT_FALSE(order.empty());

        // The focus starts on the first control of the screen (the first of its parent), else
        // on Yes, else on Next.
        QWidget* first = order.front();
        if (!Frame->Screen()->isAncestorOf(first) || interview::TabOrderOf(first) != 0)
            first = Frame->BtnYes()->isVisible() ? static_cast<QWidget*>(Frame->BtnYes())
                                                 : Frame->BtnNext();
        EXPECT_EQ(OwnerIn(order, QApplication::focusWidget()), first);

        // Round the window once each way, back to where it started.
        const QStringList expected = Names(order);
        QStringList forward = expected.mid(1);
        forward.append(expected.front());
        const auto joined = [](const QStringList& names) {
            return names.join(QStringLiteral(", ")).toStdString();
        };
        EXPECT_EQ(joined(Walk(order, order.front(), true, order.size())), joined(forward));
        QStringList backward;
        for (auto it = expected.crbegin(); it != expected.crend(); ++it) backward.append(*it);
        EXPECT_EQ(joined(Walk(order, order.front(), false, order.size())), joined(backward));
    }
}

// An empty grid cell: a screen reader reads it by the title of its column. The title is read
// through the table (the header cells a cell hands out are not kept by the table).
bool ReadWithColumnTitle(QAccessibleInterface* node) {
    QAccessibleTableCellInterface* cell = node->tableCellInterface();
    if (cell == nullptr || cell->table() == nullptr) return false;
    QAccessibleTableInterface* table = cell->table()->tableInterface();
    return table != nullptr &&
           !table->columnDescription(cell->columnIndex()).trimmed().isEmpty();
}

// The names a screen reader reads for the controls that take the focus; empty for none.
QStringList UnnamedFocusable(QAccessibleInterface* node, int depth = 0) {
    QStringList unnamed;
    if (node == nullptr || depth > 64) return unnamed;
    const QAccessible::State state = node->state();
    if (state.focusable && !state.invisible && !state.disabled &&
        node->text(QAccessible::Name).trimmed().isEmpty() && !ReadWithColumnTitle(node)) {
        const QObject* object = node->object();
        unnamed.append(object != nullptr && !object->objectName().isEmpty()
                           ? object->objectName()
                           : QLatin1String(object ? object->metaObject()->className() : "?"));
    }
    for (int i = 0; i < node->childCount(); ++i)
        unnamed += UnnamedFocusable(node->child(i), depth + 1);
    return unnamed;
}

TEST_F(ScreenKeyboardTest, EveryFocusableControlOfEveryScreenHasAnAccessibleName) {
    for (const int number : RegisteredScreens()) {
        StartAfresh(number);
        if (Frame->Screen() == nullptr) continue;
        SCOPED_TRACE("screen " + std::to_string(Shown()));
        EXPECT_EQ(UnnamedFocusable(QAccessible::queryAccessibleInterface(Host.get()))
                      .join(QStringLiteral(", "))
                      .toStdString(),
                  "");
    }
}

TEST_F(ScreenKeyboardTest, AMarkedUpTextReadsAsItsPlainWords) {
    Start(7806);
    QAccessibleInterface* text = QAccessible::queryAccessibleInterface(&Text("TextLbl1"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->role(), QAccessible::StaticText);
    const QString name = text->text(QAccessible::Name);
    EXPECT_TRUE(name.startsWith(
        QStringLiteral("Do you and your children satisfy the basic FTB eligibility criteria?")))
        << name.toStdString();
    // The year variables read as their years, a link as its words, a bullet beside its text.
    EXPECT_TRUE(name.contains(QStringLiteral("1 July 2001 to 30 June 2002"))) << name.toStdString();
    EXPECT_TRUE(name.contains(QStringLiteral("have been an Australian resident for social security "
                                             "purposes")))
        << name.toStdString();
    EXPECT_TRUE(name.contains(QStringLiteral("\u2022 have had the care of at least one dependent "
                                             "child.")))
        << name.toStdString();
    EXPECT_FALSE(name.contains(u'<')) << name.toStdString();
}

TEST_F(ScreenKeyboardTest, TheFindingsListIsNamedByItsTextAndDescribedByTheHint) {
    Start(7859);  // an empty return has findings
    ASSERT_EQ(Shown(), 7859);
    auto& findings = Find<QListWidget>("ListBoxWarnings");
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&findings);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->text(QAccessible::Name).isEmpty());
    EXPECT_FALSE(list->text(QAccessible::Name).contains(u'<'));
    if (Widget<controls::TTextLbl>("TextLblYellowBox").isVisible()) {
        EXPECT_EQ(list->text(QAccessible::Description),
                  Text("TextLblYellowBox").PlainText().simplified());
    }
    // The frame's buttons read their captions and describe themselves by their hints.
    QAccessibleInterface* next = QAccessible::queryAccessibleInterface(Frame->BtnNext());
    EXPECT_EQ(next->text(QAccessible::Name), QStringLiteral("Next"));
    EXPECT_EQ(next->text(QAccessible::Description),
              QStringLiteral("Proceeds to the next stage of the interview."));
}

TEST_F(ScreenKeyboardTest, AnEntryFieldIsNamedByTheTextBeforeItAndDescribedByTheHintBox) {
    RegisterScreen("TQFTB_02",
                   {.Controls = {
                        ScreenText("TextLbl1", 10,
                                   {"<T1>Your income<.>", "What did you earn in <V99999>?"}),
                        interview::Edit("edtIncome", 1246, {400, 140, 120, 21}),
                        HintBox({"Type the <T1>whole<.> dollars."}),
                    }});
    Start(7805);
    QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(&Find<QLineEdit>("edtIncome"));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(QAccessible::Name), QStringLiteral("What did you earn in 2002?"));
    EXPECT_EQ(edit->text(QAccessible::Description), QStringLiteral("Type the whole dollars."));
}

}  // namespace
}  // namespace ftb::screens::test
