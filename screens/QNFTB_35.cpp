#include "screens/QNFTB_35.h"

#include <QLabel>
#include <cmath>
#include <string>
#include <vector>

#include "controls/TaxEdit.h"
#include "controls/core/StateFields.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/DependantRouting.h"
#include "screens/DependantScreens.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

using controls::TTaxEdit;

constexpr int kCalculatorScreen = 7834;
constexpr int kMaximumNights = 365;
const char kNoResult[] = "??";

const std::vector<std::string> kHeading = {
    "<T1>Shared Care<.>",
    "",
    "A dependant is in <C12;J543>shared care<.> when they are in the care of two or more people",
    "who are not members of the same couple. Your shared care percentage is your share of the",
    "care of this dependant during the assessment period.",
    "",
    "<X0>\x95<X10>When a family law order or a registered parenting plan sets out the care, use the",
    "<X10>percentage of care that it gives you.",
    "<X0>\x95<X10>Otherwise use the percentage of care that you and the other carers have agreed on.",
    "<X0>\x95<X10>Failing both, count the nights this dependant was in your care: the calculator",
    "<X10>below works out the percentage from them.",
};

interview::TEditProps NightsProps() {
    return {.MaxLength = 3, .NumericType = controls::ntNumeric, .ValidChars = "0..9"};
}

}  // namespace

std::optional<int> SharedCarePercentage(int nightsInCare, int totalNights) {
    if (nightsInCare <= 0 || totalNights <= 0) return std::nullopt;
    const long share = nightsInCare * 100L;
    long percent = share / totalNights;
    const long twiceRemainder = 2 * (share % totalNights);
    if (twiceRemainder > totalNights || (twiceRemainder == totalNights && percent % 2 == 1))
        ++percent;
    return static_cast<int>(percent);
}

TQFTB_35::TQFTB_35(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    const int prompts = 230;
    interview::Build(
        *this,
        {
            ScreenText("TextLbl1", 10, kHeading),
            ScreenText("TextLblInCare", prompts,
                       {"Enter the number of nights during your assessment period",
                        "you cared for this dependant:"}),
            interview::Edit("TaxEditInCare", 0, {450, prompts + 8, 60, 22}, NightsProps()),
            ScreenText("TextLblWholeTime", prompts + 50,
                       {"Enter the total number of nights during the assessment period",
                        "(if you cared for this dependant for the whole year enter 365):"}),
            interview::Edit("TaxEditWholeTime", 0, {450, prompts + 58, 60, 22}, NightsProps()),
            interview::Button("BtnCalculate", {450, prompts + 95, 100, 25},
                              {.Caption = "Calculate",
                               .OnClick = [this](QObject*) { BtnCalculateClick(); }}),
            ScreenText("TextLblResult", prompts + 135,
                       {"Based on the above information, the shared care percentage",
                        "for this dependant is:"}),
            interview::Label("LabelResult", 0, {450, prompts + 143, 60, 20},
                             {.Caption = kNoResult})
                .WithFont(10, true),
            interview::Edit("TaxEditCarePer", 727, {520, prompts + 143, 40, 22},
                            {.NumericType = controls::ntNumeric})
                .Hidden(),
        });
    Find<TTaxEdit>("TaxEditInCare")->OnEnter = [this](controls::TCustomNumEdit&) {
        ResetResult();
    };
    Find<TTaxEdit>("TaxEditWholeTime")->OnChange = [this](controls::TCustomNumEdit&) {
        ResetResult();
    };
}

void TQFTB_35::FormCreate() {
    OpenCurrentDependant(*this);
    Frame().ShowActionPanel(false);
    // Reached from 7832 without its leave check, this screen is not yet in the history: it is
    // recorded so that Prev leads back to 7832.
    std::vector<std::int32_t>& history = Run().ScreenHistory;
    if (history.empty() || history.back() != kCalculatorScreen)
        history.push_back(kCalculatorScreen);
}

void TQFTB_35::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
}

void TQFTB_35::ResetResult() { Find<QLabel>("LabelResult")->setText(QLatin1String(kNoResult)); }

void TQFTB_35::BtnCalculateClick() {
    auto* inCare = Find<TTaxEdit>("TaxEditInCare");
    auto* total = Find<TTaxEdit>("TaxEditWholeTime");
    const long double nights = inCare->NumValue();
    const long double totalNights = total->NumValue();
    if (nights <= data::kExplicitZero || totalNights <= data::kExplicitZero) {
        ShowError("You must fill in both fields prior to calculating.");
        return;
    }
    if (totalNights > kMaximumNights) {
        ShowError("The maximum number of nights in an assessment period is 365");
        total->setFocus();
        return;
    }
    // More nights in care than in the period is refused before rounding, which would otherwise
    // let 201 of 200 pass as 100.
    if (nights > totalNights) {
        ShowError("The number of nights you cared for this dependant must be less than or equal "
                  "to the number of nights in the assessment period.");
        inCare->setFocus();
        return;
    }
    const std::optional<int> percent = SharedCarePercentage(static_cast<int>(std::lround(nights)),
                                                            static_cast<int>(std::lround(totalNights)));
    Find<QLabel>("LabelResult")->setText(QString::number(percent.value_or(0)));
}

void TQFTB_35::ChildFormYesNoClick(QObject* /*Sender*/) {
    const QString result = Find<QLabel>("LabelResult")->text();
    if (result != QLatin1String(kNoResult)) {
        const std::string name = Store().GetFieldText(710);
        if (AskQuestion("You have calculated a shared care percentage of " +
                        result.toStdString() +
                        ". Do you wish to make this value the initial shared care percentage "
                        "for " +
                        name + "?")) {
            const int percent = result.toInt();
            Find<TTaxEdit>("TaxEditCarePer")->SetNumValue(percent == 0 ? data::kExplicitZero
                                                                       : percent);
            Frame().SaveCurrentWorksheet();
        }
    }
    Run().SetScreen(kInitialCircumstancesScreen);
}

}  // namespace ftb::screens
