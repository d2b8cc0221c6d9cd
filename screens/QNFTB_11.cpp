#include "screens/QNFTB_11.h"

#include <array>
#include <string>
#include <vector>

#include "assessment/Calendar.h"
#include "assessment/FamilyTests.h"
#include "controls/TaxEdit.h"
#include "controls/core/NameSubstitution.h"
#include "controls/core/StateFields.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/ScreenHelpers.h"
#include "screens/DependantRouting.h"
#include "screens/DependantScreens.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

using controls::TTaxEdit;

struct TAmountField {
    const char* name;
    int tag;
    const char* label;  // a help link
    const char* hint;
};

// In the order of the screen, which is the order in which an empty one is reported.
const std::array<TAmountField, 6> kAmounts = {{
    {"TaxEdit4", 725, "<C12;J558>Taxable income<.>", "Enter this dependant's taxable income"},
    {"TaxEdit6", 718, "<C12;J559>Reportable fringe benefits<.>",
     "Enter this dependant's reportable fringe benefits"},
    {"TaxEdit1", 719, "<C12;J560>Net rental property losses<.>",
     "Enter this dependant's net rental property losses"},
    {"TaxEdit2", 720, "<C12;J561>Tax free pensions and benefits<.>",
     "Enter this dependant'stax free pensions and benefits"},
    {"TaxEdit3", 723, "<C12;J562>Target foreign income<.>",
     "Enter this dependant's target foreign income"},
    {"TaxEdit5", 724, "<C12;J563>Deductible child maintenance expenditure<.>",
     "Enter this dependant's child maintenance expenditure"},
}};

const std::vector<std::string> kHeading = {
    "<T1>Enter the  income details for the above dependant. For amounts that are zero enter "
    "\"0\"<.>"};
const std::vector<std::string> kHint = {
    "<X10>A dependant aged 16 or more, or aged 5 to 15 and not in full-time study for the whole",
    "year, counts for FTB only while their adjusted taxable income is within the income limit.",
};
const char kAllFieldsMessage[] =
    "Please fill in all the fields on this screen. Where there is no income or expenditure enter "
    "\"0\"";
// A dependant under this age on 1 July 2001 counts whatever their income.
constexpr int kIncomeTestAge = 16;

std::vector<interview::TControlDecl> Controls(const std::string& nameCaption) {
    std::vector<interview::TControlDecl> controls = {
        ScreenText("TextLblName", 10, {"<T1>" + nameCaption + "<.>"}),
        ScreenText("TextLbl1", 40, kHeading),
    };
    int top = 90;
    for (const TAmountField& amount : kAmounts) {
        controls.push_back(interview::Text(std::string("Label") + amount.name,
                                           {kTextLeft, top + 2, 330, 19},
                                           {.Lines = {amount.label}, .Color = kScreenColour}));
        controls.push_back(interview::Edit(amount.name, amount.tag, {350, top, 110, 22},
                                           {.Decimals = 0,
                                            .MaxLength = 8,
                                            .NumericType = controls::ntCurrency,
                                            .ValidChars = "0..9",
                                            .VarnholtDataType = controls::vtDollar}));
        top += 32;
    }
    controls.push_back(HintBox(kHint));
    return controls;
}

}  // namespace

TQFTB_11::TQFTB_11(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(*this, Controls(controls::WithDependantName("Income details for DName",
                                                                 context.Store)));
    for (const TAmountField& amount : kAmounts)
        Find<TTaxEdit>(amount.name)->setToolTip(QString::fromLatin1(amount.hint));
}

void TQFTB_11::FormCreate() {
    OpenCurrentDependant(*this);
    Frame().ShowActionPanel(false);
}

void TQFTB_11::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
}

controls::TTaxEdit* TQFTB_11::FirstEmptyAmount() const {
    for (const TAmountField& amount : kAmounts) {
        TTaxEdit* edit = Find<TTaxEdit>(amount.name);
        if (interview::EditIsEmpty(*edit)) return edit;
    }
    return nullptr;
}

void TQFTB_11::ChildFormClose() {
    if (Frame().BackwardMove()) return;
    if (TTaxEdit* empty = FirstEmptyAmount())
        interview::RequireFilled(Run(), Dialogs(), *empty, kAllFieldsMessage, true);
}

void TQFTB_11::ChildFormYesNoClick(QObject* /*Sender*/) {
    // With an amount missing the leave check that follows keeps the claimant here and says so.
    Run().SetScreen(kInitialCircumstancesScreen);
    if (FirstEmptyAmount()) return;
    // The open worksheet is stored only when the screen is left: the amounts are read from the
    // screen, in the way the assessment reads them from the stored worksheet.
    const auto value = [this](int i) { return Find<TTaxEdit>(kAmounts[i].name)->NumValue(); };
    const assessment::Currency income = assessment::DependantIncome({.TaxableIncome = value(0),
                                                                     .FringeBenefits = value(1),
                                                                     .RentalLosses = value(2),
                                                                     .Pensions = value(3),
                                                                     .ForeignIncome = value(4),
                                                                     .MaintenancePaid = value(5)});
    if (income <= assessment::kDependantIncomeLimit) return;
    const std::optional<data::Date> birth = OpenDependantBirth(Store());
    if (birth && assessment::AgeAt(*birth, assessment::kYearStart) < kIncomeTestAge) return;
    controls::WriteStateField(Store(), kNotQualifiedField, kIncomeReason);
    Run().SetScreen(kNotQualifiedScreen);
}

}  // namespace ftb::screens
