#include "platform/QtDialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "platform/KeyboardFocus.h"

namespace ftb::platform {
namespace {

// Runs `inspect` on the modal box as soon as it shows.
void WhenBoxShows(std::function<void(QWidget*)> inspect) {
    QTimer::singleShot(0, [inspect] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr) << "no modal box is shown";
        inspect(box);
    });
}

struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

Seen AnswerWith(QWidget* widget, QMessageBox::StandardButton answer) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    Seen seen;
    if (box == nullptr) return seen;
    seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
            box->defaultButton() ? box->standardButton(box->defaultButton()) : QMessageBox::NoButton};
    box->button(answer)->click();
    return seen;
}

class QtDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 200);
        edit = new QLineEdit(&window);
        window.show();
        window.activateWindow();
        edit->setFocus();
    }
    QWidget window;
    QLineEdit* edit = nullptr;
    QtDialogs dialogs{[this] { return &window; }};
};

TEST_F(QtDialogsTest, EachBoxHasItsTitleIconButtonsAndDefault) {
    using B = QMessageBox;
    struct Case {
        std::function<void(Dialogs&)> show;
        QString title;
        B::Icon icon;
        B::StandardButtons buttons;
        B::StandardButton defaultButton;
    } cases[] = {
        {[](Dialogs& d) { d.Error("x"); }, QStringLiteral("Error"), B::Critical, B::Ok, B::Ok},
        {[](Dialogs& d) { d.Information("x"); }, QStringLiteral("Information"), B::Information, B::Ok, B::Ok},
        {[](Dialogs& d) { d.Question("x"); }, QStringLiteral("Question"), B::Question, B::Yes | B::No, B::Yes},
        {[](Dialogs& d) { d.Warning("Delete", "x"); }, QStringLiteral("Delete"), B::Warning, B::Yes | B::No, B::No},
        {[](Dialogs& d) { d.Confirm("x"); }, QStringLiteral("Confirm"), B::Question, B::Yes | B::No, B::Yes},
        {[](Dialogs& d) { d.WarningBox("x"); }, QStringLiteral("Warning"), B::Warning, B::Ok, B::Ok},
        {[](Dialogs& d) { d.Plain("Note", "x"); }, QStringLiteral("Note"), B::NoIcon, B::Ok, B::Ok},
        {[](Dialogs& d) { d.OkCancel("Sure", "x"); }, QStringLiteral("Sure"), B::Question, B::Ok | B::Cancel, B::Ok},
    };
    for (const auto& c : cases) {
        Seen seen;
        WhenBoxShows([&](QWidget* box) { seen = AnswerWith(box, c.defaultButton); });
        c.show(dialogs);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_EQ(seen.icon, c.icon) << c.title.toStdString();
        EXPECT_EQ(seen.buttons, c.buttons) << c.title.toStdString();
        EXPECT_EQ(seen.defaultButton, c.defaultButton) << c.title.toStdString();
    }
}

TEST_F(QtDialogsTest, ReturnsTheButtonPressedAndGivesTheFocusBack) {
    WhenBoxShows([](QWidget* box) { AnswerWith(box, QMessageBox::No); });
    EXPECT_FALSE(dialogs.Question("Go on?"));
    QApplication::processEvents();
    EXPECT_TRUE(window.isActiveWindow());
    EXPECT_EQ(QApplication::focusWidget(), edit);

    WhenBoxShows([](QWidget* box) { AnswerWith(box, QMessageBox::Yes); });
    EXPECT_TRUE(dialogs.Warning("Warning", "Delete it?"));
}

TEST_F(QtDialogsTest, LineBreaksAndWindows1252TextsAreShownAsTheSystemWritesThem) {
    Seen seen;
    WhenBoxShows([&](QWidget* box) { seen = AnswerWith(box, QMessageBox::Ok); });
    dialogs.Error("one\r\ntwo\rthree\nfour\n\r\x95 five");
    EXPECT_EQ(seen.text, QString::fromUtf8("one\ntwo\nthree\nfour\n\n\u2022 five"));
}

TEST_F(QtDialogsTest, InputBoxGivesTheTextOrNothingWhenCancelled) {
    WhenBoxShows([](QWidget* box) {
        auto* input = qobject_cast<QInputDialog*>(box);
        ASSERT_NE(input, nullptr);
        EXPECT_EQ(input->windowTitle(), QStringLiteral("Name"));
        EXPECT_EQ(input->textValue(), QStringLiteral("Sam"));
        input->setTextValue(QString::fromUtf8("Zo\u00EB"));
        input->accept();
    });
    EXPECT_EQ(dialogs.Input("Name", "Who?", "Sam"), std::optional<std::string>("Zo\xEB"));

    WhenBoxShows([](QWidget* box) { qobject_cast<QDialog*>(box)->reject(); });
    EXPECT_EQ(dialogs.Input("Name", "Who?", "Sam"), std::nullopt);
}

TEST_F(QtDialogsTest, EscapeGivesTheSafeAnswerAndTheFocusGoesBackToTheControlThatHadIt) {
    auto* second = new QLineEdit(&window);
    second->move(0, 40);
    second->show();
    second->setFocus();
    QApplication::processEvents();
    struct Case {
        const char* name;
        std::function<bool(Dialogs&)> show;
    } cases[] = {
        {"Question", [](Dialogs& d) { return d.Question("x"); }},
        {"Warning", [](Dialogs& d) { return d.Warning("Delete", "x"); }},
        {"OkCancel", [](Dialogs& d) { return d.OkCancel("Sure", "x"); }},
    };
    for (const Case& c : cases) {
        WhenBoxShows([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
        EXPECT_FALSE(c.show(dialogs)) << c.name;
        QApplication::processEvents();
        EXPECT_TRUE(window.isActiveWindow()) << c.name;
        EXPECT_EQ(QApplication::focusWidget(), second) << c.name;
    }
    // Enter presses the box's focused button.
    WhenBoxShows([](QWidget* box) {
        auto* message = qobject_cast<QMessageBox*>(box);
        ASSERT_NE(message, nullptr);
        message->button(QMessageBox::No)->setFocus();
        QTest::keyClick(message->button(QMessageBox::No), Qt::Key_Return);
    });
    EXPECT_FALSE(dialogs.Question("x"));
}

TEST_F(QtDialogsTest, EnterPressesAFocusedButtonOutsideADialogAsSpaceDoes) {
    auto* push = new QPushButton(QStringLiteral("&Next"), &window);
    auto* tool = new QToolButton(&window);
    tool->setFocusPolicy(Qt::TabFocus);
    PressOnEnter(*push);
    PressOnEnter(*tool);
    push->show();
    tool->show();
    int pushed = 0, tooled = 0;
    QObject::connect(push, &QPushButton::clicked, [&] { ++pushed; });
    QObject::connect(tool, &QToolButton::clicked, [&] { ++tooled; });
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(push),
                                    static_cast<QAbstractButton*>(tool)}) {
        button->setFocus();
        QTest::keyClick(button, Qt::Key_Return);
        QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
        QTest::keyClick(button, Qt::Key_Space);
        QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);  // not a press
    }
    EXPECT_EQ(pushed, 3);
    EXPECT_EQ(tooled, 3);
    // The button's letter with Alt clicks it before the key is released, not 100 ms later.
    window.show();
    QApplication::setActiveWindow(&window);
    tool->setFocus();
    QTest::keyPress(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(pushed, 4);
    EXPECT_FALSE(push->isDown());
    QTest::keyRelease(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(pushed, 4);
}

// Tab enters a Yes/No pair on its answer, also one the program gave, and on its first button
// while it has none; Shift+Tab comes back to the same answer.
TEST_F(QtDialogsTest, TabEntersAPairOfRadioButtonsOnItsAnswer) {
    auto* before = new QLineEdit(&window);
    auto* pair = new QWidget(&window);
    auto* yes = new QRadioButton(QStringLiteral("Yes"), pair);
    auto* no = new QRadioButton(QStringLiteral("No"), pair);
    auto* after = new QLineEdit(&window);
    for (QRadioButton* radio : {yes, no}) TabStopFollowsCheck(*radio);
    QWidget::setTabOrder(before, yes);
    QWidget::setTabOrder(yes, no);
    QWidget::setTabOrder(no, after);
    for (QWidget* widget : std::initializer_list<QWidget*>{before, pair, yes, no, after})
        widget->show();
    QApplication::setActiveWindow(&window);
    const auto tabFrom = [](QWidget* from, Qt::KeyboardModifiers modifiers) {
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab, modifiers);
        return QApplication::focusWidget();
    };
    EXPECT_EQ(tabFrom(before, Qt::NoModifier), yes);
    no->setChecked(true);  // as the binding sets a stored answer
    EXPECT_EQ(tabFrom(before, Qt::NoModifier), no);
    EXPECT_EQ(tabFrom(after, Qt::ShiftModifier), no);
    yes->setChecked(true);
    EXPECT_EQ(tabFrom(before, Qt::NoModifier), yes);
    EXPECT_EQ(tabFrom(yes, Qt::NoModifier), after);
}

}  // namespace
}  // namespace ftb::platform
