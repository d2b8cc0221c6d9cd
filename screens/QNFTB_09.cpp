#include "screens/QNFTB_09.h"

#include <QMouseEvent>
#include <QRadioButton>
#include <string>
#include <vector>

#include "assessment/Calendar.h"
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
using interview::Edit;
using interview::Label;

constexpr int kNameField = 710;
constexpr int kOverseasField = 747;
constexpr int kDetailsShownField = 1283;
constexpr int kSpouseBirthField = 715;
constexpr int kPrevBlockedIndex = 27;

const std::vector<std::string> kHeading = {"<s0><T1>Enter dependant's details<.>"};
const std::vector<std::string> kStudyQuestion = {
    "<S10>Was this dependant enrolled in <C12;J556>full time study<.> for the whole period ",
    "1 July <V99998> to 30 June <V99999>?"};
const std::vector<std::string> kOverseasQuestion = {
    "Has this dependant <C12;J557>travelled overseas<.> for a continuous period of",
    "26 weeks or more since 1 July <V99997>?"};
const std::vector<std::string> kThisYearQuestion = {
    "<T0>Has this dependant travelled overseas at any time during this income",
    "year (1 July <V99998> to 30 June <V99999>?)"};
const std::vector<std::string> kHint = {
    "<X10>Enter every child you cared for during the income year, one at a time. The list on the",
    "left shows the dependants entered so far: pick one to change it, or delete it there.",
};

const char kDeletionCaption[] = "Data deletion pending";
const char kDeletionMessage[] =
    "As you have not answered \"Yes\" to both the questions relating to overseas travel, any time "
    "you spent overseas by this dependant will not affect your FTB claim. The information you "
    "have allreay entered in the overseas travel table (on the next screen) will be deleted. "
    "\r\rIf you wish to continue with this deletion select \"Yes\". Select \"No\" and set the "
    "answer to both overseas questions to \"Yes\" before proceeding if you wish to save the "
    "information you have already entered in the overseas periods table.";

const std::string kNameCharacters = "A..Z,a..z,0..9,-, ,'";

interview::TEditProps NameProps(int maxLength) {
    return {.MaxLength = maxLength,
            .NumericType = controls::ntSpecial,
            .ValidChars = kNameCharacters,
            .VarnholtDataType = controls::vtRestrictedNameText,
            .CapitaliseWords = true};
}

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<interview::TControlDecl> Controls() {
    std::vector<interview::TControlDecl> controls = {
        interview::Text("TextLbl1", {kTextLeft, 10, kTextWidth, kLinePixels + 3},
                        {.Lines = kHeading,
                         .CurrentSection = 0,
                         .CalculateHeight = true,
                         .Color = kScreenColour})};
    const int labelLeft = kTextLeft;
    const int editLeft = 150;
    const auto row = [](int i) { return 50 + i * 28; };
    controls.push_back(Label("LabelFamily", 0, {labelLeft, row(0) + 2, 130, 18},
                             {.Caption = "Family Name"}));
    controls.push_back(Edit("TaxEdit1", 741, {editLeft, row(0), 220, 22}, NameProps(30)));
    controls.push_back(Label("LabelGiven", 0, {labelLeft, row(1) + 2, 130, 18},
                             {.Caption = "Given Name"}));
    controls.push_back(Edit("TaxEdit2", 711, {editLeft, row(1), 220, 22}, NameProps(15)));
    controls.push_back(Label("LabelOther", 0, {labelLeft, row(2) + 2, 130, 18},
                             {.Caption = "Other Names"}));
    controls.push_back(Edit("TaxEdit5", 712, {editLeft, row(2), 220, 22}, NameProps(30)));
    controls.push_back(Label("LabelDOB", 0, {labelLeft, row(3) + 2, 130, 18},
                             {.Caption = "Date of birth"}));
    controls.push_back(Edit("TaxEditDOB", 713, {editLeft, row(3), 100, 22},
                            {.MaxLength = 10,
                             .NumericType = controls::ntDate,
                             .ValidChars = "0..9,/",
                             .VarnholtDataType = controls::vtDate8}));
    controls.push_back(Label("LabelSex", 0, {labelLeft, row(4) + 2, 130, 18}, {.Caption = "Sex"}));
    AddYesNoPair(controls, "PanelSex", {editLeft, row(4)}, "RadioButtonMale", 735,
                 "RadioButtonFemale", 736, {.Caption = "Male"}, {.Caption = "Female"});
    controls.push_back(ScreenText("TextLblStudy", row(5) + 10, kStudyQuestion));
    AddYesNoPair(controls, "PanelStudy", {editLeft, row(5) + 48}, "RadioButtonEdYes", 734,
                 "RadioButtonEdNo", 737);
    controls.push_back(ScreenText("TextLblOverseas", row(7) + 20, kOverseasQuestion));
    AddYesNoPair(controls, "PanelOverseas", {editLeft, row(7) + 58}, "RadioButtonOSYes", 748,
                 "RadioButtonOSNo", 1100);
    controls.push_back(ScreenText("TextLblThisYear", row(9) + 30, kThisYearQuestion));
    AddYesNoPair(controls, "PanelThisYear", {editLeft, row(9) + 68}, "RadioButtonOSThisYearYes",
                 749, "RadioButtonOSThisYearNo", 1102);
    controls.push_back(Edit("ID", kNameField, {editLeft, 0, 100, 22}).Hidden());
    controls.push_back(HintBox(kHint));
    return controls;
}

}  // namespace

TQFTB_09::TQFTB_09(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(*this, Controls());
    const auto recompute = [this](controls::TCustomNumEdit&) { UpdateDisplayName(); };
    Find<TTaxEdit>("TaxEdit1")->OnChange = recompute;
    for (const char* name : {"TaxEdit1", "TaxEdit2", "TaxEdit5", "TaxEditDOB"})
        Find<TTaxEdit>(name)->OnEnter = recompute;
    Find<TTaxEdit>("TaxEdit1")->setToolTip(
        QStringLiteral("Enter this dependant's surname/family name."));
    Find<TTaxEdit>("TaxEdit2")->setToolTip(QStringLiteral(
        "Enter this dependant's first given name. If you have a middle name, enter it in the next "
        "field."));
    Find<TTaxEdit>("TaxEdit5")->setToolTip(QStringLiteral(
        "If this dependant has a middle name, enter it here, otherwise leave this field blank. "
        "NOTE: If you enter a middle name in this field, you MUST enter a first name in the "
        "previous field."));
    Find<TTaxEdit>("TaxEditDOB")->setToolTip(
        QStringLiteral("Enter this dependant's date of birth as dd/mm/yyyy."));
}

void TQFTB_09::FormCreate() {
    data::FieldStore& store = Store();
    int current = controls::ReadStateField(store, controls::kCurrentDependantField);
    if (current == -1 && store.HighestWorksheetNumber(data::kDependantList) > 0)
        current = 0;
    else if (current == -2)
        current = -1;
    controls::WriteStateField(store, controls::kCurrentDependantField, current);
    OpenCurrentDependant(*this);
    Frame().ShowActionPanel(true);
}

void TQFTB_09::FormShow(QObject* /*Sender*/) {
    Store().SetFieldChecked(kDetailsShownField);
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
}

void TQFTB_09::mousePressEvent(QMouseEvent* event) {
    Guarded([this] { UpdateDisplayName(); });
    TChildForm::mousePressEvent(event);
}

void TQFTB_09::UpdateDisplayName() {
    const std::string family = Find<TTaxEdit>("TaxEdit1")->Text();
    const std::string birth = Find<TTaxEdit>("TaxEditDOB")->Text();
    const std::string trimmedBirth = Trimmed(birth);
    std::string name;
    if (!Trimmed(family).empty() && !trimmedBirth.empty() && trimmedBirth != "/  /")
        name = Find<TTaxEdit>("TaxEdit2")->Text() + " " + Find<TTaxEdit>("TaxEdit5")->Text() +
               " " + family + " (" + birth + ")";
    Find<TTaxEdit>("ID")->SetText(name);
}

void TQFTB_09::CheckRequiredAnswers(bool show) {
    interview::TRunState& run = Run();
    platform::Dialogs& dialogs = Dialogs();
    const auto edit = [this](const char* name) -> TTaxEdit& { return *Find<TTaxEdit>(name); };
    const auto pair = [&](const char* yes, const char* no, const char* message) {
        interview::RequireChoice(run, dialogs, *Find<QRadioButton>(yes), *Find<QRadioButton>(no),
                                 message, show);
    };
    interview::RequireFilled(run, dialogs, edit("TaxEdit1"),
                             "Please enter this dependant's \"Family Name\".", show);
    interview::RequireFilled(run, dialogs, edit("TaxEdit2"),
                             "Please enter this dependant's \"Given Name\".", show);
    pair("RadioButtonMale", "RadioButtonFemale", "Please enter this dependant's \"Sex\".");
    interview::RequireFilled(run, dialogs, edit("TaxEditDOB"),
                             "Please enter this dependant's \"Date of Birth\"", show);
    pair("RadioButtonEdYes", "RadioButtonEdNo",
         "Please enter whether this dependant was in full time education for the whole year.");
    pair("RadioButtonOSYes", "RadioButtonOSNo",
         "Please answer both questions pertaining to travel overseas.");
    pair("RadioButtonOSThisYearYes", "RadioButtonOSThisYearNo",
         "Please answer both questions pertaining to travel overseas.");
    if (!run.ScreenValid) return;
    const std::optional<data::Date> birth = DateIn(edit("TaxEditDOB").Text());
    if (birth && *birth > assessment::kYearEnd) {
        run.ScreenValid = false;
        if (show)
            ShowError("Check dependant's date of birth. Date of birth cannot be later than the end "
                      "of the year.");
    }
}

void TQFTB_09::CheckSpouseBirthDates() {
    const std::string birth = Find<TTaxEdit>("TaxEditDOB")->Text();
    if (interview::EditIsEmpty(*Find<TTaxEdit>("TaxEditDOB"))) return;
    const data::FieldStore& store = Store();
    for (int spouse = 0; spouse < assessment::WorksheetCount(store, data::kSpouseList); ++spouse) {
        const auto stored = store.GetWorksheetValue(data::kSpouseList, spouse, kSpouseBirthField);
        const auto* text = std::get_if<std::string>(&stored);
        if (!text || *text != birth) continue;
        const std::string message =
            "This dependant has the same date of birth as a spouse already entered " +
            assessment::WorksheetName(store, data::kSpouseList, spouse) + "." + "\r\n" +
            "Are you sure this dependant's date of birth is correct?" + "\r\n\r\n" +
            "If there is an error spouse's record you should go back to " +
            "the spouse screen and fix this after entering all this dependant's details.";
        if (!AskWarning(message, "Warning")) Run().ScreenValid = false;
        return;
    }
}

void TQFTB_09::ChildFormClose() {
    controls::WriteStateField(Store(), controls::kPrevBlockedField, kPrevBlockedIndex);
    UpdateDisplayName();
    if (interview::ScreenHasData(this, Dialogs())) {
        CheckRequiredAnswers(true);
        if (Run().ScreenValid) CheckSpouseBirthDates();
    }
    if (!Run().ScreenValid) return;
    controls::WriteStateField(Store(), controls::kCurrentDependantField,
                              Store().CurrentWorksheet() - 1);
    Frame().ShowActionPanel(false);
}

void TQFTB_09::ChildFormYesNoClick(QObject* /*Sender*/) {
    const bool named = !interview::EditIsEmpty(*Find<TTaxEdit>("TaxEdit1")) &&
                       !interview::EditIsEmpty(*Find<TTaxEdit>("TaxEditDOB"));
    if (!named || !interview::ScreenHasData(this, Dialogs())) {
        Run().SetScreen(kAnotherChildScreen);
        return;
    }
    UpdateDisplayName();
    data::FieldStore& store = Store();
    controls::WriteStateField(store, controls::kCurrentDependantField,
                              store.CurrentWorksheet() - 1);
    Frame().SaveCurrentWorksheet();
    const int route = DependantRoute(store);
    Run().SetScreen(route);
    if (route == kNotQualifiedScreen) return;
    if (Find<QRadioButton>("RadioButtonOSYes")->isChecked() &&
        Find<QRadioButton>("RadioButtonOSThisYearYes")->isChecked()) {
        Run().SetScreen(kDependantOverseasScreen);
        return;
    }
    // The overseas table is offered for deletion only once the answers would let the claimant
    // leave; otherwise the leave check that follows reports what is missing first.
    CheckRequiredAnswers(false);
    const bool answersComplete = Run().ScreenValid;
    Run().ScreenValid = true;
    if (!answersComplete) return;
    if (!controls::ClearWithConfirmation(store, Dialogs(), {kOverseasField}, kDeletionCaption, {},
                                         false, kDeletionMessage))
        Run().SetScreen(kDependantDetailsScreen);
}

}  // namespace ftb::screens
