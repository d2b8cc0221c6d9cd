#include "screens/QNFTB_41.h"

#include <QCheckBox>

#include "assessment/Calendar.h"
#include "assessment/OverseasPeriods.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kOverseasTableField = 1249;
constexpr int kPermanentDepartureField = 1289;
constexpr int kOverseasScreen = 7814;
constexpr int kSectionEndScreen = 7816;
const char* const kDatePlaceholder = "00/00/0000";

const std::vector<std::string> kQuestion = {
    "<T1>Was the departure by you on 00/00/0000 a <C12;J514>permanent departure<.;T1>?",
    "",
    "<T0>You have entered a period overseas without a return date.",
};

const std::vector<std::string> kHint = {
    "<X10><s1>If this was a permanent departure select <T1>Yes<.>. If this was a non-permanent "
    "departure with an unknown",
    "return date select <T1>No<.>.",
};

const char* const kIneligibleTitle = "Ineligible for FTB";
const char* const kIneligibleMessage =
    "You have entered a permanent departure date before the start of the income year, "
    "consequently you are not eligible to claim FTB for this income year.\r\rIf this permanent "
    "departure date is correct click \"Yes\" and Ledgra will take you to the next topic. "
    "Otherwise select \"No\" and correct your departure date.";

std::vector<std::string> QuestionFor(const std::string& departure) {
    std::vector<std::string> lines = kQuestion;
    lines[0].replace(lines[0].find(kDatePlaceholder), std::string(kDatePlaceholder).size(),
                     departure);
    return lines;
}

}  // namespace

TQFTB_41::TQFTB_41(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    const data::TextList* table = Store().GetFieldLst(kOverseasTableField);
    departure_ =
        table ? assessment::FirstOpenDeparture(assessment::OverseasRowsOf(*table)) : std::string();
    interview::Build(*this, {
                                ScreenText("TextLbl1", 10, QuestionFor(departure_)),
                                interview::Check("CheckBoxPermanentDeparture",
                                                 kPermanentDepartureField, {10, 300, 20, 17})
                                    .Hidden(),
                                HintBox(kHint),
                            });
}

void TQFTB_41::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_41::ChildFormYesNoClick(QObject* Sender) {
    const bool permanent = IsYes(*this, Sender);
    auto* recorded = Find<QCheckBox>("CheckBoxPermanentDeparture");
    recorded->setChecked(permanent);
    const auto date = data::ParseDate(departure_);
    if (!permanent || !date || *date >= assessment::kYearStart) {
        MoveAfterAnswer(*this, kSectionEndScreen);
        return;
    }
    if (!AskWarning(kIneligibleMessage, kIneligibleTitle)) {
        MoveAfterAnswer(*this, kOverseasScreen);
        return;
    }
    // The departure stays recorded with the claim it ended.
    LeaveThroughGuard(*this, Sender, kPermanentDepartureExit,
                      [recorded] { recorded->setChecked(true); });
}

}  // namespace ftb::screens
