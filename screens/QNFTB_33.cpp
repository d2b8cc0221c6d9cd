#include "screens/QNFTB_33.h"

#include <algorithm>
#include <array>

#include "controls/Textlbl.h"
#include "interview/ScreenBuilder.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

struct TPosition {
    int screenIndex;
    int section;
    int nextScreen;
};

// No spousal maintenance matters (7841), no dependant maintenance matters (7850), or none at all
// and no payer either (7838).
constexpr std::array<TPosition, 3> kPositions = {{
    {38, 2, 7858},
    {41, 0, 7849},
    {50, 1, 7858},
}};

const TPosition& PositionOf(int screenIndex) {
    const auto found = std::find_if(kPositions.begin(), kPositions.end(), [&](const TPosition& p) {
        return p.screenIndex == screenIndex;
    });
    return found == kPositions.end() ? kPositions.front() : *found;
}

const std::vector<std::string> kText = {
    "<s0><T1>Spousal maintenance information is not required<.><L14>",
    "<L10>Under the family circumstance tests, any spousal maintenance received by you, your",
    "spouse or any former spouse during the income year will not affect your FTB entitlement.",
    "",
    "<T2>Ledgra<.> will therefore not ask you about spousal maintenance.",
    "",
    "Click <T1>Next<.> to continue.",
    "<s1><T1>Dependant maintenance information is not required<.><L14>",
    "<L10>Under the family circumstance tests, any maintenance received for your dependants",
    "during the income year will not affect your FTB entitlement.",
    "",
    "<T2>Ledgra<.> will therefore not ask you about maintenance received for your dependants.",
    "",
    "Click <T1>Next<.> to continue.",
    "<s2><T1>Maintenance information is not required<.><L14>",
    "<L10>Under the family circumstance tests, any maintenance received by you, your spouse or",
    "former spouses, or for your dependants during the income year will not affect your FTB",
    "entitlement.",
    "",
    "<T2>Ledgra<.> does not need any information about maintenance or the people who paid it.",
    "",
    "Click <T1>Next<.> to continue.",
};

}  // namespace

TQFTB_33::TQFTB_33(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(*this, {ScreenText("TextLbl1", 10, kText)});
    Find<controls::TTextLbl>("TextLbl1")->SetCurrentSection(PositionOf(ScreenIndex()).section);
}

void TQFTB_33::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this,
                      [this](QObject*) { Run().SetScreen(PositionOf(ScreenIndex()).nextScreen); });
}

}  // namespace ftb::screens
