#include "screens/QNFTB_06b.h"

#include <QCheckBox>
#include <QRadioButton>

#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kMaritalStatusField = 1250;
constexpr int kSeparatedField = 1253;
constexpr int kBlendedField = 1254;
constexpr int kNotSeparatedField = 1255;
constexpr int kNotBlendedField = 1256;
constexpr int kAtStartYesField = 1275;
constexpr int kAtStartNoField = 1276;

constexpr int kMaritalStatusScreen = 7821;
constexpr int kSpouseSectionEnd = 7822;

// The questions, each above its Yes/No pair.
constexpr int kQuestionsTop = 10;
constexpr int kAtStartPairTop = 36;
constexpr int kSeparatedPairTop = 144;
constexpr int kBlendedPairTop = 218;

const std::vector<std::string> kQuestions = {
    "<T1; X10;S10><Y0>Did you have a spouse on 1 July <V99998>?",
    "<Y75>Were you widowed or did you <C12;J540>separate from your spouse<.;T1;S10>",
    "at any time after 1 July <V99998> (including the period",
    "since the end of the income year)?",
    "<Y165>Was your family a <C12;J541>blended family<.;T1;S10> at any time during the",
    "period from 1 July <V99998> to 30 June <V99999>?",
};

const std::vector<std::string> kHint = {
    "<X10>Answer <T1>Yes<.> to the second question if your spouse died or you separated from your",
    "spouse at any time from 1 July <V99998> up to today, even after the end of the income year.",
    "",
    "A family is a blended family when it includes a child of your spouse from an earlier",
    "relationship who became your dependant. If you answer <T1>Yes<.> to either of the last two",
    "questions you will be asked for your marital status throughout the year.",
};

const char* const kAnswerEveryPair =
    "Please make a selection from each radio button pair before moving on.";

// A Yes/No pair on a panel of its own, so each pair excludes only its partner.
std::vector<interview::TControlDecl> Pair(const std::string& panel, int top,
                                          const std::string& yes, const std::string& no,
                                          int yesTag, int noTag,
                                          const std::function<void(QObject*)>& onClick) {
    std::vector<interview::TControlDecl> pair;
    pair.push_back(interview::Panel(panel, {30, top, 200, 21}));
    pair.push_back(
        interview::Radio(yes, yesTag, {0, 2, 60, 17}, {.Caption = "Yes", .OnClick = onClick})
            .In(panel));
    pair.push_back(
        interview::Radio(no, noTag, {80, 2, 60, 17}, {.Caption = "No", .OnClick = onClick})
            .In(panel));
    return pair;
}

void SetPair(QRadioButton& yes, QRadioButton& no, bool yesField, bool noField) {
    if (yesField)
        yes.setChecked(true);
    else if (noField)
        no.setChecked(true);
}

void CopyPair(const QRadioButton& yes, const QRadioButton& no, QCheckBox& yesBox,
              QCheckBox& noBox) {
    if (!yes.isChecked() && !no.isChecked()) return;
    yesBox.setChecked(yes.isChecked());
    noBox.setChecked(no.isChecked());
}

}  // namespace

TQFTB_06b::TQFTB_06b(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    const auto onClick = [this](QObject*) { Guarded([this] { RadioClick(); }); };
    std::vector<interview::TControlDecl> controls = {
        ScreenText("TextLbl1", kQuestionsTop, kQuestions),
    };
    auto add = [&controls](std::vector<interview::TControlDecl> more) {
        for (auto& decl : more) controls.push_back(std::move(decl));
    };
    add(Pair("PanelAtStart", kAtStartPairTop, "RadioButtonInAtStartYes",
             "RadioButtonInatStartNo", kAtStartYesField, kAtStartNoField, onClick));
    add(Pair("PanelSeparated", kSeparatedPairTop, "RadioButtonYesSep", "RadioButtonNoSep", 0, 0,
             onClick));
    add(Pair("PanelBlended", kBlendedPairTop, "RadioButtonYesBld", "RadioButtonNoBld", 0, 0,
             onClick));
    controls.push_back(
        interview::Check("CheckBoxSeparated", kSeparatedField, {400, 144, 20, 17}).Hidden());
    controls.push_back(
        interview::Check("CheckBoxSeparatedNo", kNotSeparatedField, {420, 144, 20, 17}).Hidden());
    controls.push_back(
        interview::Check("CheckBoxBlended", kBlendedField, {400, 218, 20, 17}).Hidden());
    controls.push_back(
        interview::Check("CheckBoxBlendedNo", kNotBlendedField, {420, 218, 20, 17}).Hidden());
    controls.push_back(HintBox(kHint));
    interview::Build(*this, std::move(controls));

    atStartYes_ = Find<QRadioButton>("RadioButtonInAtStartYes");
    atStartNo_ = Find<QRadioButton>("RadioButtonInatStartNo");
    separatedYes_ = Find<QRadioButton>("RadioButtonYesSep");
    separatedNo_ = Find<QRadioButton>("RadioButtonNoSep");
    blendedYes_ = Find<QRadioButton>("RadioButtonYesBld");
    blendedNo_ = Find<QRadioButton>("RadioButtonNoBld");
}

void TQFTB_06b::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
    const data::FieldStore& store = Store();
    SetPair(*separatedYes_, *separatedNo_, store.FieldChecked(kSeparatedField),
            store.FieldChecked(kNotSeparatedField));
    SetPair(*blendedYes_, *blendedNo_, store.FieldChecked(kBlendedField),
            store.FieldChecked(kNotBlendedField));
}

void TQFTB_06b::RadioClick() {
    CopyPair(*separatedYes_, *separatedNo_, *Find<QCheckBox>("CheckBoxSeparated"),
             *Find<QCheckBox>("CheckBoxSeparatedNo"));
    CopyPair(*blendedYes_, *blendedNo_, *Find<QCheckBox>("CheckBoxBlended"),
             *Find<QCheckBox>("CheckBoxBlendedNo"));
}

bool TQFTB_06b::EveryPairAnswered() const {
    return (atStartYes_->isChecked() || atStartNo_->isChecked()) &&
           (separatedYes_->isChecked() || separatedNo_->isChecked()) &&
           (blendedYes_->isChecked() || blendedNo_->isChecked());
}

void TQFTB_06b::ChildFormClose() {
    if (Frame().BackwardMove()) return;
    Frame().SaveScreenToFields();
    if (EveryPairAnswered()) return;
    Run().ScreenValid = false;
    ShowError(kAnswerEveryPair);
}

void TQFTB_06b::ChildFormYesNoClick(QObject* /*Sender*/) {
    // The table goes only once the answers are complete: an unanswered pair keeps the claimant
    // here (the leave check), and the table with it.
    const bool tableNeeded =
        !EveryPairAnswered() || !atStartYes_->isChecked() || separatedYes_->isChecked() ||
        blendedYes_->isChecked();
    if (tableNeeded) {
        Run().SetScreen(kMaritalStatusScreen);
        return;
    }
    data::FieldStore::ClearSlot(Store().SlotOf(kMaritalStatusField));
    Store().SetModified(true);
    Run().SetScreen(kSpouseSectionEnd);
}

}  // namespace ftb::screens
