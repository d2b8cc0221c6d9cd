#include "module/Notes.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "platform/ScriptedDialogs.h"

namespace ftb::module {
namespace {

using data::fkShortText;
using data::fkTextList;
using data::TextList;

QString Latin(const char* text) { return QString::fromLatin1(text); }

// Opens notes windows over one field store, as the main window's notes button does.
class NotesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
    }
    void TearDown() override {
        if (form) delete form.data();
        for (const std::string& unmet : dialogs.Unmet()) ADD_FAILURE() << unmet;
    }

    void Open() {
        form = new TNotesForm(store, dialogs);
        form->OnClosed = [this] { ++closed; };
        form->show();
    }
    QPlainTextEdit* Memo() const {
        auto* memo = form->findChild<QPlainTextEdit*>(Latin("Notes"));
        if (!memo) ADD_FAILURE() << "the notes window has no memo Notes";
        return memo;
    }
    QPushButton* CloseButton() const {
        auto* button = form->findChild<QPushButton*>(Latin("CloseBtn"));
        if (!button) ADD_FAILURE() << "the notes window has no close button";
        return button;
    }
    void Type(const char* text) { QTest::keyClicks(Memo(), Latin(text)); }
    void NewLine() { QTest::keyClick(Memo(), Qt::Key_Return); }
    // Closes the window with its button and lets the deferred deletion happen.
    void CloseWithButton() {
        QTest::mouseClick(CloseButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const TextList* Lines() const { return store.GetFieldLst(kNotesField); }

    data::FieldStore store;
    platform::ScriptedDialogs dialogs;
    QPointer<TNotesForm> form;
    int closed = 0;
};

TEST_F(NotesTest, ShowsItsTexts) {
    Open();
    EXPECT_EQ(form->windowTitle(), Latin("Your Tax Return Notes"));
    EXPECT_TRUE(form->isWindow());
    QStringList labels;
    for (const QLabel* label : form->findChildren<QLabel*>()) labels.append(label->text());
    EXPECT_EQ(labels, QStringList(Latin("Use the following notepad to jot down anything you want "
                                        "to remember while completing your tax return.  This "
                                        "will NOT be sent to the Varnholt.")));
    EXPECT_EQ(CloseButton()->text(), Latin("&Close"));
    EXPECT_EQ(CloseButton()->toolTip(), Latin("Leave the notepad"));
}

TEST_F(NotesTest, TypedLineIsKeptInTheFieldAndShownAgain) {
    Open();
    EXPECT_EQ(Memo()->toPlainText(), QString());
    Type("Ask about the receipts");
    CloseWithButton();
    EXPECT_TRUE(form.isNull());  // destroyed
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(store.GetFieldKind(kNotesField), fkTextList);
    ASSERT_NE(Lines(), nullptr);
    EXPECT_EQ(*Lines(), TextList{"Ask about the receipts"});
    EXPECT_TRUE(store.Modified());

    store.SetModified(false);
    Open();
    EXPECT_EQ(Memo()->toPlainText(), Latin("Ask about the receipts"));
    CloseWithButton();
    EXPECT_FALSE(store.Modified());  // nothing changed
    EXPECT_EQ(*Lines(), TextList{"Ask about the receipts"});

    store.SetModified(true);
    Open();
    CloseWithButton();
    EXPECT_TRUE(store.Modified());  // left as it was
}

TEST_F(NotesTest, KeepsTheLinesAsTheyWereBroken) {
    Open();
    Type("one");
    NewLine();
    NewLine();
    Type("three");
    NewLine();  // a break at the end adds no line
    form->close();  // the window's own close writes back as well
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(*Lines(), (TextList{"one", "", "three"}));

    // Emptying the memo leaves an empty list.
    Open();
    Memo()->selectAll();
    QTest::keyClick(Memo(), Qt::Key_Delete);
    CloseWithButton();
    ASSERT_NE(Lines(), nullptr);
    EXPECT_EQ(*Lines(), TextList{});
}

TEST_F(NotesTest, LinesAreWindows1252Texts) {
    store.SetFieldLst(kNotesField, TextList{"\x95 tax \x80", "caf\xE9"});
    Open();
    EXPECT_EQ(Memo()->toPlainText(), QString::fromUtf8("\u2022 tax \u20AC\ncaf\u00E9"));
    Memo()->moveCursor(QTextCursor::End);
    QTest::keyClick(Memo(), Qt::Key_Space);
    QKeyEvent half(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(u'\u00BD')));
    QApplication::sendEvent(Memo(), &half);
    CloseWithButton();
    EXPECT_EQ(*Lines(), (TextList{"\x95 tax \x80", "caf\xE9 \xBD"}));
}

TEST_F(NotesTest, AFieldWithoutATextListBecomesOne) {
    // A text list field without its list gets an empty one when the window is shown.
    store.SetFieldKind(kNotesField, fkTextList);
    ASSERT_EQ(Lines(), nullptr);
    Open();
    ASSERT_NE(Lines(), nullptr);
    EXPECT_TRUE(Lines()->empty());
    CloseWithButton();

    // Another kind of value is not shown, and the notes replace it.
    store.SetFieldKind(kNotesField, data::fkEmpty);
    store.SetFieldStr(kNotesField, "old");
    ASSERT_EQ(store.GetFieldKind(kNotesField), fkShortText);
    Open();
    EXPECT_EQ(Memo()->toPlainText(), QString());
    Type("new");
    CloseWithButton();
    EXPECT_EQ(store.GetFieldKind(kNotesField), fkTextList);
    EXPECT_EQ(*Lines(), TextList{"new"});
    EXPECT_EQ(store.GetFieldStr(kNotesField), "");
}

}  // namespace
}  // namespace ftb::module
