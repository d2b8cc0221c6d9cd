#include "screens/QNFTB_05.h"

#include <QRadioButton>

#include "controls/TaxEdit.h"
#include "controls/core/NameSubstitution.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/ScreenHelpers.h"
#include "platform/QtText.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kOverseasTableField = 1249;
constexpr int kThisScreen = 7813;
constexpr int kOverseasScreen = 7814;
constexpr int kSectionEndScreen = 7816;
constexpr int kEditLeft = 470;
constexpr int kEditWidth = 110;
constexpr int kQuestionWidth = 440;

const std::vector<std::string> kHeading = {
    "<AC;X70><T1>Your personal details<.>",
    "<Al;X0;T1>Income details not included on your tax return<.>",
};

const std::vector<std::string> kAmountsNote = {
    "Enter the following amounts for the income year 1 July <V99998> to 30 June <V99999>. Where",
    "you received or spent nothing, enter <T1>0<.>.",
};

const std::vector<std::string> kOverseas26Weeks = {
    "<T1>Have you travelled overseas for a continuous period of",
    "26 weeks or more since 1 July <V99997>?",
};

const std::vector<std::string> kOverseasThisYear = {
    "<T1>Have you <C12;J528;T1>travelled overseas<.;T1> at any time during this income",
    "year (1 July <V99998> to 30 June <V99999>?)<.>",
};

const std::vector<std::string> kHint = {
    "<s1><X10><T0>Enter each amount in whole dollars.<.>",
    "<s2><X10><T0>Any periods that you are overseas may affect your FTB entitlement.<.>",
};

const char* const kAmountMissing =
    "Please enter a value (which may be zero) in all income and expenditure fields.";
const char* const kOverseasUnanswered =
    "Please answer both Yes / No questions regarding overseas travel";

const char* const kDeletionCaption = "Data deletion pending";
const char* const kDeletionMessage =
    "As you have not answered \"Yes\" to both the questions relating to overseas travel, any "
    "time you spent overseas will not affect your FTB claim. The information you have allreay "
    "entered in the overseas travel table (on the next screen) will be deleted. \r\rIf you wish "
    "to continue with this deletion select \"Yes\". Select \"No\" and set the answer to both "
    "overseas questions to \"Yes\" before proceeding if you wish to save the information you "
    "have already entered in the overseas periods table.";

struct TAmount {
    const char* name;
    int field;
    const char* label;
    const char* hint;
};

const TAmount kAmounts[] = {
    {"TEPB", 1246, "<C12;J526>Tax free pensions and benefits<.>",
     "Enter the amount of tax free pensions and benefits received or if none were received "
     "enter \"0\""},
    {"TEFI", 1247, "<C12;J527>Target foreign income<.>",
     "Enter the amount of target foreign income received or if none was received enter \"0\""},
    {"TEME", 1248, "<C12;J520>Child maintenance expenditure<.>",
     "Enter the amount of maintenance expenditure, or if there was no maintenance expenditure "
     "enter \"0\""},
};

// A text of the screen at a place and width of its own.
interview::TControlDecl TextAt(std::string name, QRect bounds, std::vector<std::string> lines) {
    return interview::Text(std::move(name), bounds,
                           {.Lines = std::move(lines),
                            .LineSpacing = 10,
                            .CalculateHeight = true,
                            .Color = kScreenColour,
                            .OnScreenTag = interview::FillYearTag});
}

interview::TControlDecl AmountEdit(const TAmount& amount, int top) {
    return interview::Edit(amount.name, amount.field, {kEditLeft, top, kEditWidth, 21},
                           {.Decimals = 0,
                            .MaxLength = 8,
                            .NumericType = controls::ntCurrency,
                            .ValidChars = "0..9",
                            .VarnholtDataType = controls::vtDollar});
}

// A Yes/No pair on a panel of its own, so that the two pairs do not exclude each other.
std::vector<interview::TControlDecl> AnswerPair(const char* panel, const char* yes, int yesTag,
                                                const char* no, int noTag, int top) {
    return {
        interview::Panel(panel, {kEditLeft, top, 150, 22}, {.Color = kScreenColour}),
        interview::Radio(yes, yesTag, {0, 2, 60, 18}, {.Caption = "Yes"}).In(panel),
        interview::Radio(no, noTag, {70, 2, 60, 18}, {.Caption = "No"}).In(panel),
    };
}

}  // namespace

TQFTB_05::TQFTB_05(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    std::vector<interview::TControlDecl> controls = {
        ScreenText("TextLbl1", 10, kHeading),
        ScreenText("TextLbl2", 56, kAmountsNote),
    };
    int top = 104;
    int label = 3;
    for (const TAmount& amount : kAmounts) {
        controls.push_back(
            TextAt("TextLbl" + std::to_string(label++), {kTextLeft, top + 2, kQuestionWidth, 19},
                   {amount.label}));
        controls.push_back(AmountEdit(amount, top));
        top += 30;
    }
    controls.push_back(TextAt("TextLbl6", {kTextLeft, 220, kQuestionWidth, 35}, kOverseas26Weeks));
    for (auto& decl : AnswerPair("PanelOS", "RadioButtonOSYes", 1285, "RadioButtonOSNo", 1286, 224))
        controls.push_back(std::move(decl));
    controls.push_back(
        TextAt("TextLbl7", {kTextLeft, 270, kQuestionWidth, 35}, kOverseasThisYear));
    for (auto& decl : AnswerPair("PanelOSThisYear", "RadioButtonOSThisYearYes", 1287,
                                 "RadioButtonOSThisYearNo", 1288, 274))
        controls.push_back(std::move(decl));
    controls.push_back(HintBox(kHint, 2, 1));
    interview::Build(*this, std::move(controls));
    for (const TAmount& amount : kAmounts)
        Find<controls::TTaxEdit>(amount.name)->setToolTip(platform::FromWin1252(amount.hint));
}

void TQFTB_05::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject*) { BtnNextClick(); });
    Run().LeaveCheck = [this](QObject*, interview::TCloseAction&) {
        Guarded([this] { FormLeaveCheck(); });
    };
}

bool TQFTB_05::AnswersGiven(bool show) {
    const bool verdict = Run().ScreenValid;
    Run().ScreenValid = true;
    for (const TAmount& amount : kAmounts)
        interview::RequireFilled(Run(), Dialogs(), *Find<controls::TTaxEdit>(amount.name),
                                 kAmountMissing, show);
    interview::RequireChoice(Run(), Dialogs(), *Find<QRadioButton>("RadioButtonOSYes"),
                             *Find<QRadioButton>("RadioButtonOSNo"), kOverseasUnanswered, show);
    interview::RequireChoice(Run(), Dialogs(), *Find<QRadioButton>("RadioButtonOSThisYearYes"),
                             *Find<QRadioButton>("RadioButtonOSThisYearNo"), kOverseasUnanswered,
                             show);
    const bool given = Run().ScreenValid;
    if (!show) Run().ScreenValid = verdict;
    return given;
}

void TQFTB_05::FormLeaveCheck() {
    if (!Frame().BackwardMove()) AnswersGiven(true);
}

// The overseas table is offered for deletion only once the answers may be left: a claimant who
// still has to answer is told so by the leave check, not asked about the table first.
void TQFTB_05::BtnNextClick() {
    if (!AnswersGiven(false)) {
        Run().SetScreen(kSectionEndScreen);
        return;
    }
    const bool bothYes = Find<QRadioButton>("RadioButtonOSYes")->isChecked() &&
                         Find<QRadioButton>("RadioButtonOSThisYearYes")->isChecked();
    if (bothYes) {
        Run().SetScreen(kOverseasScreen);
        return;
    }
    const bool cleared = controls::ClearWithConfirmation(
        Store(), Dialogs(), {kOverseasTableField}, kDeletionCaption, {}, false, kDeletionMessage);
    // Declined: the screen is shown again, so the claimant can change the answers.
    Run().SetScreen(cleared ? kSectionEndScreen : kThisScreen);
}

}  // namespace ftb::screens
