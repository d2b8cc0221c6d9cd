#include "screens/QNFTB_38.h"

#include <QListWidget>
#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <string_view>

#include "assessment/Completion.h"
#include "assessment/FamilyTests.h"
#include "controls/Textlbl.h"
#include "controls/core/StateFields.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "platform/Cursor.h"
#include "platform/Messages.h"
#include "platform/QtText.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

using controls::WriteStateField;

// Checked while the interview was entered through the navigator or left backwards from here.
constexpr int kNavigatorEntryField = 1277;
// The spousal maintenance state; following a warning starts it afresh.
constexpr int kSpousalMaintenanceStateField = 1282;

constexpr int kValidateIndex = 58;
constexpr int kWarningsIndex = 59;
// The spouse details, where a spouse missing from the marital status table is deleted.
constexpr int kSpouseDetailsIndex = 18;
// After "Validate and complete" the interview leaves with 6601.
constexpr int kExitGroup = 66;
constexpr int kExitIndex = 1;
constexpr int kNoMaintenanceIndex = 50;

enum class TNext { Index, ByMaintenanceRelevance, LeaveInterview };

struct TPosition {
    int screenIndex;
    int textSection;
    int helpContext;
    int yellowBoxSection;  // 0: hidden
    TNext next;
    int nextIndex = 0;
};

constexpr std::array<TPosition, 10> kPositions = {{
    {4, 1, 530, 1, TNext::Index, 5},
    {12, 2, 553, 0, TNext::Index, 13},
    {16, 3, 553, 0, TNext::Index, 17},
    {22, 4, 553, 0, TNext::Index, 23},
    {26, 5, 553, 0, TNext::Index, 27},
    {37, 6, 545, 0, TNext::Index, 39},
    {42, 7, 583, 0, TNext::Index, 43},
    {49, 8, 553, 0, TNext::ByMaintenanceRelevance},
    {kValidateIndex, 0, 553, 2, TNext::LeaveInterview},
    {kWarningsIndex, -1, 546, 0, TNext::LeaveInterview},
}};

const TPosition* FindPosition(int screenIndex) {
    const auto found = std::find_if(kPositions.begin(), kPositions.end(), [&](const TPosition& p) {
        return p.screenIndex == screenIndex;
    });
    return found == kPositions.end() ? nullptr : &*found;
}

const std::vector<std::string> kIntroLines = {
    // Section -1: the warnings.
    "<s-1;C10;T1><.;S10><T3>Ledgra<.> has found the following errors in your FTB claim<.;T0><L14> "
    " ",
    "<L10><T0;S10>Because <T2>Ledgra<.;T0;S10> is designed to ask for the minimum information "
    "required to ",
    "calculate your FTB entitlement, it is possible to complete this interview to ",
    "here and still not to have entered all the required information. This is usually ",
    "due to changes being made to earlier screens after later screens have been filled in.",
    "",
    "The items listed below are linked to the screens where more data entry is required. ",
    "Please click on the list below and fill in the missing data.",
    "",
    // Section 0: the claim is complete.
    "<s0><T1>Your FTB claim is now complete.<.;T0>",
    "Use the navigation panel on the left to navigate to and edit sections of FTB you have ",
    "already completed. Or click <T1>Next<.> to proceed to the next section.<L14>",
    "<C10;T1>If you change, add or remove any income or deduction amounts you must <L10>",
    "complete the FTB<L10> section again to make sure <T3>Ledgra<.;C10;T1> collects all the "
    "required ",
    "information.<L14>",
    "IMPORTANT<L14>",
    "Your FTB entitlement will be calculated by the Family Assistance Office, <L10>",
    "based on information contained in your FTB tax claim and information held ",
    "by the FAO.  If you have elected to waive your eligibility for FTB for any of ",
    "your dependants during the period 1 July 2001 to 30 June 2002 you must ",
    "have already lodged an <C12;J594>Application to waive Family Tax Benefit/cancel ",
    "a current waiver (FAO13)<.;C10;T1> with the FAO.",
    "",
    "",
    "<.> ",
    // Section 1: the start of the claim.
    "<s1><T1>Start of FTB tax claim<.;T0><L14>",
    "<L10>You have indicated that you want to complete an FTB tax claim. ",
    "<T2>Ledgra<.;T0> will now ask a series of questions to work out if you are <C12;J530>eligible "
    "to claim FTB ",
    "through the tax system<.;T0>.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to FTB eligibility.",
    // Section 2: eligibility complete.
    "<s2><T0>You have now completed the section relating to FTB eligibility. ",
    "",
    "FTB is calculated using your family adjusted taxable income (ATI). Any periods you ",
    "were overseas may also affect your FTB entitlement.",
    "",
    "<T2>Ledgra<.;T0> will now collect the components of your ATI not included elsewhere in your "
    "tax return ",
    "as well as details of any periods you were overseas.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to your details, or use the "
    "navigation panel ",
    "to edit the information you have already entered.",
    // Section 3: your details complete.
    "<s3><T0>You have now completed the section relating to your details. ",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to your spouse(s) details and "
    "marital ",
    "status throughout the income year, or use the navigation panel to edit the information ",
    "you have already entered.",
    // Section 4: spouses and marital status complete.
    "<s4><T0>You have now completed the section relating to your spouse(s) details and marital "
    "status ",
    "throughout the income year.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to special circumstances which may "
    "affect ",
    "your FTB entitlement.",
    // Section 5: special circumstances complete.
    "<s5><T0>You have now completed the section relating to special circumstances that may affect ",
    "your FTB entitlement.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to your dependants, or use the "
    "navigation ",
    "panel to edit the information you have already entered.",
    // Section 6: dependants complete.
    "<s6><T0>You have now completed the section relating to your dependants.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to maintenance income, or use the ",
    "navigation panel to edit the information you have already entered.",
    "",
    "In the maintenance income section you may be asked to provide information in ",
    "relation to maintenance income received by you, your spouse(s) or your dependants. ",
    "<C12;J572>Not all maintenance income received will affect your FTB entitlement<.;T0>",
    "Based on the spouse and dependant information you have already entered <T2>Ledgra<.;T0> will ",
    "determine what, if any, maintenance information is required.",
    // Section 7: maintenance payers complete.
    "<s7><T0>You have now entered a complete list of maintenance payers.",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to spousal maintenance received by "
    "either ",
    "you or your spouse(s).",
    // Section 8: spousal maintenance complete.
    "<s8><T0>You have now completed the section relating to spousal maintenance received by ",
    "you or your spouse(s).",
    "",
    "Click <T1>Next<.;T0> to proceed to the section relating to dependant maintenance.",
};

const std::vector<std::string> kYellowBoxLines = {
    "<X10><s1>If you have not already done so, we suggest you read the topic <C12;J542>Getting "
    "started<.;T0>. It will help you",
    "understand <C12;J586>how Ledgra collects the information<.;T0> it needs to complete the FTB "
    "tax claim. It also ",
    "explains  <C12;J553>how to navigate<.;T0> this item in Ledgra.",
    "<s2>The Varnholt is authorised to ask for the information contained within your 2002 FTB tax "
    "claim.",
    "For more information, <C12;J593>click here<.>.",
};

// The list of warnings fills the screen below the explanation of section -1.
constexpr int kWarningsTop = 170;
constexpr int kWarningsHeight = interview::kDesignHeight - kWarningsTop - 10;

// The spouse name of a warning that the spouse is missing from the marital status table.
std::optional<std::string> SpouseMissingFromMaritalTable(const std::string& message) {
    constexpr std::string_view kMarker = "NOT IN MARITAL STATUS TABLE";
    std::string upper = message;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    const std::size_t found = upper.find(kMarker);
    if (found == std::string::npos) return std::nullopt;
    // The name ends at the blank in front of the marker.
    return message.substr(0, found == 0 ? 0 : found - 1);
}

std::string MaritalStatusQuestion(const std::string& name) {
    return name +
           " does not appear in the marital status table. Do You wish to change the marital "
           "status table?" +
           "\r\n\r\n" +
           "The reason for this error message is that you have entered spouse details for " + name +
           "but have not included this spouse in the table of marital status at any time during "
           "the income year 1 July " +
           "2001" + " to " + "30 June " + "2002" + ". " + "\r\n" + "\r\n" +
           "If you wish to edit the marital status table select \"Yes\" and Ledgra will now "
           "return you to the marital status table. If " +
           name + " was not your partner at any time throughout the income " +
           "You should delete their details from Ledgra. To delete this spouse's details select "
           "\"No\" and Ledgra will return you to the \"Spouse Details\" screen from where you can "
           "delete the record for " +
           name;
}

}  // namespace

const std::vector<std::string>& TQFTB_38::IntroLines() { return kIntroLines; }

TQFTB_38::TQFTB_38(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(
        *this, {
                   ScreenText("TextLblIntro", 10, IntroLines()),
                   HintBox(kYellowBoxLines, 1, 3),
                   interview::List(
                       "ListBoxWarnings", {kTextLeft, kWarningsTop, kTextWidth, kWarningsHeight},
                       {.OnChange = nullptr,
                        .OnClick = [this](QObject* Sender) { ListBoxWarningsClick(Sender); }})
                       .Hidden(),
               });
    textLblIntro_ = Find<controls::TTextLbl>("TextLblIntro");
    textLblYellowBox_ = Find<controls::TTextLbl>("TextLblYellowBox");
    listBoxWarnings_ = Find<QListWidget>("ListBoxWarnings");
    listBoxWarnings_->setCursor(Qt::PointingHandCursor);
    listBoxWarnings_->setUniformItemSizes(true);
}

void TQFTB_38::FormCreate() {
    const platform::HourglassCursor hourglass;
    Frame().ShowNavigator(true);

    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    Run().LeaveCheck = [this](QObject* Sender, interview::TCloseAction& Action) {
        Guarded([&] { ChildFormClose(Sender, Action); });
    };
    // ListClicked: a navigator or select panel click marks the entry through the navigator.
    Run().ListClick = [&store = Store()](QObject*) { store.SetFieldChecked(kNavigatorEntryField); };
    Store().SetFieldUnchecked(kNavigatorEntryField);

    const int index = ScreenIndex();
    if ((index == kValidateIndex || index == kWarningsIndex) && CheckCompletion()) return;

    Frame().SetSelectedName({});
    Frame().BuildNavigator();
    ShowPosition();
}

bool TQFTB_38::CheckCompletion() {
    data::TextList lines;
    assessment::RunCompletionChecks(Store(), Dialogs(), lines);
    warnings_ = assessment::WarningsFromLines(lines);

    bool redirected = false;
    if (!lines.empty() && ScreenIndex() == kValidateIndex) {
        // The frame creates the screen again at 59; this one goes without being looked at.
        Run().ScreenIndex = kWarningsIndex;
        platform::PostMessage(&Frame(), platform::kLoadScreenMessage);
        redirected = true;
    }
    if (ScreenIndex() == kWarningsIndex) {
        textLblIntro_->SetCurrentSection(-1);
        listBoxWarnings_->clear();
        for (const assessment::Warning& warning : warnings_)
            listBoxWarnings_->addItem(platform::FromWin1252(warning.message));
        listBoxWarnings_->setVisible(true);
    }
    return redirected;
}

void TQFTB_38::ShowPosition() {
    const TPosition* position = FindPosition(ScreenIndex());
    if (!position) return;
    HelpContext = position->helpContext;
    textLblIntro_->SetCurrentSection(position->textSection);
    textLblYellowBox_->setVisible(position->yellowBoxSection != 0);
    if (position->yellowBoxSection != 0)
        textLblYellowBox_->SetCurrentSection(position->yellowBoxSection);
}

void TQFTB_38::FormShow(QObject* /*Sender*/) {
    listBoxWarnings_->setVisible(ScreenIndex() == kWarningsIndex);
}

void TQFTB_38::ChildFormYesNoClick(QObject* /*Sender*/) {
    if (const TPosition* position = FindPosition(ScreenIndex())) {
        switch (position->next) {
            case TNext::Index:
                Run().ScreenIndex = position->nextIndex;
                break;
            case TNext::ByMaintenanceRelevance: {
                data::TextList relevant;
                assessment::MaintenanceRelevantDependants(Store(), Dialogs(), relevant);
                Run().ScreenIndex =
                    relevant.empty() ? kNoMaintenanceIndex : assessment::kDependantMaintenanceStep;
                break;
            }
            case TNext::LeaveInterview:
                Run().ScreenGroup = kExitGroup;
                Run().ScreenIndex = kExitIndex;
                break;
        }
    }
    Store().SetFieldUnchecked(kNavigatorEntryField);
    WriteStateField(Store(), controls::kPrevBlockedField, -1);
    if (Run().ScreenValid) Frame().ShowSelectPanel({});
}

void TQFTB_38::ChildFormClose(QObject* /*Sender*/, interview::TCloseAction& /*Action*/) {
    Run().ScreenValid = true;
    if (Frame().BackwardMove())
        Store().SetFieldChecked(kNavigatorEntryField);
    else
        Frame().ShowNavigator(false);
}

void TQFTB_38::ListBoxWarningsClick(QObject* /*Sender*/) {
    const int line = listBoxWarnings_->currentRow();
    if (line < 0 || line >= static_cast<int>(warnings_.size())) return;
    const assessment::Warning& warning = warnings_[static_cast<std::size_t>(line)];

    Run().ScreenIndex = warning.screenIndex;
    Store().SetFieldChecked(kNavigatorEntryField);
    WriteStateField(Store(), kSpousalMaintenanceStateField, 0);
    if (warning.screenIndex == assessment::kDependantIncomeStep ||
        warning.screenIndex == assessment::kDependantCircumstancesStep)
        WriteStateField(Store(), controls::kCurrentDependantField, warning.worksheetIndex);

    if (const auto name = SpouseMissingFromMaritalTable(warning.message)) {
        // Yes keeps the marital status step; No opens the spouse's details to delete them.
        if (!AskQuestion(MaritalStatusQuestion(*name))) {
            Run().ScreenIndex = kSpouseDetailsIndex;
            WriteStateField(Store(), controls::kCurrentSpouseField, warning.worksheetIndex);
        }
    }

    WriteStateField(Store(), controls::kPrevBlockedField, Run().ScreenIndex);
    if (Run().ScreenValid) Frame().ShowSelectPanel({});
    platform::PostMessage(&Frame(), platform::kLoadScreenMessage);
}

}  // namespace ftb::screens
