// The opening screens in the real frame: the overview of the steps (7803) and the eligibility
// questions (7805 to 7808), answered with the frame's buttons as the claimant answers them.
#include <gtest/gtest.h>

#include <QPushButton>
#include <algorithm>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "assessment/support/ReturnBuilder.h"
#include "interview/ScreenBuilder.h"
#include "screens/QNFTB_03.h"
#include "screens/QNFTB_27.h"
#include "screens/QNFTB_38.h"
#include "screens/QNFTB_51.h"
#include "screens/QnFTB_01.h"
#include "screens/QnFTB_02.h"
#include "support/ScreensFixture.h"

namespace ftb::screens::test {
namespace {

using platform::dbNo;
using platform::dbYes;

const std::string kDeleteTitle = "Warning You Are About to Delete Data";
const std::string kDeleteText =
    "You have previously entered FTB data, are you sure you want to continue with this "
    "deletion?\rIf you select \"Yes\" all FTB data will be lost.";

// An eligibility answer that ends the claim.
struct IneligibleAnswer {
    int screen;
    const char* button;
};
const IneligibleAnswer kIneligibleAnswers[] = {
    {7805, "BtnYes"},  // FTB already claimed in full another way
    {7806, "BtnNo"},   // the basic criteria are not met
    {7807, "BtnYes"},  // claiming through the FAO instead
};

class OpeningScreens : public ScreensFixture {
  protected:
    // Every field's text and the number of worksheets of both lists.
    std::vector<std::string> Snapshot() const {
        std::vector<std::string> fields;
        for (int field = 1; field <= data::kFieldCount; ++field)
            fields.push_back(Store.GetFieldText(field));
        for (int list : {data::kSpouseList, data::kDependantList})
            fields.push_back(std::to_string(Store.HighestWorksheetNumber(list)));
        return fields;
    }

    // Answers that the delete-all guard clears (1246, 1250, the spouse worksheets) and one it
    // keeps (1268).
    void EnterFtbData() {
        test_support::ReturnBuilder(Store)
            .Amount(1268, 1)
            .Text(1269, "1")
            .Text(1246, "Yes")
            .Table(1250, {{"Sam", "01/07/2001", "30/06/2002", "50"}})
            .AddSpouse(test_support::WorksheetBuilder("Sam"));
    }

    const std::type_info& ShownClass() const { return typeid(*Frame->Screen()); }
};

TEST_F(OpeningScreens, TheClaimRunsFromTheStepsThroughEligibilityToResidency) {
    Start(7803);
    EXPECT_EQ(ShownClass(), typeid(TQFTB_51));
    EXPECT_TRUE(Frame->BtnNext()->isVisible());
    EXPECT_FALSE(Frame->BtnYes()->isVisible());
    Click("BtnNext");
    ASSERT_EQ(Shown(), 7804);
    EXPECT_EQ(ShownClass(), typeid(TQFTB_38));
    Click("BtnNext");

    // Each question answered with the answer that goes on.
    struct Step {
        int screen;
        const std::type_info& screenClass;
        const char* answer;
    };
    const Step steps[] = {
        {7805, typeid(TQFTB_02), "BtnNo"},
        {7806, typeid(TQFTB_01), "BtnYes"},
        {7807, typeid(TQFTB_03), "BtnNo"},
        {7808, typeid(TQFTB_27), "BtnYes"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.screen);
        ASSERT_EQ(Shown(), step.screen);
        EXPECT_EQ(ShownClass(), step.screenClass);
        EXPECT_TRUE(Frame->BtnYes()->isVisible());
        EXPECT_TRUE(Frame->BtnNo()->isVisible());
        EXPECT_FALSE(Frame->BtnNext()->isVisible());
        Click(step.answer);
    }
    // 7808 Yes opens the residency question.
    EXPECT_EQ(Shown(), 7809);
    EXPECT_EQ(Run.ExitScreen, 0);
    EXPECT_EQ(History(), (std::vector<std::int32_t>{7803, 7804, 7805, 7806, 7807, 7808, 7809}));
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(OpeningScreens, AnIneligibleAnswerWithNoFtbDataLeavesWithoutAQuestion) {
    // The residency answer is not among the answers the guard clears.
    Store.SetFieldVal(1268, 1);
    for (const IneligibleAnswer& answer : kIneligibleAnswers) {
        SCOPED_TRACE(answer.screen);
        Run.ExitScreen = 0;
        Start(answer.screen);
        Click(answer.button);
        EXPECT_EQ(Shown(), 0);
        EXPECT_EQ(Run.ExitScreen, 8001);
        ASSERT_FALSE(Host->CloseSenders.empty());
        EXPECT_EQ(Host->CloseSenders.back(), Frame->BtnYes());
        EXPECT_EQ(Store.GetFieldVal(1268), 1);
    }
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(OpeningScreens, AnIneligibleAnswerAfterFtbDataAsksFirst) {
    for (const IneligibleAnswer& answer : kIneligibleAnswers) {
        SCOPED_TRACE(answer.screen);
        Store.ClearAllFields();
        EnterFtbData();
        Run.ExitScreen = 0;
        Start(answer.screen);
        const std::vector<std::string> entered = Snapshot();

        // Declined: the screen stays and every answer is kept.
        Dialogs.Expect(kDeleteTitle, kDeleteText, dbNo);
        Click(answer.button);
        EXPECT_EQ(Shown(), answer.screen);
        EXPECT_EQ(Run.ExitScreen, 0);
        EXPECT_EQ(Snapshot(), entered);

        // Agreed: the answers go, the residency answer stays, and the interview leaves.
        Dialogs.Expect(kDeleteTitle, kDeleteText, dbYes);
        Click(answer.button);
        EXPECT_EQ(Run.ExitScreen, 8001);
        EXPECT_TRUE(Store.FieldIsEmpty(1246));
        EXPECT_TRUE(Store.FieldIsEmpty(1250));
        EXPECT_EQ(Store.HighestWorksheetNumber(data::kSpouseList), 0);
        EXPECT_EQ(Store.GetFieldVal(1268), 1);
        EXPECT_TRUE(History().empty());
    }
}

TEST_F(OpeningScreens, NotProceedingNowLeavesWithEveryAnswerKept) {
    EnterFtbData();
    test_support::ReturnBuilder(Store).AddDependant(test_support::Dependant("Kim", "15/03/1995"));
    Start(7808);
    const std::vector<std::string> entered = Snapshot();
    Click("BtnNo");
    EXPECT_EQ(Run.ExitScreen, 8001);
    EXPECT_EQ(Snapshot(), entered);
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(OpeningScreens, PrevFromTheStepsGoesBackWithoutMovingOn) {
    Run.ScreenHistory = {7805};
    Start(7803);
    Click("BtnPrev");
    EXPECT_EQ(Shown(), 7805);
    EXPECT_EQ(History(), (std::vector<std::int32_t>{7805}));
}

TEST_F(OpeningScreens, HandlersDoNothingDuringABackwardMove) {
    EnterFtbData();
    const std::vector<std::pair<int, const char*>> presses = {
        {7803, "BtnNext"}, {7805, "BtnYes"}, {7806, "BtnNo"}, {7808, "BtnNo"}};
    for (const auto& [screen, button] : presses) {
        SCOPED_TRACE(screen);
        Start(screen);
        const std::vector<std::int32_t> history = History();
        Frame->SetBackwardMove(true);
        Click(button);
        Frame->SetBackwardMove(false);
        EXPECT_EQ(Shown(), screen);
        EXPECT_EQ(Run.ExitScreen, 0);
        EXPECT_EQ(History(), history);
    }
    EXPECT_TRUE(Dialogs.shown.empty());
}

TEST_F(OpeningScreens, HeadingsDecisionLinesAndStepLinks) {
    struct Quoted {
        int screen;
        const char* label;
        std::size_t line;  // from the end when `fromEnd`
        bool fromEnd;
        const char* text;
    };
    const Quoted quoted[] = {
        {7803, "TextLbl1", 0, false,
         "<T1>Completing the family tax benefit (FTB) item in Ledgra<.><L14>"},
        {7805, "TextLbl1", 0, false,
         "<T1>Does the following apply for the whole of the <V99998>-<V99999> income "
         "year?<.;L14>"},
        {7805, "TextLbl1", 0, true,
         "If  <T1>Yes<.> you cannot complete this FTB tax claim and <T2>Ledgra<.> will move to "
         "the next section."},
        {7806, "TextLbl1", 0, false,
         "<T1>Do you and your children satisfy the basic FTB eligibility criteria?<.>"},
        {7807, "TextLbl1", 0, false, "<T1>Did any of the following apply to you?<.>"},
        {7808, "TextLbl1", 0, false,
         "<T1>Do you wish to proceed with the Ledgra FTB data collection interview?<.><L14>"},
    };
    for (const Quoted& q : quoted) {
        SCOPED_TRACE(q.text);
        Start(q.screen);
        const std::vector<std::string>& lines = Text(q.label).Text();
        ASSERT_GT(lines.size(), q.line);
        EXPECT_EQ(q.fromEnd ? lines[lines.size() - 1 - q.line] : lines[q.line], q.text);
    }

    // The nine steps of 7803 in order, each a link to its help topic.
    const std::vector<std::pair<int, std::string>> steps = {
        {530, "Are you eligible to claim through the tax system?"},
        {523, "Periods you are not eligible to claim during the income year"},
        {525, "Your personal details"},
        {506, "Your spouse/former spouse(s) details"},
        {539, "Marital status"},
        {544, "Special circumstances"},
        {550, "Dependant(s) details"},
        {545, "Maintenance income"},
        {546, "Your completed FTB tax claim"},
    };
    Start(7803);
    const std::vector<std::string>& lines = Text("TextLbl1").Text();
    std::size_t from = 0;
    for (std::size_t step = 0; step < steps.size(); ++step) {
        const std::string link =
            "<C12;J" + std::to_string(steps[step].first) + ">" + steps[step].second + "<.>";
        const std::string number = "Step " + std::to_string(step + 1);
        const auto line = std::find_if(
            lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end(),
            [&](const std::string& text) { return text.find(number) != std::string::npos; });
        ASSERT_NE(line, lines.end()) << number;
        EXPECT_NE(line->find(link), std::string::npos) << *line;
        from = static_cast<std::size_t>(line - lines.begin()) + 1;
    }
}

TEST_F(OpeningScreens, TextsFillTheYearTagsAndTheHintBoxSitsAboveTheBottom) {
    for (int screen : {7803, 7805, 7806, 7807, 7808}) {
        SCOPED_TRACE(screen);
        Start(screen);
        Paint();
        for (controls::TTextLbl* text : Frame->Screen()->findChildren<controls::TTextLbl*>()) {
            SCOPED_TRACE(text->objectName().toStdString());
            ASSERT_TRUE(text->OnScreenTag);
            for (const auto& [tag, year] : std::vector<std::pair<int, std::string>>{
                     {99997, "1998"}, {99998, "2001"}, {99999, "2002"}}) {
                std::string value;
                text->OnScreenTag(tag, value);
                EXPECT_EQ(value, year);
            }
            EXPECT_LE(text->geometry().right(), interview::kDesignWidth - 1);
        }
        const controls::TTextLbl& hint = Find<controls::TTextLbl>("TextLblYellowBox");
        EXPECT_EQ(hint.Color(), 9502719u);
        EXPECT_EQ(hint.geometry().bottom() + 1, interview::kDesignHeight - 10);
        // No two texts share a pixel.
        const auto texts = Frame->Screen()->findChildren<controls::TTextLbl*>();
        for (qsizetype a = 0; a < texts.size(); ++a)
            for (qsizetype b = a + 1; b < texts.size(); ++b)
                EXPECT_FALSE(texts[a]->geometry().intersects(texts[b]->geometry()))
                    << texts[a]->objectName().toStdString() << " and "
                    << texts[b]->objectName().toStdString();
    }
}

}  // namespace
}  // namespace ftb::screens::test
