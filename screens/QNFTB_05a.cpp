#include "screens/QNFTB_05a.h"

#include "controls/TaxEdit.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpouseNames.h"

namespace ftb::screens {

namespace {

constexpr int kHadSpouseField = 1269;
constexpr int kSpouseDetailsScreen = 7818;
// The end of the spouse section: the spouse and marital-status screens are skipped.
constexpr int kSpouseSectionEnd = 7822;

const std::vector<std::string> kQuestion = {
    "<T1>Did you have a <C12;J517>spouse<.;T1> at any time during the period from 1 July "
    "<V99998> to 30 June <V99999>?<.>",
    "",
    "Answer <T1>Yes<.> if you had a spouse for all or part of the income year, even if you have",
    "since separated from your spouse or your spouse has died.",
    "",
    "If you answer <T1>Yes<.> you will be asked for the details of each spouse you had during the",
    "year, one after the other, and then for your marital status throughout the year.",
};

const std::vector<std::string> kHint = {
    "<X10>You must enter every spouse you had during the income year, not only your current",
    "spouse. If you have entered your spouse's details elsewhere in your tax return, you must",
    "enter them again here.",
};

}  // namespace

TQFTB_05a::TQFTB_05a(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, kQuestion),
                                interview::Edit("TaxEditAnswer", kHadSpouseField,
                                                {10, 300, 40, 21})
                                    .Hidden(),
                                HintBox(kHint),
                            });
}

void TQFTB_05a::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_05a::ChildFormYesNoClick(QObject* Sender) {
    auto* answer = Find<controls::TTaxEdit>("TaxEditAnswer");
    if (IsYes(*this, Sender)) {
        answer->AssignText("1");
        MoveAfterAnswer(*this, kSpouseDetailsScreen);
    } else if (SpouseCount(Store()) > 0) {
        // The spouses entered must go one by one, from the worksheet panel of the next screen.
        ShowError(
            "You have already entered spouse information.\r\rYou should delete these spouses "
            "individually from the next screen.");
        MoveAfterAnswer(*this, kSpouseDetailsScreen);
    } else {
        answer->AssignText("0");
        MoveAfterAnswer(*this, kSpouseSectionEnd);
    }
}

}  // namespace ftb::screens
