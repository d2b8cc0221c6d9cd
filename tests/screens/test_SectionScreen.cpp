// The section and validate-and-complete screen TQFTB_38 in the real frame: its ten positions,
// the completion checks listed at 7859, following a warning, and the navigator beside it.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "assessment/support/IntegrityFixtures.h"
#include "assessment/support/ReturnBuilder.h"
#include "controls/core/StateFields.h"
#include "data/Ext80.h"
#include "interview/Intrview.h"
#include "platform/Help.h"
#include "platform/QtText.h"
#include "screens/QNFTB_38.h"
#include "support/ScreensFixture.h"

namespace ftb::screens::test {
namespace {

using platform::dbNo;
using platform::dbYes;
using test_support::AnsweredDependant;
using test_support::ReturnBuilder;
using test_support::WorksheetBuilder;

constexpr long double kZero = data::kExplicitZero;

// The birth date of a dependant of that age on 1 July 2001.
std::string BornAged(int age) { return "15/03/" + std::to_string(2001 - age); }

class SectionScreen : public ScreensFixture {
  protected:
    // A return the completion checks find nothing in: no spouse during the year, no payers.
    void QuietReturn() {
        Store.SetFieldStr(1269, "0");
        Store.SetFieldChecked(1265);
    }

    // The messages ListBoxWarnings shows, in order.
    std::vector<std::string> ListedWarnings() const {
        const auto& list = Widget<QListWidget>("ListBoxWarnings");
        std::vector<std::string> lines;
        for (int row = 0; row < list.count(); ++row)
            lines.push_back(platform::ToWin1252(list.item(row)->text()));
        return lines;
    }

    // Clicks the line of ListBoxWarnings that shows the message, then delivers posted messages.
    void ClickWarning(const std::string& message) {
        auto& list = Find<QListWidget>("ListBoxWarnings");
        const auto found = list.findItems(platform::FromWin1252(message), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << message;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          list.visualItemRect(found.front()).center());
        ProcessEvents();
    }

    int State(int field) const { return controls::ReadStateField(Store, field); }

    const TQFTB_38& Screen38() const { return dynamic_cast<const TQFTB_38&>(*Frame->Screen()); }
};

TEST_F(SectionScreen, EachSectionEndShowsItsTextHelpAndHintAndNextOpensTheNextSection) {
    struct Position {
        int screen;
        int textSection;
        int helpContext;
        int yellowBoxSection;  // 0: hidden
        int next;
    };
    const Position positions[] = {
        {7804, 1, 530, 1, 7805}, {7812, 2, 553, 0, 7813}, {7816, 3, 553, 0, 7817},
        {7822, 4, 553, 0, 7823}, {7826, 5, 553, 0, 7827}, {7837, 6, 545, 0, 7839},
        {7842, 7, 583, 0, 7843}, {7849, 8, 553, 0, 7850},
    };
    for (const Position& p : positions) {
        SCOPED_TRACE(p.screen);
        Store.SetFieldChecked(1277);
        controls::WriteStateField(Store, controls::kPrevBlockedField, 27);
        // The jump leaves the question screen the last Next opened without its answers.
        Frame->SetBackwardMove(true);
        Start(p.screen);
        ASSERT_EQ(Shown(), p.screen);
        EXPECT_FALSE(Store.FieldChecked(1277));
        EXPECT_TRUE(Frame->NavigatorVisible());
        EXPECT_EQ(Text("TextLblIntro").CurrentSection(), p.textSection);
        EXPECT_EQ(Text("TextLblYellowBox").isVisible(), p.yellowBoxSection != 0);
        if (p.yellowBoxSection != 0) {
            EXPECT_EQ(Text("TextLblYellowBox").CurrentSection(), p.yellowBoxSection);
        }
        EXPECT_FALSE(Widget<QListWidget>("ListBoxWarnings").isVisible());
        Click("BtnIntHelp");
        EXPECT_EQ(Help.Viewer()->CurrentTopic(), p.helpContext);

        Click("BtnNext");
        EXPECT_EQ(Run.CurrentScreen, p.next);
        EXPECT_EQ(State(controls::kPrevBlockedField), -1);
    }
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(SectionScreen, NextAfterSpousalMaintenanceDependsOnMaintenanceRelevantDependants) {
    QuietReturn();
    Start(7849);
    Click("BtnNext");
    EXPECT_EQ(Run.CurrentScreen, 7850);

    // A child of 10 in full care with no family income: its maintenance matters.
    ReturnBuilder(Store).AddDependant(AnsweredDependant("Kim", BornAged(10), kZero));
    Start(7849);
    Click("BtnNext");
    EXPECT_EQ(Run.CurrentScreen, 7851);
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(SectionScreen, ACompleteClaimShowsTheEndAndNextLeavesWith6601) {
    QuietReturn();
    Start(7858);
    ASSERT_EQ(Shown(), 7858);
    EXPECT_EQ(Text("TextLblIntro").CurrentSection(), 0);
    EXPECT_TRUE(Text("TextLblYellowBox").isVisible());
    EXPECT_EQ(Text("TextLblYellowBox").CurrentSection(), 2);
    EXPECT_FALSE(Widget<QListWidget>("ListBoxWarnings").isVisible());
    EXPECT_EQ(Frame->Screen()->HelpContext, 553);
    // The box fits its two lines and keeps 10 pixels above the bottom; the text ends above it.
    Paint();
    const QRect box = Text("TextLblYellowBox").geometry();
    EXPECT_EQ(box.height(), 2 * 16 + 3);
    EXPECT_EQ(box.bottom() + 1, interview::kDesignHeight - 10);
    EXPECT_LT(Text("TextLblIntro").geometry().bottom(), box.top());
    EXPECT_TRUE(Screen38().Warnings().empty());

    Click("BtnNext");
    EXPECT_EQ(Shown(), 0);
    EXPECT_EQ(Run.ExitScreen, 6601);
    ASSERT_FALSE(Host->CloseSenders.empty());
    EXPECT_EQ(Host->CloseSenders.back(), Frame->BtnYes());
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(SectionScreen, FindingsTurnTheEndIntoTheListOfWarningsOnce) {
    Store.SetFieldStr(1269, "1");  // a spouse during the year, and no marital table
    ReturnBuilder returns(Store);
    returns.AddSpouse(WorksheetBuilder("Ann Lee"));
    returns.AddDependant(WorksheetBuilder("Kim"));
    returns.AddDependant(AnsweredDependant("Lou", "15/03/1991", kZero, {724}));
    returns.AddDependant(AnsweredDependant("Max", "15/03/1989", kZero, {731}));
    Store.SetFieldLst(1264, {"Joe Payer"});

    Start(7858);
    ASSERT_EQ(Shown(), 7859);
    EXPECT_EQ(Run.ScreenIndex, 59);
    const std::vector<std::string> expected = {
        "Family circumstance period table needs to be completed",
        "Dependant age missing",
        "Dependant ATI details missing",
        "Dependant circumstance data incomplete",
        "Dependant maintenance information required",
        "Spousal maintenance information required",
    };
    EXPECT_EQ(ListedWarnings(), expected);
    EXPECT_TRUE(Widget<QListWidget>("ListBoxWarnings").isVisible());
    EXPECT_EQ(Widget<QListWidget>("ListBoxWarnings").cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(Text("TextLblIntro").CurrentSection(), -1);
    EXPECT_FALSE(Text("TextLblYellowBox").isVisible());
    EXPECT_EQ(Frame->Screen()->HelpContext, 546);
    ASSERT_EQ(Screen38().Warnings().size(), expected.size());
    EXPECT_EQ(Screen38().Warnings()[2], (assessment::Warning{30, 1, expected[2]}));

    // The screen at 59 stays: it does not reload itself.
    const interview::TChildForm* shown = Frame->Screen();
    ProcessEvents();
    EXPECT_EQ(Frame->Screen(), shown);
    EXPECT_EQ(Shown(), 7859);

    // Next leaves even though findings remain.
    Click("BtnNext");
    EXPECT_EQ(Run.ExitScreen, 6601);
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(SectionScreen, AWarningOfTheThirdDependantOpensItsIncomeDetails) {
    QuietReturn();
    ReturnBuilder returns(Store);
    for (const char* name : {"Ann", "Ben"})
        returns.AddDependant(AnsweredDependant(name, BornAged(10), kZero).Check(1106));
    returns.AddDependant(AnsweredDependant("Cat", BornAged(10), kZero, {718}).Check(1106));
    // The dependant income screen opens the worksheet of the dependant that field 1280 names.
    RegisterScreen("TQFTB_11", {.OnCreate = [](interview::TChildForm& screen) {
                        screen.Frame().OpenWorksheetListAt(
                            data::kDependantList,
                            controls::ReadStateField(screen.Store(),
                                                     controls::kCurrentDependantField) + 1);
                    }});

    Start(7858);
    ASSERT_EQ(Shown(), 7859);
    ASSERT_EQ(ListedWarnings(), (std::vector<std::string>{"Dependant ATI details missing"}));
    ClickWarning("Dependant ATI details missing");

    EXPECT_EQ(Shown(), 7830);
    EXPECT_EQ(Created("TQFTB_11"), 1);
    EXPECT_EQ(State(controls::kCurrentDependantField), 2);
    EXPECT_EQ(Store.CurrentWorksheet(), 3);
    EXPECT_EQ(Store.GetFieldStr(710), "Cat");
    EXPECT_EQ(State(controls::kPrevBlockedField), 30);
    EXPECT_EQ(State(1282), 0);
    EXPECT_TRUE(Store.FieldChecked(1277));
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(SectionScreen, ASpouseMissingFromTheMaritalTableAsksWhereToGo) {
    const std::string question =
        "Ann Lee does not appear in the marital status table. Do You wish to change the marital "
        "status table?\r\n\r\nThe reason for this error message is that you have entered spouse "
        "details for Ann Leebut have not included this spouse in the table of marital status at "
        "any time during the income year 1 July 2001 to 30 June 2002. \r\n\r\nIf you wish to "
        "edit the marital status table select \"Yes\" and Ledgra will now return you to the "
        "marital status table. If Ann Lee was not your partner at any time throughout the "
        "income You should delete their details from Ledgra. To delete this spouse's details "
        "select \"No\" and Ledgra will return you to the \"Spouse Details\" screen from where "
        "you can delete the record for Ann Lee";
    struct Answer {
        platform::DialogButton button;
        int screen;
        int spouse;  // field 1279 afterwards
    };
    for (const Answer& answer : {Answer{dbYes, 7821, -1}, Answer{dbNo, 7818, 1}}) {
        SCOPED_TRACE(answer.screen);
        Store.ClearAllFields();
        QuietReturn();
        Store.SetFieldStr(1269, "1");
        ReturnBuilder returns(Store);
        returns.AddSpouse(WorksheetBuilder("Sam"));
        returns.AddSpouse(WorksheetBuilder("Ann Lee"));
        returns.Table(1250, {{"Sam", "01/07/2001", "30/06/2002", "50"}});

        Start(7858);
        ASSERT_EQ(
            Screen38().Warnings(),
            (std::vector<assessment::Warning>{{21, 1, "Ann Lee Not in marital status table"}}));
        Dialogs.Expect("Question", question, answer.button);
        ClickWarning("Ann Lee Not in marital status table");

        EXPECT_EQ(Run.CurrentScreen, answer.screen);
        EXPECT_EQ(State(controls::kCurrentSpouseField), answer.spouse);
        EXPECT_EQ(State(controls::kPrevBlockedField), answer.screen - 7800);
        EXPECT_TRUE(Store.FieldChecked(1277));
    }
}

TEST_F(SectionScreen, AWarningOfMaritalDatesOpensTheTableWithoutAQuestion) {
    QuietReturn();
    Store.SetFieldStr(1269, "1");
    ReturnBuilder returns(Store);
    returns.AddSpouse(WorksheetBuilder("Sam"));
    returns.Table(1250, {{"Sam", "01/07/2001", "31/12/2001", "50"}});

    Start(7858);
    ClickWarning("Missing or overlapping dates in marital status table");
    EXPECT_EQ(Run.CurrentScreen, 7821);
    EXPECT_EQ(State(controls::kCurrentSpouseField), -1);
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(SectionScreen, NextDuringABackwardMoveChangesNothing) {
    QuietReturn();
    for (int screen : {7849, 7858}) {
        SCOPED_TRACE(screen);
        controls::WriteStateField(Store, controls::kPrevBlockedField, 27);
        Start(screen);
        Frame->SetBackwardMove(true);
        Click("BtnNext");
        EXPECT_EQ(Shown(), screen);
        EXPECT_EQ(Run.ExitScreen, 0);
        EXPECT_EQ(State(controls::kPrevBlockedField), 27);
    }
}

TEST_F(SectionScreen, LeavingBackwardsMarksTheNavigatorEntryAndAClickOnItDoesToo) {
    Start(7803);
    Click("BtnNext");
    ASSERT_EQ(Shown(), 7804);
    EXPECT_FALSE(Store.FieldChecked(1277));
    Click("BtnPrev");
    EXPECT_EQ(Shown(), 7803);
    EXPECT_TRUE(Store.FieldChecked(1277));

    // A node of the navigator leads to its section, marking the entry through the navigator.
    Store.SetFieldVal(1268, 1);
    Start(7804);
    EXPECT_FALSE(Store.FieldChecked(1277));
    auto& navigator = Find<QTreeWidget>("fcNavigator");
    const auto nodes = navigator.findItems(QStringLiteral("Your residency"), Qt::MatchExactly);
    ASSERT_EQ(nodes.size(), 1);
    QTest::mouseClick(navigator.viewport(), Qt::LeftButton, {},
                      navigator.visualItemRect(nodes.front()).center());
    ProcessEvents();
    EXPECT_EQ(Run.CurrentScreen, 7809);
    EXPECT_TRUE(Store.FieldChecked(1277));
}

}  // namespace
}  // namespace ftb::screens::test
