#include "screens/QNFTB_43.h"

#include "controls/Textlbl.h"
#include "controls/XGrid.h"
#include "interview/ScreenBuilder.h"
#include "interview/TableChecks.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpouseNames.h"

namespace ftb::screens {

namespace {

constexpr int kBlindPeriodsField = 1291;
constexpr int kWaiverScreen = 7825;

constexpr int kRecipientCol = 0;
constexpr int kStartCol = 1;
constexpr int kEndCol = 2;

const std::vector<std::string> kHeading = {
    "<T1>Enter the periods throughout the income year 1 July <V99998> to 30 June <V99999> in "
    "which you ",
    "or your spouse were and in receipt of: ",
    "<X0>\x95<X10>the <C12;J544>blind rate of social security pension<.;T1> OR",
    "<X0>\x95<X10>the <C12;J544>blind rate of service pension or income support "
    "supplement<.;T1> from the Department of",
    "<X10>Veterans' Affairs.<.>",
};

const std::vector<std::string> kHint = {
    "<s0><X10>Choose from the list who received the pension: <T1>You<.> or the spouse who "
    "received it.",
    "<s1><X10>Enter the date the pension started, or 1/7/<V99998> if it started before the "
    "income year.",
    "<s2><X10>Enter the date the pension stopped, or 30/6/<V99999> if it was still paid at the "
    "end of the",
    "income year.",
};
constexpr int kHintLines = 2;

const char* const kClaimant = "You";

}  // namespace

TQFTB_43::TQFTB_43(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(
        *this,
        {
            ScreenText("TextLbl1", 10, kHeading),
            interview::Grid(
                "XGrid1", kBlindPeriodsField, {10, 110, 594, 124},
                {.ColCount = 3,
                 .RowCount = 6,
                 .Display = {"Recipient|2|0|150|0|F|T|0||||10|1|11|You|1|2|3|4|5|6|7|8|9||",
                             "Start Date|2|2|30|0|F|F||-1|0|", "End Date|2|2|30|0|F|F||-1|0|"},
                 .ColWidths = {320, 125, 125},
                 .OnEnterCell =
                     [this](QObject*, int Col, int) {
                         Find<controls::TTextLbl>("TextLblYellowBox")->SetCurrentSection(Col);
                     },
                 .OnPicklistDropdown =
                     [this](QObject*, int Col, int, data::TextList& Picklist) {
                         if (Col != kRecipientCol) return;
                         Picklist = {kClaimant};
                         for (std::string& name : SpouseDisplayNames(Store()))
                             Picklist.push_back(std::move(name));
                     }}),
            HintBox(kHint, 0, kHintLines),
        });
}

void TQFTB_43::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject*) { Run().SetScreen(kWaiverScreen); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
}

void TQFTB_43::ChildFormClose() {
    // Also on the way back: a period that ends before it starts is never kept.
    if (!interview::DateOrder(*Find<controls::TXGrid>("XGrid1"), kStartCol, kEndCol, true,
                              Dialogs()))
        Run().ScreenValid = false;
}

}  // namespace ftb::screens
