// The interview frame through its real widgets: the buttons, the screen history, the leave
// check, exit screen numbers, the Prev block, the title and section markers, Yes/No, Close,
// More and help links, the select panel, the focus after a load, and loads asked for while a
// load is running.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "controls/TaxEdit.h"
#include "controls/Textlbl.h"
#include "controls/core/StateFields.h"
#include "interview/support/FrameFixture.h"
#include "platform/Messages.h"
#include "platform/QtText.h"

namespace ftb::interview {
namespace {

using frametest::FrameFixture;
using frametest::TTestScreenClass;
using Numbers = std::vector<std::int32_t>;

constexpr const char* kPrevBlockedText =
    "For data integrity reasons the previous button has been disabled.\r\n\r\n"
    "Please work forward through the screens until you reach navigation screen.";

// A Next/Yes/No handler that moves to a screen number, as the screens' handlers do.
TTestScreenClass MovingTo(int number) {
    return {.OnCreate = [number](TChildForm& screen) {
        screen.Run().NextYesNo = [&run = screen.Run(), number](QObject*) { run.SetScreen(number); };
    }};
}

class FrameTest : public FrameFixture {
protected:
    std::string Caption(const std::string& name) const {
        return platform::ToWin1252(Widget<QLabel>(name).text());
    }
    QWidget* Focused() const { return QApplication::focusWidget(); }
};

TEST_F(FrameTest, TheFrameCarriesItsControlsWithTheirCaptionsAndHints) {
    struct Expected {
        const char* name;
        const char* caption;
        const char* hint;
    };
    const Expected buttons[] = {
        {"BtnNext", "&Next", "Proceeds to the next stage of the interview."},
        {"BtnPrev", "&Prev", "Backtrack the interview to the screen previously viewed."},
        {"BtnYes", "&Yes",
         "Click here if your answer to the question(s) asked on the screen is Yes."},
        {"BtnNo", "&No", "Click here if your answer to the question(s) asked on the screen is No."},
        {"BtnCancel", "&Close", "Leave the interview process."},
        {"BtnIntHelp", "&More", "Read more on this item."},
        {"btnRemove", "Delete", ""},
    };
    for (const Expected& button : buttons) {
        SCOPED_TRACE(button.name);
        const auto& widget = Widget<QPushButton>(button.name);
        EXPECT_EQ(platform::ToWin1252(widget.text()), button.caption);
        EXPECT_EQ(platform::ToWin1252(widget.toolTip()), button.hint);
    }
    EXPECT_EQ(Caption("TitleLabel"), "I want you to know ...");
    EXPECT_EQ(Widget<QWidget>("ClientPanel").size(), QSize(kDesignWidth, kDesignHeight));
    for (const char* name : {"ImagePanel", "Image1", "IImage", "QImage", "FImage", "ListBoxFFS",
                             "lstPickList", "fcNavTitle", "fcNavigator"}) {
        EXPECT_NO_THROW(Widget<QWidget>(name)) << name;
    }
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Widget<controls::TTextLbl>("TextLbl3").Text(),
              (Lines{"<s1><T1>Existing worksheets<.>", "<s2><T1>FTB Navigator<.>"}));
    EXPECT_EQ(Widget<controls::TTextLbl>("WsheetHdrLbl").Text(),
              (Lines{"<s1><T1>Existing worksheets<.>", "<s2><T1>Concessions<.>"}));
    // The side panels wait for the screens that show them.
    for (const char* name : {"PanelFreeFormSelect", "ActionPanel", "fcOutlookBar1"}) {
        EXPECT_TRUE(Widget<QWidget>(name).isHidden()) << name;
    }
}

TEST_F(FrameTest, NextWithoutAHandlerStepsOneScreenIndex) {
    RegisterScreen("TQFTB_02");
    RegisterScreen("TQFTB_01");
    Start(7805);
    EXPECT_EQ(Caption("Label1"), "7805");

    Click("BtnNext");
    EXPECT_EQ(Run.CurrentScreen, 7806);
    EXPECT_EQ(Run.ScreenIndex, 6);
    EXPECT_EQ(Caption("Label1"), "7806");
    EXPECT_EQ(History(), (Numbers{7805, 7806}));
    EXPECT_EQ(Created("TQFTB_01"), 1);
    EXPECT_FALSE(Store.Modified());  // the group stayed 78
    EXPECT_TRUE(Find<QPushButton>("BtnNext").isEnabled());
    EXPECT_TRUE(Find<QPushButton>("BtnPrev").isEnabled());
}

TEST_F(FrameTest, TheHistoryGrowsWithNextAndPrevWalksItBack) {
    std::vector<bool> backwardAtCreate;
    TTestScreenClass recording{.OnCreate = [&](TChildForm& screen) {
        backwardAtCreate.push_back(screen.Frame().BackwardMove());
    }};
    for (const char* name : {"TQFTB_51", "TQFTB_38", "TQFTB_02"}) RegisterScreen(name, recording);
    Start(7803);
    Click("BtnNext");
    Click("BtnNext");
    EXPECT_EQ(History(), (Numbers{7803, 7804, 7805}));

    Click("BtnPrev");
    EXPECT_EQ(Caption("Label1"), "7804");
    EXPECT_EQ(Run.CurrentScreen, 7804);
    EXPECT_EQ(History(), (Numbers{7803, 7804}));
    Click("BtnPrev");
    EXPECT_EQ(Caption("Label1"), "7803");
    EXPECT_EQ(History(), (Numbers{7803}));

    // A history of one entry: nothing happens.
    Click("BtnPrev");
    EXPECT_EQ(Created("TQFTB_51"), 2);
    EXPECT_EQ(History(), (Numbers{7803}));
    // The screens created by Prev saw the backward move; it ends once they exist.
    EXPECT_EQ(backwardAtCreate, (std::vector<bool>{false, false, false, true, true}));
    EXPECT_FALSE(Frame->BackwardMove());
}

TEST_F(FrameTest, ARefusedLeaveCheckKeepsTheScreenAndRunsAgainOnTheNextAttempt) {
    int checks = 0;
    RegisterScreen("TQFTB_38");
    RegisterScreen("TQFTB_02", {.OnCreate = [&checks](TChildForm& screen) {
        screen.Run().LeaveCheck = [&checks, &run = screen.Run()](QObject*, TCloseAction&) {
            if (++checks == 1) run.ScreenValid = false;
        };
    }});
    RegisterScreen("TQFTB_01");
    Start(7804);
    Click("BtnNext");
    TChildForm* shown = Frame->Screen();

    Click("BtnNext");
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(Frame->Screen(), shown);
    EXPECT_EQ(Run.ScreenIndex, 5);
    EXPECT_EQ(Run.CurrentScreen, 7805);
    EXPECT_TRUE(Run.ScreenValid);
    EXPECT_EQ(History(), (Numbers{7804, 7805}));

    Click("BtnNext");
    EXPECT_EQ(checks, 2);
    EXPECT_EQ(Run.CurrentScreen, 7806);
    EXPECT_FALSE(Run.LeaveCheck);
}

TEST_F(FrameTest, APrevRefusedByTheLeaveCheckKeepsTheHistory) {
    RegisterScreen("TQFTB_38");
    RegisterScreen("TQFTB_02", {.OnCreate = [](TChildForm& screen) {
        screen.Run().LeaveCheck = [&run = screen.Run()](QObject*, TCloseAction&) {
            run.ScreenValid = false;
        };
    }});
    Start(7804);
    Click("BtnNext");
    TChildForm* shown = Frame->Screen();

    Click("BtnPrev");
    EXPECT_EQ(Frame->Screen(), shown);
    EXPECT_EQ(Run.CurrentScreen, 7805);
    EXPECT_EQ(History(), (Numbers{7804, 7805}));
    EXPECT_TRUE(Frame->BackwardMove());  // stays set after a refused move
}

TEST_F(FrameTest, AHandlerThatKeepsTheNumberRebuildsTheScreenWithoutCheckOrHistory) {
    int checks = 0;
    RegisterScreen("TQFTB_02", {
        .Controls = {Edit("edtName", 1246, {100, 40, 120, 22})},
        .OnCreate = [&checks](TChildForm& screen) {
            screen.Run().NextYesNo = [](QObject*) {};
            screen.Run().LeaveCheck = [&checks, &run = screen.Run()](QObject*, TCloseAction&) {
                ++checks;
                run.ScreenValid = false;
            };
        },
    });
    Start(7805);
    Type("edtName", "Smith");

    Click("BtnNext");
    EXPECT_EQ(Created("TQFTB_02"), 2);
    EXPECT_EQ(checks, 0);
    EXPECT_EQ(History(), (Numbers{7805}));
    // The answer went through the field into the new screen.
    EXPECT_EQ(Store.GetFieldStr(1246), "Smith");
    EXPECT_EQ(Find<controls::TTaxEdit>("edtName").Text(), "Smith");
}

TEST_F(FrameTest, AScreenNumberOutsideTheCatalogueHandsTheInterviewBack) {
    RegisterScreen("TQFTB_02", MovingTo(8001));
    Start(7805);
    Store.SetModified(false);

    Click("BtnNext");
    EXPECT_EQ(Run.ExitScreen, 8001);
    EXPECT_EQ(Run.CurrentScreen, 8001);
    EXPECT_TRUE(Store.Modified());  // the group changed from 78
    EXPECT_FALSE(Run.ScreenShown);
    EXPECT_EQ(Frame->Screen(), nullptr);
    EXPECT_EQ(Host->CloseQueries, 1);
    EXPECT_EQ(Host->CloseSenders, std::vector<QObject*>{Frame->BtnYes()});
    EXPECT_EQ(History(), (Numbers{7805}));
}

TEST_F(FrameTest, AStartScreenOutsideTheCatalogueEndsAtOnce) {
    Start(7860);
    EXPECT_EQ(Run.ExitScreen, 7860);
    EXPECT_FALSE(Store.Modified());  // no screen was shown before
    EXPECT_EQ(Host->CloseSenders, std::vector<QObject*>{Frame->BtnYes()});
    EXPECT_TRUE(History().empty());
}

TEST_F(FrameTest, PrevIsBlockedAtTheScreenIndexHeldInField1281) {
    RegisterScreen("TQFTB_51", MovingTo(7827));
    RegisterScreen("TQFTB_09");
    RegisterScreen("TQFTB_39");
    Start(7803);
    Click("BtnNext");
    Click("BtnNext");
    ASSERT_EQ(History(), (Numbers{7803, 7827, 7828}));
    controls::WriteStateField(Store, controls::kPrevBlockedField, 27);

    Click("BtnPrev");  // 7828 is not blocked
    EXPECT_EQ(Run.CurrentScreen, 7827);

    Dialogs.Expect("Information", kPrevBlockedText);
    Click("BtnPrev");
    EXPECT_TRUE(Dialogs.AllShown());
    EXPECT_EQ(Run.CurrentScreen, 7827);
    EXPECT_EQ(History(), (Numbers{7803, 7827}));

    Store.SetFieldStr(controls::kPrevBlockedField, "");
    Click("BtnPrev");
    EXPECT_EQ(Run.CurrentScreen, 7803);
}

TEST_F(FrameTest, TheTitleFollowsScreensWithACaptionAndAnEmptyOneLeavesIt) {
    RegisterScreen("TQFTB_35");  // "Shared Care and Shared Care Percentage"
    RegisterScreen("TQFTB_14", {.OnCreate = [](TChildForm& screen) { screen.Caption.clear(); }});
    RegisterScreen("TQFTB_15");  // "Family Tax Benefit"
    Start(7834);
    EXPECT_EQ(Caption("TitleLabel"), "Shared Care and Shared Care Percentage");
    Click("BtnNext");
    EXPECT_EQ(Caption("Label1"), "7835");
    EXPECT_EQ(Caption("TitleLabel"), "Shared Care and Shared Care Percentage");
    Click("BtnNext");
    EXPECT_EQ(Caption("TitleLabel"), "Family Tax Benefit");
}

TEST_F(FrameTest, TheSectionMarkerFollowsTheScreensScrollBarMargin) {
    int margin = 0;
    RegisterScreen("TQFTB_02", {.OnCreate = [&margin](TChildForm& screen) {
        screen.VertScrollBarMargin = margin;
    }});
    struct Case {
        int margin;
        bool information, question, form;
    };
    for (const Case& c : {Case{1, false, true, false}, Case{2, false, false, true},
                          Case{99, false, false, false}, Case{0, true, false, false},
                          Case{5, true, false, false}}) {
        SCOPED_TRACE(c.margin);
        margin = c.margin;
        Start(7805);
        EXPECT_EQ(Widget<QWidget>("IImage").isVisible(), c.information);
        EXPECT_EQ(Widget<QWidget>("QImage").isVisible(), c.question);
        EXPECT_EQ(Widget<QWidget>("FImage").isVisible(), c.form);
    }
}

TEST_F(FrameTest, YesAndNoShownByTheScreenReplaceNextAndMoveByThePostedMessage) {
    std::vector<QObject*> senders;
    RegisterScreen("TQFTB_02", {
        .OnCreate = [&senders](TChildForm& screen) {
            screen.Run().NextYesNo = [&senders, &screen](QObject* Sender) {
                senders.push_back(Sender);
                screen.Run().SetScreen(Sender == screen.Frame().BtnYes() ? 7806 : 8001);
                platform::PostMessage(&screen.Frame(), platform::kLoadScreenMessage);
            };
        },
        .OnShow = [](TChildForm& screen, QObject*) {
            screen.Frame().BtnYes()->show();
            screen.Frame().BtnNo()->show();
        },
    });
    RegisterScreen("TQFTB_01");
    Start(7805);
    EXPECT_TRUE(Widget<QPushButton>("BtnNext").isHidden());
    EXPECT_EQ(Focused(), &Find<QPushButton>("BtnYes"));

    QTest::mouseClick(&Find<QPushButton>("BtnYes"), Qt::LeftButton);
    EXPECT_EQ(Run.CurrentScreen, 7805);  // the move waits for the posted message
    ProcessEvents();
    EXPECT_EQ(senders, std::vector<QObject*>{Frame->BtnYes()});
    EXPECT_EQ(Run.CurrentScreen, 7806);
    EXPECT_TRUE(Find<QPushButton>("BtnNext").isVisible());
    EXPECT_TRUE(Widget<QPushButton>("BtnYes").isHidden());
    EXPECT_TRUE(Widget<QPushButton>("BtnNo").isHidden());

    Click("BtnPrev");
    Click("BtnNo");
    EXPECT_EQ(senders.back(), Frame->BtnNo());
    EXPECT_EQ(Run.ExitScreen, 8001);
}

TEST_F(FrameTest, CloseAsksTheMainWindowWhichRefusesWhileAScreenIsShown) {
    RegisterScreen("TQFTB_02");
    Start(7805);
    Dialogs.Expect("Warning", frametest::kMustCompleteText);
    Click("BtnCancel");
    EXPECT_EQ(Host->CloseQueries, 1);
    EXPECT_TRUE(Host->CloseSenders.empty());
    EXPECT_EQ(Frame->Screen()->isVisible(), true);

    Frame->CloseFrame();
    Click("BtnCancel");
    EXPECT_EQ(Host->CloseSenders, std::vector<QObject*>{Frame->BtnCancel()});
}

TEST_F(FrameTest, MoreAndTheLinksOfTheTextsShowTheirHelpTopics) {
    const TTextProps link{.Lines = {"<C12;J512>Australian resident<.>"}};
    RegisterScreen("TQFTB_02", {.Controls = {Text("TextLbl1", {8, 8, 600, 40}, link)}});
    Start(7805);
    Click("BtnIntHelp");
    ASSERT_NE(Help.Viewer(), nullptr);
    EXPECT_EQ(Help.Viewer()->CurrentTopic(), 584);  // the catalogue's help context of 7805

    auto& text = Find<controls::TTextLbl>("TextLbl1");
    const QPoint onLink(20, 8);
    QTest::mouseMove(&text, onLink);
    QTest::mouseClick(&text, Qt::LeftButton, Qt::NoModifier, onLink);
    EXPECT_EQ(Help.Viewer()->CurrentTopic(), 512);
}

TEST_F(FrameTest, TheSelectPanelSetsTheSelectedNameAndCallsTheListClickHandler) {
    std::vector<std::string> clicked;
    RegisterScreen("TQFTB_48", {.OnCreate = [&clicked](TChildForm& screen) {
        TFrameWnd& frame = screen.Frame();
        frame.ShowSelectPanel("PanelFreeFormSelect");
        for (const char* line : {"You", "Jane", "** Create new worksheet **"}) {
            frame.ListBoxFFS()->addItem(QLatin1String(line));
        }
        screen.Run().ListClick = [&clicked, &frame](QObject* Sender) {
            EXPECT_EQ(Sender, frame.ListBoxFFS());
            clicked.push_back(frame.SelectedName());
        };
    }});
    Frame->SetSelectedName("stale");
    Start(7844);
    auto& panel = Find<QWidget>("PanelFreeFormSelect");
    auto& list = Find<QListWidget>("ListBoxFFS");
    EXPECT_EQ(Frame->SelectedName(), "");
    const QColor yellow(255, 255, 144);
    EXPECT_EQ(panel.palette().color(QPalette::Window), yellow);
    EXPECT_EQ(list.palette().color(QPalette::Base), yellow);
    EXPECT_EQ(list.palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(Widget<controls::TTextLbl>("TextLbl3").CurrentSection(), 1);

    for (int row : {1, 2}) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                          list.visualItemRect(list.item(row)).center());
    }
    EXPECT_EQ(clicked, (std::vector<std::string>{"Jane", ""}));
    EXPECT_EQ(Focused(), &list);

    Frame->ShowSelectPanel("");
    EXPECT_TRUE(panel.isHidden());
}

TEST_F(FrameTest, AListClickHandlerLeavesWithTheScreenThatRegisteredIt) {
    int calls = 0;
    RegisterScreen("TQFTB_02", {.OnCreate = [&calls](TChildForm& screen) {
        screen.Run().ListClick = [&calls](QObject*) { ++calls; };
    }});
    RegisterScreen("TQFTB_01", {.OnCreate = [](TChildForm& screen) {
        screen.Frame().ShowSelectPanel("PanelFreeFormSelect");
        screen.Frame().ListBoxFFS()->addItem(QStringLiteral("You"));
    }});
    Start(7805);
    Click("BtnNext");
    EXPECT_FALSE(Run.ListClick);
    auto& list = Find<QListWidget>("ListBoxFFS");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier,
                      list.visualItemRect(list.item(0)).center());
    EXPECT_EQ(Frame->SelectedName(), "You");
    EXPECT_EQ(calls, 0);
}

TEST_F(FrameTest, TheFocusGoesToTheFirstControlInTabOrderElseYesElseNext) {
    const std::vector<TControlDecl> controls = {
        Text("TextLbl1", {8, 8, 600, 40}, {.Lines = {"A question"}}),
        Group("grpAnswers", {8, 60, 300, 100}),
        Edit("edtFirst", 1246, {10, 20, 100, 22}).In("grpAnswers"),
        Edit("edtSecond", 1247, {10, 50, 100, 22}).In("grpAnswers"),
        Edit("edtOther", 1248, {320, 60, 100, 22}),
    };
    RegisterScreen("TQFTB_02", {.Controls = controls});
    Start(7805);
    // The group has tab order 0: the search looks inside it.
    EXPECT_EQ(Focused(), &Find<QLineEdit>("edtFirst"));

    std::vector<TControlDecl> disabledFirst = controls;
    disabledFirst[1] = Group("grpAnswers", {8, 60, 300, 100}).Disabled();
    RegisterScreen("TQFTB_02", {.Controls = disabledFirst});
    Start(7805);
    EXPECT_EQ(Focused(), &Find<QPushButton>("BtnNext"));

    RegisterScreen("TQFTB_02", {.OnShow = [](TChildForm& screen, QObject*) {
        screen.Frame().BtnYes()->show();
        screen.Frame().BtnNo()->show();
    }});
    Start(7805);
    EXPECT_EQ(Focused(), &Find<QPushButton>("BtnYes"));
}

TEST_F(FrameTest, ALoadAskedForDuringALoadFollowsItInsteadOfRunningInsideIt) {
    int shows = 0;
    RegisterScreen("TQFTB_02", {.OnShow = [&](TChildForm& screen, QObject* Sender) {
        EXPECT_EQ(Sender, Frame);
        ++shows;
        // The screen moves on at once and then runs a nested event loop, as a box does.
        screen.Run().SetScreen(7806);
        platform::PostMessage(Frame, platform::kLoadScreenMessage);
        QCoreApplication::processEvents();
        EXPECT_EQ(Frame->Screen(), &screen);
        EXPECT_EQ(Run.CurrentScreen, 7805);
    }});
    RegisterScreen("TQFTB_01");
    Start(7805);
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(Run.CurrentScreen, 7806);
    EXPECT_EQ(Caption("Label1"), "7806");
    EXPECT_EQ(History(), (Numbers{7805, 7806}));
}

}  // namespace
}  // namespace ftb::interview
