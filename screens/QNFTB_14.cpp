#include "screens/QNFTB_14.h"

#include <QRadioButton>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "controls/TaxEdit.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/ScreenHelpers.h"
#include "screens/DependantRouting.h"
#include "screens/DependantScreens.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kBirthsField = 1136;

struct TBirth {
    const char* name;
    const char* caption;
};
// Radio button n stands for the value n of field 1136.
const std::array<TBirth, 4> kBirths = {{
    {"RadioButton1", "Single Birth (not eligible for MBA)"},
    {"RadioButton2", "Twins (not eligible for MBA)"},
    {"RadioButton3", "Triplets (may be eligible for MBA)"},
    {"RadioButton4", "Quadruplets or greater (may be eligible for MBA)"},
}};

const std::vector<std::string> kHeading = {
    "<T1>Indicate below if this child is from a single or multiple birth. <.>"};
const std::vector<std::string> kHint = {
    "<X10>The multiple birth allowance (MBA) is paid with FTB for triplets or more children",
    "born at the same time, while they are under the age of 6.",
};

}  // namespace

TQFTB_14::TQFTB_14(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    std::vector<interview::TControlDecl> controls = {ScreenText("TextLbl1", 10, kHeading)};
    controls.push_back(interview::Panel("PanelBirths", {30, 60, 420, 130}));
    for (std::size_t i = 0; i < kBirths.size(); ++i) {
        const int births = static_cast<int>(i) + 1;
        controls.push_back(
            interview::Radio(kBirths[i].name, 0, {0, static_cast<int>(i) * 30, 420, 22},
                             {.Caption = kBirths[i].caption,
                              .OnClick = [this, births](QObject*) { ChooseBirth(births); }})
                .In("PanelBirths"));
    }
    controls.push_back(interview::Edit("TaxEditMultiBirth", kBirthsField, {460, 60, 40, 22},
                                       {.NumericType = controls::ntNumeric})
                           .Hidden());
    controls.push_back(HintBox(kHint));
    interview::Build(*this, std::move(controls));
}

void TQFTB_14::FormCreate() {
    OpenCurrentDependant(*this);
    Frame().ShowActionPanel(false);
}

void TQFTB_14::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    auto* births = Find<controls::TTaxEdit>("TaxEditMultiBirth");
    if (births->NumValue() == 0) births->SetNumValue(1);
    const long double chosen = births->NumValue();
    for (std::size_t i = 0; i < kBirths.size(); ++i)
        interview::SetRadioState(*Find<QRadioButton>(kBirths[i].name),
                                 std::lround(chosen) == static_cast<long>(i) + 1);
}

void TQFTB_14::ChooseBirth(int births) {
    Find<controls::TTaxEdit>("TaxEditMultiBirth")->SetNumValue(births);
}

void TQFTB_14::ChildFormYesNoClick(QObject* /*Sender*/) {
    Frame().SaveCurrentWorksheet();
    Run().SetScreen(kAnotherChildScreen);
}

}  // namespace ftb::screens
