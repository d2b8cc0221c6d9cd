// The main window worked as a claimant works it: its bar, the close query and what the host is
// told, message 1025, the layout below the bar, the timer and the autosave, "Save" with the save
// dialog, the help, the notepad and the calculator. The run is made with scripted dialogs, so
// every box is one the test expects; the save dialog is the real one.
#include "module/Main.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/TaxEdit.h"
#include "data/TaxFile.h"
#include "interview/Child.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "module/Notes.h"
#include "module/Run.h"
#include "module/Savebox.h"
#include "platform/Help.h"
#include "platform/Messages.h"
#include "platform/ScriptedDialogs.h"

namespace ftb::module {
namespace {

namespace fs = std::filesystem;

constexpr const char* kKey = "876543210";
constexpr int kNameField = 500;
constexpr int kFirstScreen = 7803;

QString Latin(const char* text) { return QString::fromLatin1(text); }
QString Text(const std::string& text) { return QString::fromStdString(text); }

// A question screen with one entry field bound to field 500; the test says what its create
// handler does.
class TTestScreen : public interview::TChildForm {
public:
    TTestScreen(interview::TScreenContext& context,
                std::function<void(interview::TChildForm&)> onCreate)
        : TChildForm(context), onCreate_(std::move(onCreate)) {
        interview::Build(*this, {interview::Edit("edtName", kNameField, {10, 10, 200, 21})});
    }
    void FormCreate() override {
        if (onCreate_) onCreate_(*this);
    }

private:
    std::function<void(interview::TChildForm&)> onCreate_;
};

// The host window: it records the messages the module posts to it.
class THost : public QObject {
public:
    std::vector<int> Messages;

protected:
    bool event(QEvent* event) override {
        if (event->type() < QEvent::User) return QObject::event(event);
        Messages.push_back(event->type());
        return true;
    }
};

void ProcessEvents() {
    for (int round = 0; round < 4; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

// The main window of a run in a temporary folder, which is also the process's current folder
// (where the save dialog starts). The window is shown; its timer is stopped, the tests give
// the ticks themselves.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        previousFolder = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(temp.path()));
        folder = QDir::currentPath().toStdString();

        auto scripted = std::make_unique<platform::ScriptedDialogs>();
        dialogs = scripted.get();
        dialogs->onFailure = [](const std::string& failure) { ADD_FAILURE() << failure; };
        run = std::make_unique<TModuleRun>(std::move(scripted), FTB_SOURCE_DIR "/help/FTB2002.HLP");
        run->Screens().Register(
            "TQFTB_51",
            [this](interview::TScreenContext& context) -> std::unique_ptr<interview::TChildForm> {
                return std::make_unique<TTestScreen>(context, onCreate);
            });
        run->SetHostWindow(&host);
        run->Store().SetFieldStr(1, kKey);

        form = &run->CreateMainForm();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        timerActiveWhenShown = form->Timer1()->isActive();
        intervalWhenShown = form->Timer1()->interval();
        form->Timer1()->stop();
        run->File().SetCurrentPath(InFolder("START.TAX"));
    }

    void TearDown() override {
        for (const std::string& unmet : dialogs->Unmet()) ADD_FAILURE() << unmet;
        run.reset();
        QDir::setCurrent(previousFolder);
    }

    std::string InFolder(const char* name) const { return folder + "/" + name; }
    bool Exists(const char* name) const { return fs::exists(InFolder(name)); }

    // A folder with a file in it where the save puts its work file: that save fails.
    // A folder with a file in it where the return would go: every save to it fails, whoever
    // runs the test.
    void Obstruct(const char* name) {
        const fs::path obstruction = InFolder(name);
        fs::create_directory(obstruction);
        std::FILE* file = std::fopen((obstruction / "x").c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fclose(file);
    }

    data::FieldStore ReadBack(const char* name) {
        data::FieldStore store;
        data::TaxFile file(store, data::RealFileSystem(), *dialogs);
        file.SetKeySource(kKey);
        file.Read(InFolder(name));
        return store;
    }

    void ShowScreen() {
        run->Interview().SetScreen(kFirstScreen);
        form->Frame()->LoadScreen();
        ProcessEvents();
    }

    template <typename T>
    T* Control(const char* name) const {
        T* control = form->findChild<T*>(Latin(name));
        if (control == nullptr) ADD_FAILURE() << "the main window has no control " << name;
        return control;
    }
    void Click(const char* button) {
        QTest::mouseClick(Control<QToolButton>(button), Qt::LeftButton);
        ProcessEvents();
    }
    void ClickFrame(QPushButton* button) {
        QTest::mouseClick(button, Qt::LeftButton);
        ProcessEvents();
    }
    void TypeName(const char* text) {
        auto* edit = Control<controls::TTaxEdit>("edtName");
        edit->setFocus();
        QTest::keyClicks(edit, Latin(text));
    }

    void FirstTick() { form->Timer1Timer(); }
    void Ticks(int count) {
        for (int tick = 0; tick < count; ++tick) form->Timer1Timer();
    }

    // Types `name` into the save dialog once it is open and presses "&Save"; `initialName`
    // gets the name the dialog opened with.
    void AnswerSaveDialog(const char* name, QString* initialName = nullptr) {
        QTimer::singleShot(0, form, [name, initialName] {
            auto* box = qobject_cast<TfrmSaveBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                ADD_FAILURE() << "the save dialog is not open";
                return;
            }
            auto* edit = box->findChild<QLineEdit*>(Latin("FileEdit"));
            if (initialName != nullptr) *initialName = edit->text();
            edit->clear();
            QTest::keyClicks(edit, Latin(name));
            QTest::mouseClick(box->findChild<QPushButton*>(Latin("SaveBtn")), Qt::LeftButton);
            if (box->isVisible()) {
                ADD_FAILURE() << "the save dialog stayed open";
                box->reject();
            }
        });
    }
    void ForbidSaveDialog() {
        QTimer::singleShot(0, form, [] {
            if (auto* box = qobject_cast<TfrmSaveBox*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "the save dialog opened";
                box->reject();
            }
        });
    }

    QTemporaryDir temp;
    QString previousFolder;
    std::string folder;
    platform::ScriptedDialogs* dialogs = nullptr;
    THost host;
    std::function<void(interview::TChildForm&)> onCreate;
    std::unique_ptr<TModuleRun> run;
    TMainForm* form = nullptr;
    bool timerActiveWhenShown = false;
    int intervalWhenShown = 0;
};

TEST_F(MainFormTest, ShowsItsCaptionButtonBarAndMinimumSize) {
    EXPECT_EQ(form->windowTitle(), Latin("Ledgra'2002"));
    auto* bar = Control<QToolBar>("SpeedPanel");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(form->toolBarArea(bar), Qt::TopToolBarArea);

    const struct {
        const char* name;
        const char* hint;
        bool enabled;
    } buttons[] = {
        {"HelpBtn", "Click on this button to display Ledgra's Table of Contents (Help).", true},
        {"CalculBtn", "Click on this button to use the standard Windows Calculator.", true},
        {"NotesBtn",
         "Clicking on this button will allow you to compose your own notes for your tax return "
         "(use this feature as a handy jotter).",
         true},
        {"SaveBtn", "Save your tax return", true},
        {"NewBtn", nullptr, false},
        {"OpenBtn", nullptr, false},
        {"InterviewBtn", nullptr, false},
    };
    for (const auto& expected : buttons) {
        auto* button = bar->findChild<QToolButton*>(Latin(expected.name));
        ASSERT_NE(button, nullptr) << expected.name;
        EXPECT_TRUE(button->isVisible()) << expected.name;
        EXPECT_EQ(button->isEnabled(), expected.enabled) << expected.name;
        if (expected.hint != nullptr) {
            EXPECT_EQ(button->toolTip(), Latin(expected.hint));
        }
    }
    EXPECT_EQ(bar->findChild<QToolButton*>(Latin("InterviewBtn"))->text(),
              Latin("View Tax Return"));

    EXPECT_EQ(form->minimumSize(), QSize(500, 400));
    form->resize(300, 200);
    ProcessEvents();
    EXPECT_GE(form->width(), 500);
    EXPECT_GE(form->height(), 400);
}

TEST_F(MainFormTest, CaptionNamesTheReturnReadAtTheStart) {
    {
        data::FieldStore store;
        store.SetFieldStr(1, kKey);
        data::TaxFile file(store, data::RealFileSystem(), *dialogs);
        file.Save(InFolder("READ.TAX"));
    }
    TModuleRun reading(std::make_unique<platform::ScriptedDialogs>(),
                       FTB_SOURCE_DIR "/help/FTB2002.HLP");
    reading.File().SetKeySource(kKey);
    reading.File().Read(InFolder("READ.TAX"));
    EXPECT_EQ(reading.CreateMainForm().windowTitle(),
              Latin("Ledgra 2002 - ") + Text(InFolder("READ.TAX")));
}

TEST_F(MainFormTest, RefusesToCloseWhileAScreenIsShown) {
    ShowScreen();
    dialogs->Expect("Warning", kMustCompleteText).Expect("Warning", kMustCompleteText);
    ClickFrame(form->Frame()->BtnCancel());
    form->close();
    ProcessEvents();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(host.Messages.empty());
}

TEST_F(MainFormTest, TellsTheHostWhetherTheInterviewLeftOrWasClosed) {
    onCreate = [this](interview::TChildForm&) {
        run->Interview().NextYesNo = [this](QObject*) { run->Interview().SetScreen(8001); };
    };
    ShowScreen();
    ClickFrame(form->Frame()->BtnNext());
    EXPECT_EQ(run->ExitScreen(), 8001);
    EXPECT_EQ(host.Messages, std::vector<int>{platform::kLeaveMessage});

    ClickFrame(form->Frame()->BtnCancel());
    EXPECT_EQ(host.Messages, (std::vector<int>{platform::kLeaveMessage, platform::kCloseMessage}));

    form->close();
    ProcessEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(host.Messages, (std::vector<int>{platform::kLeaveMessage, platform::kCloseMessage,
                                               platform::kCloseMessage}));
}

TEST_F(MainFormTest, Message1025SavesTheShownScreenThenCloses) {
    onCreate = [this](interview::TChildForm&) {
        run->Interview().NextYesNo = [this](QObject*) { run->Interview().SetScreen(8001); };
    };
    ShowScreen();
    TypeName("Smith");
    // With the screen shown the close is refused, but the answer is in its field.
    dialogs->Expect("Warning", kMustCompleteText);
    platform::SendMessage(form, platform::kSaveAndCloseMessage);
    ProcessEvents();
    EXPECT_EQ(run->Store().GetFieldStr(kNameField), "Smith");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(host.Messages.empty());

    ClickFrame(form->Frame()->BtnNext());
    host.Messages.clear();
    platform::SendMessage(form, platform::kSaveAndCloseMessage);
    ProcessEvents();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(host.Messages, std::vector<int>{platform::kCloseMessage});
}

TEST_F(MainFormTest, LaysTheFrameOutBelowTheBar) {
    auto expected = [this] {
        const int barBottom = form->SpeedPanel()->geometry().bottom() + 1;
        return QRect(0, barBottom + 1, form->width(), form->height() - barBottom - 1);
    };
    form->PlaceWindow(QRect(10, 20, 820, 620), false, false);
    ProcessEvents();
    EXPECT_EQ(form->size(), QSize(820, 620));
    EXPECT_EQ(form->Frame()->geometry(), expected());

    // Until the first tick a resize leaves the frame where it is.
    const QRect placed = form->Frame()->geometry();
    form->resize(900, 700);
    ProcessEvents();
    EXPECT_EQ(form->Frame()->geometry(), placed);
    FirstTick();
    EXPECT_EQ(form->Frame()->geometry(), expected());
    form->resize(1000, 750);
    ProcessEvents();
    EXPECT_EQ(form->Frame()->geometry(), expected());
    EXPECT_EQ(form->Frame()->width(), 1000);
}

TEST_F(MainFormTest, TimerTicksFirstAfterTwoSecondsThenEveryMinute) {
    EXPECT_TRUE(timerActiveWhenShown);
    EXPECT_EQ(intervalWhenShown, 2000);
    FirstTick();
    EXPECT_EQ(form->Timer1()->interval(), 60000);
    EXPECT_EQ(form->TickCount(), 0);
}

TEST_F(MainFormTest, AutosavesAtTheFifthTickAfterTheLastOneWhileModified) {
    FirstTick();
    run->Store().SetModified(true);
    Ticks(4);
    EXPECT_FALSE(Exists("START.TAX"));
    EXPECT_EQ(form->TickCount(), 4);
    Ticks(1);
    ASSERT_TRUE(Exists("START.TAX"));
    EXPECT_FALSE(run->Store().Modified());
    EXPECT_EQ(form->TickCount(), 0);
    EXPECT_TRUE(form->Timer1()->isActive());
    EXPECT_EQ(ReadBack("START.TAX").GetFieldStr(1300), "EI");

    // Idle ticks go on counting; a change after five of them is saved at the next tick.
    Ticks(6);
    EXPECT_EQ(form->TickCount(), 6);
    EXPECT_FALSE(Exists("START.BAK"));
    run->Store().SetModified(true);
    Ticks(1);
    EXPECT_TRUE(Exists("START.BAK"));
    EXPECT_EQ(form->TickCount(), 0);
}

TEST_F(MainFormTest, AutosaveSkipsAScreenWithALeaveCheck) {
    onCreate = [this](interview::TChildForm&) {
        run->Interview().LeaveCheck = [](QObject*, interview::TCloseAction&) {};
    };
    ShowScreen();
    FirstTick();
    run->Store().SetModified(true);
    Ticks(5);
    EXPECT_FALSE(Exists("START.TAX"));
    EXPECT_EQ(form->TickCount(), 0);
    EXPECT_TRUE(run->Store().Modified());
}

TEST_F(MainFormTest, AutosaveSkipsAScreenToCompleteBeforeSaving) {
    onCreate = [](interview::TChildForm& screen) {
        screen.Frame().OpenWorksheetList(data::kSpouseList);
    };
    ShowScreen();
    ASSERT_EQ(form->Frame()->Screen()->VertScrollBarIncrement, interview::kMustCompleteIncrement);
    FirstTick();
    run->Store().SetModified(true);
    Ticks(5);
    EXPECT_FALSE(Exists("START.TAX"));
    EXPECT_EQ(form->TickCount(), 0);
    EXPECT_TRUE(run->Store().Modified());
}

TEST_F(MainFormTest, AutosaveWithoutAPathRunsSave) {
    run->File().SetCurrentPath({});
    FirstTick();
    run->Store().SetModified(true);
    AnswerSaveDialog("autosaved");
    Ticks(5);
    EXPECT_TRUE(Exists("AUTOSAVED.TAX"));
    EXPECT_EQ(run->File().CurrentPath(), InFolder("AUTOSAVED.TAX"));
    EXPECT_EQ(form->windowTitle(), Latin("Ledgra'2002 - ") + Text(InFolder("AUTOSAVED.TAX")));
    EXPECT_FALSE(run->Store().Modified());
}

TEST_F(MainFormTest, FailedAutosaveIsReportedOnceAndStopsTheTimer) {
    FirstTick();
    form->Timer1()->start();
    run->Store().SetModified(true);
    Obstruct("START.TAX");
    dialogs->Expect("Error", "Cannot save file \"" + InFolder("START.TAX") + "\". Is a directory");
    Ticks(5);
    EXPECT_FALSE(form->Timer1()->isActive());
    EXPECT_TRUE(run->Store().Modified());
    EXPECT_TRUE(fs::is_directory(InFolder("START.TAX")));
}

TEST_F(MainFormTest, SaveAsksForANameAndSavesTheShownScreen) {
    ShowScreen();
    TypeName("Smith");
    run->Store().SetModified(true);
    QString initialName;
    AnswerSaveDialog("return", &initialName);
    Click("SaveBtn");
    EXPECT_EQ(initialName, Latin("START.TAX"));
    ASSERT_TRUE(Exists("RETURN.TAX"));
    EXPECT_EQ(ReadBack("RETURN.TAX").GetFieldStr(kNameField), "Smith");
    EXPECT_EQ(run->File().CurrentPath(), InFolder("RETURN.TAX"));
    EXPECT_EQ(form->windowTitle(), Latin("Ledgra'2002 - ") + Text(InFolder("RETURN.TAX")));
    EXPECT_FALSE(run->Store().Modified());
}

TEST_F(MainFormTest, SaveKeepsAFolderNameWithLettersBeyondAscii) {
    // The folder is spelt as the file system spells it (UTF-8), not read as Windows-1252.
    const std::string accented = folder + "/d\xc3\xa9" "claration";
    ASSERT_TRUE(fs::create_directory(accented));
    ASSERT_TRUE(QDir::setCurrent(QFile::decodeName(accented.c_str())));
    run->File().SetCurrentPath(accented + "/START.TAX");
    ShowScreen();
    AnswerSaveDialog("return", nullptr);
    Click("SaveBtn");
    EXPECT_TRUE(fs::exists(accented + "/RETURN.TAX"));
    EXPECT_EQ(run->File().CurrentPath(), accented + "/RETURN.TAX");
}

TEST_F(MainFormTest, SaveIsRefusedWhileAWorksheetIsOpen) {
    onCreate = [](interview::TChildForm& screen) {
        screen.Frame().OpenWorksheetList(data::kSpouseList);
    };
    ShowScreen();
    dialogs->Expect("Warning", kMustCompleteText);
    ForbidSaveDialog();
    Click("SaveBtn");
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(MainFormTest, SaveRunsTheLeaveCheckFirst) {
    int checks = 0;
    onCreate = [this, &checks](interview::TChildForm& screen) {
        run->Interview().LeaveCheck = [this, &checks, &screen](QObject*,
                                                               interview::TCloseAction&) {
            ++checks;
            screen.ShowError("Please enter your name.");
            run->Interview().ScreenValid = false;
        };
    };
    ShowScreen();
    dialogs->Expect("Error", "Please enter your name.");
    ForbidSaveDialog();
    Click("SaveBtn");
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(MainFormTest, FailedSaveShowsTheErrorAndKeepsTheModifiedFlag) {
    run->Store().SetModified(true);
    Obstruct("RETURN.TAX");
    AnswerSaveDialog("return");
    dialogs->Expect("Confirm", "File exists - Overwrite?", platform::dbYes);
    dialogs->Expect("Error", "Cannot save file \"" + InFolder("RETURN.TAX") + "\". Is a directory");
    Click("SaveBtn");
    EXPECT_TRUE(run->Store().Modified());
    EXPECT_TRUE(fs::is_directory(InFolder("RETURN.TAX")));
    EXPECT_EQ(form->windowTitle(), Latin("Ledgra'2002"));
}

TEST_F(MainFormTest, HelpButtonShowsTheContents) {
    Click("HelpBtn");
    platform::HelpViewer* viewer = run->Help().Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->CurrentTopic(), 0);
    auto* contents = viewer->findChild<QListWidget*>(Latin("HelpContents"));
    ASSERT_NE(contents, nullptr);
    EXPECT_GT(contents->count(), 0);
}

TEST_F(MainFormTest, NotesAreKeptInField399) {
    Click("NotesBtn");
    TNotesForm* notes = form->NotesForm();
    ASSERT_NE(notes, nullptr);
    EXPECT_TRUE(notes->isVisible());
    Click("NotesBtn");
    EXPECT_EQ(form->NotesForm(), notes);  // one notepad at a time

    QTest::keyClicks(notes->findChild<QPlainTextEdit*>(Latin("Notes")), Latin("Buy stamps"));
    QTest::mouseClick(notes->findChild<QPushButton*>(Latin("CloseBtn")), Qt::LeftButton);
    EXPECT_EQ(form->NotesForm(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_NE(run->Store().GetFieldLst(kNotesField), nullptr);
    EXPECT_EQ(*run->Store().GetFieldLst(kNotesField), data::TextList{"Buy stamps"});
    EXPECT_TRUE(run->Store().Modified());

    Click("NotesBtn");
    ASSERT_NE(form->NotesForm(), nullptr);
    EXPECT_EQ(form->NotesForm()->findChild<QPlainTextEdit*>(Latin("Notes"))->toPlainText(),
              Latin("Buy stamps"));
}

TEST_F(MainFormTest, CalculatorThatCannotBeFoundIsReported) {
    const QByteArray path = qgetenv("PATH");
    const QByteArray windir = qgetenv("WINDIR");
    ASSERT_TRUE(QDir(temp.path()).mkdir(Latin("empty")));
    const QByteArray empty = QFile::encodeName(temp.filePath(Latin("empty")));
    qputenv("PATH", empty);
    qputenv("WINDIR", empty);
    dialogs->Expect("Information", "Can't find ...");
    Click("CalculBtn");
    qputenv("PATH", path);
    if (windir.isNull()) {
        qunsetenv("WINDIR");
    } else {
        qputenv("WINDIR", windir);
    }
    EXPECT_TRUE(Control<QToolButton>("CalculBtn")->isEnabled());
}

}  // namespace
}  // namespace ftb::module
