#include "module/Savebox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/Beep.h"
#include "platform/ScriptedDialogs.h"

namespace ftb::module {
namespace {

using platform::dbNo;
using platform::dbOK;
using platform::dbYes;

constexpr const char* kBadExtension = "File extension must be .TAX";
constexpr const char* kInvalidName = "Invalid filename";
constexpr const char* kOverwrite = "File exists - Overwrite?";

QString Latin(const char* text) { return QString::fromLatin1(text); }

// Types a character that has no key of its own on the test keyboard.
void TypeCharacter(QWidget* widget, QChar character) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &release);
}

// A save dialog over a temporary folder whose own name is in lower case ("returns"), so a path
// that upper-cases its folder part names a folder that does not exist.
class SaveboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        ASSERT_TRUE(QDir(temp.path()).mkdir(Latin("returns")));
        folder = temp.filePath(Latin("returns"));
        dialogs.onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
        platform::ResetBeepCount();
    }
    void TearDown() override {
        for (const std::string& unmet : dialogs.Unmet()) ADD_FAILURE() << unmet;
    }

    void MakeFile(const QString& name) {
        QFile file(QDir(folder).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    }
    std::string InFolder(const char* name) const {
        return (folder + u'/' + Latin(name)).toStdString();
    }

    // Opens the dialog with `initialName` and lets `act` work it like the claimant; a dialog
    // that `act` leaves open is cancelled. The result of Execute.
    std::optional<std::string> Run(const std::string& initialName,
                                   const std::function<void()>& act) {
        QTimer::singleShot(0, box.get(), [this, act] {
            act();
            if (box->isVisible()) QTest::mouseClick(Button("CancelBtn"), Qt::LeftButton);
        });
        return box->Execute(initialName);
    }

    template <typename T>
    T* Control(const char* name) const {
        T* control = box->findChild<T*>(Latin(name));
        if (!control) ADD_FAILURE() << "the save dialog has no control " << name;
        return control;
    }
    QLineEdit* Edit() const { return Control<QLineEdit>("FileEdit"); }
    QPushButton* Button(const char* name) const { return Control<QPushButton>(name); }
    QListWidget* List(const char* name) const { return Control<QListWidget>(name); }
    static QStringList Texts(const QListWidget* list) {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts.append(list->item(i)->text());
        return texts;
    }
    QRect ItemRect(QListWidget* list, const char* text) const {
        const QList<QListWidgetItem*> found = list->findItems(Latin(text), Qt::MatchExactly);
        if (found.isEmpty()) {
            ADD_FAILURE() << "no item " << text;
            return {};
        }
        return list->visualItemRect(found.front());
    }
    void Click(const char* listName, const char* text) {
        QListWidget* list = List(listName);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, ItemRect(list, text).center());
    }
    void DoubleClick(const char* listName, const char* text) {
        QListWidget* list = List(listName);
        const QPoint at = ItemRect(list, text).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
    void Save() { QTest::mouseClick(Button("SaveBtn"), Qt::LeftButton); }

    QTemporaryDir temp;
    QString folder;
    platform::ScriptedDialogs dialogs;
    std::unique_ptr<TfrmSaveBox> box;

    void Open() { box = std::make_unique<TfrmSaveBox>(dialogs, nullptr, folder); }
};

TEST_F(SaveboxTest, ShowsItsControlsAndStartsInTheGivenFolder) {
    Open();
    EXPECT_EQ(box->windowTitle(), Latin("Save File"));
    QStringList labels;
    for (const QLabel* label : box->findChildren<QLabel*>()) labels.append(label->text());
    EXPECT_TRUE(labels.contains(Latin("Current directory:")));
    EXPECT_TRUE(labels.contains(Latin("File &name:")));
    EXPECT_EQ(Control<QLabel>("DirLabel")->text(), folder);
    EXPECT_EQ(Button("SaveBtn")->text(), Latin("&Save"));
    EXPECT_TRUE(Button("SaveBtn")->isDefault());
    EXPECT_EQ(Button("CancelBtn")->text(), Latin("&Cancel"));
    EXPECT_EQ(Button("ChangeDirBtn")->text(), Latin("Change &Dir"));

    bool shown = false;
    const auto result = Run("mine.tax", [&] {
        shown = box->isVisible() && box->isModal();
        EXPECT_EQ(Edit()->text(), Latin("mine.tax"));
        EXPECT_FALSE(Button("ChangeDirBtn")->isVisible());
        EXPECT_EQ(box->width(), 285);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(result, std::nullopt);  // cancelled
}

// What "&Save" makes of a name: the path chosen, or the warning shown while the dialog stays.
TEST_F(SaveboxTest, ChecksTheNameOnSave) {
    struct Case {
        const char* initial;  // the name the dialog opens with
        const char* typed;    // then typed key by key after it
        const char* chosen;   // the file chosen in the folder, or nothing
        const char* message;  // the warning when nothing is chosen
    };
    const Case cases[] = {
        {"", "return", "RETURN.TAX", nullptr},
        {"", "return.", "RETURN.TAX", nullptr},
        {"", "Return.Tax", "RETURN.TAX", nullptr},
        {"", "return.txt", nullptr, kBadExtension},
        {"", ".tax", nullptr, kBadExtension},
        {"", "x.tax", "X.TAX", nullptr},
        {"", ".", nullptr, kInvalidName},
        {"", "", nullptr, kInvalidName},
        // Names that cannot be typed but may come with the initial name.
        {"my return", "", "MY RETURN.TAX", nullptr},
        {"  return  ", "", "RETURN.TAX", nullptr},
        {"old~1.tax", "", "OLD~1.TAX", nullptr},
        {"a.b.", "", "A.B.TAX", nullptr},
        {"a.tax.tax", "", nullptr, kBadExtension},
        {"a.taxi", "", nullptr, kBadExtension},
        {"Smith & Co", "", nullptr, kInvalidName},
        {"r\xEBturn", "", nullptr, kInvalidName},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("initial \"") + c.initial + "\", typed \"" + c.typed + "\"");
        Open();
        if (c.message) dialogs.Expect("Warning", c.message, dbOK);
        bool stayed = false;
        const auto result = Run(c.initial, [&] {
            QTest::keyClicks(Edit(), Latin(c.typed));
            Save();
            stayed = box->isVisible();
        });
        if (c.chosen) {
            EXPECT_EQ(result, InFolder(c.chosen));
            EXPECT_EQ(box->ChosenPath(), InFolder(c.chosen));
        } else {
            EXPECT_TRUE(stayed);
            EXPECT_EQ(result, std::nullopt);
            EXPECT_TRUE(box->InvalidName());
            EXPECT_EQ(box->BadExtension(), std::string(c.message) == kBadExtension);
        }
        EXPECT_TRUE(dialogs.AllShown());
    }
}

TEST_F(SaveboxTest, AsksBeforeOverwritingAPickedFile) {
    MakeFile(Latin("RETURN.TAX"));
    Open();
    dialogs.Expect("Confirm", kOverwrite, dbNo).Expect("Confirm", kOverwrite, dbYes);
    bool stayedAfterNo = false;
    const auto result = Run("", [&] {
        Click("FileList", "RETURN.TAX");
        EXPECT_EQ(Edit()->text(), Latin("RETURN.TAX"));
        Save();
        stayedAfterNo = box->isVisible();
        Save();
    });
    EXPECT_TRUE(stayedAfterNo);
    EXPECT_EQ(result, InFolder("RETURN.TAX"));
}

TEST_F(SaveboxTest, DoubleClickInTheFileListSaves) {
    MakeFile(Latin("RETURN.TAX"));
    MakeFile(Latin("OTHER.TAX"));
    Open();
    dialogs.Expect("Confirm", kOverwrite, dbYes);
    const auto result = Run("typed.tax", [&] { DoubleClick("FileList", "OTHER.TAX"); });
    EXPECT_EQ(result, InFolder("OTHER.TAX"));
}

// Files are listed in any letter case; an existing file picked or typed in any letter case is
// that file (the overwrite question is asked), and only a new name is put in upper case.
TEST_F(SaveboxTest, ListsTaxFilesInAnyLetterCase) {
    MakeFile(Latin("return.tax"));
    MakeFile(Latin("OTHER.TAX"));
    MakeFile(Latin("Mixed.Tax"));
    MakeFile(Latin("notes.txt"));
    MakeFile(Latin("return.tax.bak"));
    ASSERT_TRUE(QDir(folder).mkdir(Latin("folder.tax")));
    Open();
    EXPECT_EQ(Texts(List("FileList")),
              QStringList({Latin("Mixed.Tax"), Latin("OTHER.TAX"), Latin("return.tax")}));
    EXPECT_EQ(Texts(List("DirList")), QStringList({Latin(".."), Latin("folder.tax")}));

    dialogs.Expect("Confirm", kOverwrite, dbYes);
    EXPECT_EQ(Run("", [&] {
                  Click("FileList", "return.tax");
                  Save();
              }),
              InFolder("return.tax"));
    EXPECT_TRUE(dialogs.AllShown());
    Open();
    dialogs.Expect("Confirm", kOverwrite, dbYes);
    EXPECT_EQ(Run("mixed.TAX", [&] { Save(); }), InFolder("Mixed.Tax"));
    EXPECT_TRUE(dialogs.AllShown());
    Open();
    EXPECT_EQ(Run("fresh", [&] { Save(); }), InFolder("FRESH.TAX"));
}

TEST_F(SaveboxTest, TheFileListTakingTheFocusKeepsTheTypedName) {
    MakeFile(Latin("RETURN.TAX"));
    MakeFile(Latin("SECOND.TAX"));
    Open();
    const auto result = Run("", [&] {
        box->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
        Edit()->setFocus();
        QTest::keyClicks(Edit(), Latin("mine"));
        QTest::keyClick(Edit(), Qt::Key_Tab);
        EXPECT_TRUE(List("FileList")->hasFocus());
        EXPECT_EQ(Edit()->text(), Latin("mine"));
        // Moving in the list picks a file.
        QTest::keyClick(List("FileList"), Qt::Key_End);
        EXPECT_EQ(Edit()->text(), Latin("SECOND.TAX"));
        Edit()->setText(Latin("mine"));
        QTest::keyClick(List("FileList"), Qt::Key_Return);  // presses "&Save"
    });
    EXPECT_EQ(result, InFolder("MINE.TAX"));
}

TEST_F(SaveboxTest, TheDirectoryListChangesTheFolder) {
    ASSERT_TRUE(QDir(folder).mkpath(Latin("sub/deeper")));
    MakeFile(Latin("top.tax"));
    MakeFile(Latin("sub/inner.tax"));
    Open();
    const auto result = Run("", [&] {
        DoubleClick("DirList", "sub");
        EXPECT_EQ(box->Directory(), folder + Latin("/sub"));
        EXPECT_EQ(Control<QLabel>("DirLabel")->text(), folder + Latin("/sub"));
        EXPECT_EQ(Texts(List("FileList")), QStringList({Latin("inner.tax")}));
        EXPECT_EQ(Texts(List("DirList")), QStringList({Latin(".."), Latin("deeper")}));

        // Enter opens the current directory and does not press "&Save" (an empty name would
        // show a box nobody expects).
        QListWidget* dirs = List("DirList");
        dirs->setCurrentRow(0);
        QTest::keyClick(dirs, Qt::Key_Return);
        EXPECT_EQ(box->Directory(), folder);
        EXPECT_TRUE(box->isVisible());
        EXPECT_EQ(Texts(List("FileList")), QStringList({Latin("top.tax")}));

        dirs->setCurrentRow(Texts(dirs).indexOf(Latin("sub")));
        QTest::keyClick(dirs, Qt::Key_Enter);
        QTest::keyClicks(Edit(), Latin("new"));
        Save();
    });
    EXPECT_EQ(result, InFolder("sub/NEW.TAX"));
}

TEST_F(SaveboxTest, RefusesKeystrokesOutsideTheNameCharacters) {
    Open();
    Run("", [&] {
        QLineEdit* edit = Edit();
        // Refused: "&", the blank, "/", "é" and the second ".".
        QTest::keyClicks(edit, Latin("a&b c/d.e"));
        TypeCharacter(edit, QChar(u'\u00E9'));
        QTest::keyClicks(edit, Latin(".f-9Z"));
        EXPECT_EQ(edit->text(), Latin("abcd.ef-9Z"));
        EXPECT_EQ(platform::BeepCount(), 5);

        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), Latin("abcd.ef-"));

        // At most 36 characters.
        edit->clear();
        QTest::keyClicks(edit, QString(40, u'x'));
        EXPECT_EQ(edit->text(), QString(36, u'x'));
    });
}

TEST_F(SaveboxTest, PastingIsFilteredLikeTyping) {
    Open();
    Run("", [&] {
        QLineEdit* edit = Edit();
        QApplication::clipboard()->setText(Latin("my&return"));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text(), QString());
        EXPECT_EQ(platform::BeepCount(), 1);

        QApplication::clipboard()->setText(Latin("my-return.tax"));
        edit->paste();
        EXPECT_EQ(edit->text(), Latin("my-return.tax"));
        // A second point, pasted this time.
        QApplication::clipboard()->setText(Latin(".x"));
        edit->paste();
        EXPECT_EQ(edit->text(), Latin("my-return.tax"));
        EXPECT_EQ(platform::BeepCount(), 2);
    });
}

// A name that came with characters that cannot be typed can still be corrected, and undoing
// brings back what the edit held.
TEST_F(SaveboxTest, AnInitialNameWithInvalidCharactersCanBeCorrected) {
    Open();
    Run("Smith & Co", [&] {
        QLineEdit* edit = Edit();
        edit->setCursorPosition(7);
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), Latin("Smith  Co"));
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(edit->text(), Latin("Smith & Co"));
        edit->setCursorPosition(6);
        QTest::keyClicks(edit, Latin("x"));
        EXPECT_EQ(edit->text(), Latin("Smith x& Co"));
        EXPECT_EQ(platform::BeepCount(), 0);
    });
}

}  // namespace
}  // namespace ftb::module
