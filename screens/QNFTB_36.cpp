#include "screens/QNFTB_36.h"

#include "controls/TaxEdit.h"
#include "controls/core/NameSubstitution.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kResidencyTableField = 1266;
constexpr int kResidentWholeYearField = 1268;
constexpr int kResidencyTableScreen = 7810;
constexpr int kFaoPeriodsScreen = 7811;

const std::vector<std::string> kQuestion = {
    "<T1>Were you an <C12;J512>Australian resident for social security purposes<.;T1> for the "
    "whole income year",
    "1 July <V99998> to 30 June <V99999> or the holder of an approved visa for the purposes of "
    "FTB?<.><L14>",
    "",
    "Answer <T1>Yes<.> if you were an Australian resident for social security purposes, or held an",
    "approved visa, on every day from 1 July <V99998> to 30 June <V99999>.",
    "",
    "Answer <T1>No<.> if there was any part of the income year in which you were not. On the next",
    "screen you will enter your residency status for each period of the year.",
};

const std::vector<std::string> kHint = {
    "<X10>Not every visa allows you to receive FTB. To find out whether yours does, see",
    "<C12;J591>visas and FTB<.>.",
};

const char* const kDeletionCaption = "Data deletion pending";
const char* const kDeletionMessage =
    "You have already entered information in the residency table, selecting \"Yes\" will cause "
    "this information to be deleted. \r\rIf you wish to continue with this deletion select "
    "\"Yes\". Select \"No\" to review the information you have already entered in the residency "
    "table.";

}  // namespace

TQFTB_36::TQFTB_36(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this,
                     {
                         ScreenText("TextLbl1", 10, kQuestion),
                         interview::Edit("TaxEditResQuetionAnswered", kResidentWholeYearField,
                                         {10, 300, 40, 21},
                                         {.NumericType = controls::ntNumeric})
                             .Hidden(),
                         HintBox(kHint),
                     });
}

void TQFTB_36::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_36::SetAnswered(bool wholeYear) {
    Find<controls::TTaxEdit>("TaxEditResQuetionAnswered")->AssignText(wholeYear ? "1" : "0");
}

// Yes skips the residency table, once the claimant agrees to lose what it holds.
void TQFTB_36::ChildFormYesNoClick(QObject* Sender) {
    const bool wholeYear =
        IsYes(*this, Sender) &&
        controls::ClearWithConfirmation(Store(), Dialogs(), {kResidencyTableField},
                                        kDeletionCaption, {}, false, kDeletionMessage);
    SetAnswered(wholeYear);
    MoveAfterAnswer(*this, wholeYear ? kFaoPeriodsScreen : kResidencyTableScreen);
}

}  // namespace ftb::screens
