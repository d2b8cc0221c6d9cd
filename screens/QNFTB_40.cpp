#include "screens/QNFTB_40.h"

#include <QCheckBox>
#include <vector>

#include "assessment/Calendar.h"
#include "assessment/OverseasPeriods.h"
#include "controls/core/NameSubstitution.h"
#include "controls/core/StateFields.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/DependantRouting.h"
#include "screens/DependantScreens.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kOverseasField = 747;
constexpr int kDepartedField = 1101;
constexpr int kOverseasScreen = 7828;
const char kDatePlaceholder[] = "00/00/0000";

const char kQuestion[] =
    "<T1>Was the departure by this dependant on 00/00/0000 a <C12;J557>permanent<.;T1> "
    "departure?";
const std::vector<std::string> kHint = {
    "<X10><s1>If this dependant left Australia for good select <T1>Yes<.>. If this was a "
    "departure with an",
    "unknown return date select <T1>No<.>.",
};

}  // namespace

TQFTB_40::TQFTB_40(interview::TScreenContext& context) : TChildForm(context) {
    ShowYesButton = true;
    ShowNoButton = true;
    // The dependant's stored table: the worksheet is opened only once the screen exists.
    data::TextList table;
    context.Store.GetWorksheetLines(
        data::kDependantList,
        controls::ReadStateField(context.Store, controls::kCurrentDependantField), kOverseasField,
        table);
    departure_ = assessment::FirstOpenDeparture(assessment::OverseasRowsOf(table));
    interview::Build(
        *this,
        {
            ScreenText("TextLbl1", 10,
                       {controls::ReplaceAllIgnoringCase(kQuestion, kDatePlaceholder, departure_)}),
            ScreenText("TextLblName", 50,
                       {"<T1>" +
                        controls::WithDependantName("Periods overseas for DName", context.Store) +
                        "<.>"}),
            interview::Check("CheckBoxPermanentDeparture", kDepartedField, {10, 80, 20, 20})
                .Hidden(),
            HintBox(kHint),
        });
}

void TQFTB_40::FormCreate() { OpenCurrentDependant(*this); }

void TQFTB_40::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    ShowYesNo(*this);
}

void TQFTB_40::ChildFormYesNoClick(QObject* Sender) {
    const bool permanent = IsYes(*this, Sender);
    // No takes a Yes back: the dependant has not departed for good.
    Find<QCheckBox>("CheckBoxPermanentDeparture")->setChecked(permanent);
    const std::optional<data::Date> departed = DateIn(departure_);
    if (permanent && departed && *departed < assessment::kYearStart) {
        const bool confirmed = AskWarning(
            "You have entered a permanent departure date before the start of the income year, "
            "consequently this child will not be regarded as a dependant for FTB purposes this "
            "income year.\r\rIf this permanent departure date is correct click \"Yes\", otherwise "
            "select \"No\" and correct your departure date.",
            "Ineligible for FTB");
        MoveAfterAnswer(*this, confirmed ? kAnotherChildScreen : kOverseasScreen);
        return;
    }
    MoveAfterAnswer(*this, DependantRoute(Store()));
}

}  // namespace ftb::screens
