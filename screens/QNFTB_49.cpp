#include "screens/QNFTB_49.h"

#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "assessment/Calendar.h"
#include "controls/TaxEdit.h"
#include "controls/core/NameSubstitution.h"
#include "controls/core/StateFields.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/ScreenHelpers.h"
#include "platform/Messages.h"
#include "screens/DependantRouting.h"
#include "screens/DependantScreens.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

using controls::TTaxEdit;

constexpr int kChangesScreen = 7833;
constexpr int kCalculatorScreen = 7834;
constexpr int kStudyAllYearField = 734;
constexpr int kYes = 2;
constexpr int kNo = 1;
constexpr int kSixteen = 16;

const std::vector<std::string> kHeading = {
    "<s0><T1>Complete all the questions below to show the status of this dependant at the end of "
    "the day",
    "on <C10>1 July 2001<.>.",
    "<s1><T1>Complete all the questions below to show the status of this dependant at the end of "
    "the day,",
    "on <C10>the day they were born.<.>",
};
const char kFullTimeAllYear[] = "This dependant was in full time education for the whole income year";
const char kIneligible[] =
    "This dependant will be ineligible for FTB unless this circumstance changes at some time "
    "during the income year.";
const char kIneligibleAtSixteen[] =
    "After this dependant's sixteenth birthday, this dependant will be ineligible for FTB unless "
    "this circumstance changes at some time during the income year.";
const char kSharedCareInfo[] =
    "You have indicated that this dependant is in shared care.\r\nPlease enter your shared care % "
    "(between 1 and 99) for this dependant in the \"shared care %\" field.\r\nYou can also use the "
    "calculator provided by clicking the \"Calculate Shared Care\" button.";
const char kSelectAll[] = "Please make a selection for all Yes / No answers before moving on.";

// What pressing an answer tells the claimant before it is taken.
enum TPressNote { pnNone, pnIneligible, pnPrescribedEducation };

// One circumstance: its question, its hidden field, its Yes and No buttons and their notes.
struct TCircumstance {
    std::vector<std::string> text;
    const char* field;
    int tag;
    const char* yes;
    const char* no;
    TPressNote yesNote = pnNone;
    TPressNote noNote = pnNone;
};
// In the order of the screen.
const std::array<TCircumstance, 5> kCircumstances = {{
    {{"Was this dependant in <C12;J566>full time education<.>?"}, "TaxEditFTEd", 728,
     "RadioButton5", "RadioButton6"},
    {{"Was this dependant receiving an <C12;J518>income support payment<.> or a payment",
      "under a <C12;J595>labour market program<.>?"},
     "TaxEditSS", 730, "RadioButton3", "RadioButton4", pnIneligible},
    {{"Was this dependant <C12;J567>absent without your consent<.>?"}, "TaxEditAWOL", 731,
     "RadioButton1", "RadioButton2"},
    {{"Was this dependant an <C12;J512>Australian resident for social security purposes<.>",
      "or living with you?"},
     "TaxEditAussie", 715, "RadioButton7", "RadioButton9", pnNone, pnIneligible},
    {{"Was this dependant receiving a payment under a",
      "<C12;J568>prescribed education scheme<.>?"},
     "TaxEditPE", 1104, "RadioButton11", "RadioButton10", pnPrescribedEducation},
}};
// The leave check asks for the answers in this order: absence, residency, income support,
// full-time study, prescribed education.
constexpr std::array<int, 5> kCheckOrder = {2, 3, 1, 0, 4};
constexpr int kAbsence = 2;
constexpr int kAbsenceTag = 731;
// The absence date's row, below the absence question.
constexpr int kAbsenceDateTop = 80 + 30 + 44;

const std::vector<std::string> kHint = {
    "<X10>If this dependant was in shared care, enter the percentage of the time they were in your",
    "care, or work it out with the calculator. Changes later in the year come on the next screen.",
};

std::optional<data::Date> BirthOfCurrent(const data::FieldStore& store) {
    return assessment::DateOfBirth(
        store, controls::ReadStateField(store, controls::kCurrentDependantField));
}

}  // namespace

TQFTB_49::TQFTB_49(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    const std::optional<data::Date> birth = BirthOfCurrent(context.Store);
    const bool bornInYear = birth && *birth > assessment::kYearStart;
    const data::Date start = bornInYear ? *birth : assessment::kYearStart;
    std::string nameCaption = controls::ReplaceAllIgnoringCase(
        "Initial circumstance (AtStart) for DName", "AtStart", data::FormatDate(start));
    nameCaption = controls::WithDependantName(nameCaption, context.Store);

    std::vector<interview::TControlDecl> controls = {
        interview::Text("TextLbl1", {kTextLeft, 10, kTextWidth, 35},
                        {.Lines = kHeading,
                         .CurrentSection = bornInYear ? 1 : 0,
                         .CalculateHeight = true,
                         .Color = kScreenColour}),
        ScreenText("TextLblName", 50, {"<T1>" + nameCaption + "<.>"}),
    };
    int top = 80;
    for (const TCircumstance& circumstance : kCircumstances) {
        const std::string panel = std::string("Panel") + circumstance.field;
        controls.push_back(interview::Text(std::string("TextLbl") + circumstance.field,
                                           {kTextLeft, top, 430, 35},
                                           {.Lines = circumstance.text,
                                            .CalculateHeight = true,
                                            .Color = kScreenColour}));
        const char* field = circumstance.field;
        AddYesNoPair(controls, panel, {460, top}, circumstance.yes, 0, circumstance.no, 0,
                     {.OnClick = [this, field](QObject*) { Answer(field, kYes); },
                      .OnPress = PressNote(circumstance.yesNote)},
                     {.OnClick = [this, field](QObject*) { Answer(field, kNo); },
                      .OnPress = PressNote(circumstance.noNote)});
        controls.push_back(interview::Edit(circumstance.field, circumstance.tag, {0, 0, 30, 22},
                                           {.NumericType = controls::ntNumeric})
                               .Hidden());
        // Two-line questions take more room, and the absence date sits below its question.
        top += circumstance.text.size() > 1 ? 44 : 30;
        if (circumstance.tag == kAbsenceTag) top += 28;
    }
    controls.push_back(interview::Label("LabelFullTime", 0, {kTextLeft, 80, 430, 19},
                                        {.Caption = kFullTimeAllYear})
                           .Hidden());
    controls.push_back(interview::Label("LabelAWOLDate", 0, {30, kAbsenceDateTop + 30, 250, 19},
                                        {.Caption = "Date this dependant went absent"}));
    controls.push_back(interview::Edit("tedAWOLDate", 1137, {300, kAbsenceDateTop + 28, 100, 22},
                                       {.MaxLength = 10,
                                        .NumericType = controls::ntDate,
                                        .ValidChars = "0..9,/",
                                        .VarnholtDataType = controls::vtDate8}));
    const int care = top + 14;
    controls.push_back(interview::Panel("PanelCare", {kTextLeft, care, 370, 22}));
    controls.push_back(
        interview::Radio("RBFullCareYes", 0, {0, 0, 100, 20},
                         {.Caption = "Full care",
                          .OnPress = [this](QObject*) {
                              Find<TTaxEdit>("TaxEditAgreedPer")->SetNumValue(100);
                          }})
            .In("PanelCare"));
    controls.push_back(
        interview::Radio("RBFullCareNo", 0, {110, 0, 140, 20},
                         {.Caption = "Not in your care",
                          .OnPress = [this](QObject*) {
                              Find<TTaxEdit>("TaxEditAgreedPer")->SetNumValue(data::kExplicitZero);
                              ShowInformation(kIneligible);
                          }})
            .In("PanelCare"));
    controls.push_back(interview::Radio("RadioButton8", 0, {260, 0, 110, 20},
                                        {.Caption = "Shared care",
                                         .OnPress = [this](QObject*) { PressSharedCare(); }})
                           .In("PanelCare"));
    controls.push_back(interview::Text("LabelAgreedPer", {390, care + 2, 100, 19},
                                       {.Lines = {"<C12;J565>Shared care %<.>"},
                                        .Color = kScreenColour}));
    controls.push_back(interview::Edit("TaxEditAgreedPer", 727, {490, care, 50, 22},
                                       {.MaxVal = 100,
                                        .MaxLength = 3,
                                        .NumericType = controls::ntNumeric,
                                        .ValidChars = "0..9",
                                        .VarnholtDataType = controls::vtInteger}));
    controls.push_back(interview::Button("BtnCalculate", {390, care + 30, 230, 25},
                                         {.Caption = "Calculate your shared care %",
                                          .OnClick = [this](QObject*) { BtnCalculateClick(); }}));
    controls.push_back(HintBox(kHint));
    interview::Build(*this, std::move(controls));

    Find<TTaxEdit>("TaxEditAgreedPer")->OnChange = [this](controls::TCustomNumEdit&) {
        ShowCareStatus(false);
    };
}

void TQFTB_49::FormCreate() { OpenEnteredDependant(*this); }

void TQFTB_49::FormShow(QObject* /*Sender*/) {
    if (LeaveWithoutDependant(*this)) return;
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
    for (const TCircumstance& circumstance : kCircumstances)
        ShowAnswer(circumstance.field, circumstance.yes, circumstance.no);
    if (Store().FieldChecked(kStudyAllYearField)) {
        Find<QWidget>("TextLblTaxEditFTEd")->hide();
        Find<QWidget>("LabelFullTime")->show();
        Find<QRadioButton>("RadioButton5")->setChecked(true);
        Answer("TaxEditFTEd", kYes);
    }
    ShowCareStatus(true);
    if (!Find<QRadioButton>("RadioButton1")->isChecked())
        Find<QRadioButton>("RadioButton2")->setChecked(true);
    ApplyAbsenceDate();
}

std::function<void(QObject*)> TQFTB_49::PressNote(int note) {
    switch (note) {
    case pnIneligible: return [this](QObject*) { ShowInformation(kIneligible); };
    case pnPrescribedEducation: return [this](QObject*) { PressPrescribedEducation(); };
    default: return {};
    }
}

void TQFTB_49::Answer(const char* field, int value) {
    Find<TTaxEdit>(field)->SetNumValue(value);
    if (std::string_view(field) == kCircumstances[kAbsence].field) ApplyAbsenceDate();
}

void TQFTB_49::ShowAnswer(const char* field, const char* yes, const char* no) {
    const long value = std::lround(Find<TTaxEdit>(field)->NumValue());
    interview::SetRadioState(*Find<QRadioButton>(yes), value == kYes);
    interview::SetRadioState(*Find<QRadioButton>(no), value == kNo);
}

void TQFTB_49::ApplyAbsenceDate() {
    const bool absent = std::lround(Find<TTaxEdit>("TaxEditAWOL")->NumValue()) == kYes;
    auto* date = Find<TTaxEdit>("tedAWOLDate");
    if (!absent) date->AssignText("");
    date->setEnabled(absent);
}

void TQFTB_49::ShowCareStatus(bool shown) {
    const std::string text = Find<TTaxEdit>("TaxEditAgreedPer")->Text();
    if (shown && text.empty()) {
        for (const char* name : {"RBFullCareYes", "RBFullCareNo", "RadioButton8"})
            interview::SetRadioState(*Find<QRadioButton>(name), false);
        return;
    }
    const char* button = text == "100" ? "RBFullCareYes" : text == "0" ? "RBFullCareNo"
                                                                       : "RadioButton8";
    Find<QRadioButton>(button)->setChecked(true);
}

void TQFTB_49::PressPrescribedEducation() {
    const std::optional<data::Date> birth = BirthOfCurrent(Store());
    if (!birth) return;
    const int ageAtStart = assessment::AgeAt(*birth, assessment::kYearStart);
    const int ageAtEnd = assessment::AgeAt(*birth, assessment::kYearEnd);
    if (ageAtStart < kSixteen && ageAtEnd >= kSixteen)
        ShowInformation(kIneligibleAtSixteen);
    else if (ageAtStart >= kSixteen)
        ShowInformation(kIneligible);
}

void TQFTB_49::PressSharedCare() {
    auto* percentage = Find<TTaxEdit>("TaxEditAgreedPer");
    const std::string text = percentage->Text();
    if (text != "0" && text != "100") return;
    percentage->SetNumValue(0);
    ShowInformation(kSharedCareInfo);
    percentage->setFocus();
}

void TQFTB_49::BtnCalculateClick() {
    Frame().SaveCurrentWorksheet();
    // The calculator is a side trip: the answers here need not be complete to reach it.
    Frame().SetBackwardMove(true);
    MoveAfterAnswer(*this, kCalculatorScreen);
}

void TQFTB_49::ChildFormYesNoClick(QObject* /*Sender*/) { Run().SetScreen(kChangesScreen); }

void TQFTB_49::ChildFormClose() {
    if (Frame().BackwardMove()) return;
    interview::TRunState& run = Run();
    for (int i : kCheckOrder)
        interview::RequireChoice(run, Dialogs(), *Find<QRadioButton>(kCircumstances[i].yes),
                                 *Find<QRadioButton>(kCircumstances[i].no), kSelectAll, true);
    interview::RequireFilled(run, Dialogs(), *Find<TTaxEdit>("TaxEditAgreedPer"),
                             "Please enter a \"Care status\" before moving on.", true);
    if (run.ScreenValid && std::lround(Find<TTaxEdit>("TaxEditAWOL")->NumValue()) == kYes)
        CheckAbsenceDate();
}

void TQFTB_49::CheckAbsenceDate() {
    interview::TRunState& run = Run();
    auto* date = Find<TTaxEdit>("tedAWOLDate");
    interview::RequireFilled(
        run, Dialogs(), *date,
        "As this dependant has been recorded with an initial circumstance \"Absent without "
        "consent\" you must enter the date they went absent. If this dependant was not initially "
        "absent without consent you should select \"No\" for this option.",
        true);
    const std::optional<data::Date> absent = DateIn(date->Text());
    const std::optional<data::Date> birth = BirthOfCurrent(Store());
    if (run.ScreenValid && absent && birth) {
        if (*absent < *birth) {
            run.ScreenValid = false;
            ShowError("The date a dependant went absent without consent must be on or after the "
                      "child's date of birth (" +
                      data::FormatDate(*birth) + ").");
        } else if (*absent == *birth) {
            run.ScreenValid = AskWarning(
                "You have entered the date the dependant went absent as being the same as the "
                "dependant's date of birth.\r\nAre you sure this is correct?",
                "Warning");
        }
    }
    if (run.ScreenValid && absent && *absent > assessment::kYearStart && absent != birth) {
        run.ScreenValid = false;
        ShowError("The date a dependant went absent without consent must be on or before the "
                  "start of the income year (1/7/2001) or, if the child was born after the start "
                  "of the income year, the child's date of birth.");
    }
    if (!run.ScreenValid) date->setFocus();
}

}  // namespace ftb::screens
