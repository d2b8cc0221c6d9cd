#include "screens/QNFTB_21.h"

#include "assessment/Calendar.h"
#include "controls/XGrid.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/TableChecks.h"
#include "screens/HintSections.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kFaoPeriodsField = 1252;
constexpr int kAlreadyClaimedScreen = 7805;
constexpr int kSectionEndScreen = 7812;
constexpr int kStartColumn = 0;
constexpr int kEndColumn = 1;

const std::vector<std::string> kHeading = {
    "<T1>Periods during the income year for which you or another person claimed or intend "
    "claiming a",
    "direct payment of FTB through the FAO.<.>",
    "",
    "Enter each period from 1 July <V99998> to 30 June <V99999> for which you, or another person "
    "(including",
    "your spouse), were paid FTB directly by the Family Assistance Office (FAO) or have claimed or",
    "intend to claim it from the FAO.",
    "",
    "Leave the table blank if no FTB was received from the FAO, or if you are not sure.",
};

const std::vector<std::string> kHint = {
    "<s0><X10>Enter the first day of the period of direct payment. If it began before 1 July "
    "<V99998>,",
    "enter 01/07/<V99998>.",
    "<s1><X10>Enter the last day of the period of direct payment. If it ended after 30 June "
    "<V99999>,",
    "enter 30/06/<V99999>.",
};

const char* const kWholeYearWarning =
    "The dates entered indicate that you have claimed or intended to claim a direct payment "
    "through FAO for the entire year\r\nAre you sure that this is correct? \r\n\r\nIf you answer "
    "Yes, you will be taken back to the question regarding claiming through FAO earlier in the "
    "interview.";

}  // namespace

TQFTB_21::TQFTB_21(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(*this,
                     {
                         ScreenText("TextLbl1", 10, kHeading),
                         interview::Grid("XGrid1", kFaoPeriodsField, {160, 160, 300, 200},
                                         {.ColCount = 2,
                                          .RowCount = 20,
                                          .Display = {"Start\rDate|2|2|10||F|F||-1|0|",
                                                      "End\rDate|2|2|10||F|F||-1|0|"},
                                          .TitleLines = 2,
                                          .ColWidths = {140, 140},
                                          .OnEnterCell =
                                              [this](QObject*, int Col, int) {
                                                  ShowHintSection(*this, Col);
                                              }}),
                         HintBox(kHint, 0, 2),
                     });
}

void TQFTB_21::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject*) { Run().SetScreen(kSectionEndScreen); });
    Run().LeaveCheck = [this](QObject*, interview::TCloseAction&) {
        Guarded([this] { FormLeaveCheck(); });
    };
    ShowHintSection(*this, 0);
}

// Runs on every move, Prev included; each table check stops the others.
void TQFTB_21::FormLeaveCheck() {
    const auto& grid = *Find<controls::TXGrid>("XGrid1");
    Run().ScreenValid =
        interview::RequiredCells(grid, "", true, Dialogs()) &&
        interview::DateOverlap(grid, kStartColumn, kEndColumn, true, Dialogs()) &&
        interview::DateOrder(grid, kStartColumn, kEndColumn, true, Dialogs());
    // A claim through the FAO for the whole year belongs to the first eligibility question.
    // Asked only on the way forward: Prev goes back there anyway.
    if (!Run().ScreenValid || Frame().BackwardMove() ||
        !interview::PeriodCoverage(grid, kStartColumn, kEndColumn, assessment::kYearStart,
                                   assessment::kYearEnd, false, Dialogs()))
        return;
    if (AskWarning(kWholeYearWarning, "Warning"))
        Run().SetScreen(kAlreadyClaimedScreen);
    else
        Run().ScreenValid = false;
}

}  // namespace ftb::screens
