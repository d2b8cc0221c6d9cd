#include "screens/QNFTB_32.h"

#include <algorithm>

#include "controls/XGrid.h"
#include "interview/ScreenBuilder.h"
#include "interview/ScreenHelpers.h"
#include "screens/MaintenanceNames.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kPayersSectionEndScreen = 7842;
constexpr int kNoPayersScreen = 7840;
constexpr int kNameColumn = 0;
constexpr int kGridHeight = 204;  // the title and every row
constexpr int kGridMinHeight = 80;

const std::vector<std::string> kRecipients = {
    "Maintenance received throughout the year by the following individuals:",
    "AllNames",
    "may affect your FTB entitlement.",
    "",
    "Maintenance received by members of your family who are not listed above will not affect your",
    "FTB entitlement. <T2>Ledgra<.> needs a full list of those who paid maintenance to the",
    "individuals listed above.",
};

const std::vector<std::string> kHeading = {
    "<s0><S10;T1;A3>List the names of all those who paid <C12;J589>maintenance<.;T1> to any",
    "of the recipients listed above.<.>",
};

const char* const kLockedPayerMessage =
    "You cannot delete or edit records already in this table.\r\n\r\nIf you have added a payer "
    "incorrectly, and you do not enter their name in later screens Ledgra will ignore the "
    "incorrect payer.";

// The keys that move on or take part in a shortcut; they never change a name.
bool MovesOnly(int Key) {
    return Key == Qt::Key_Tab || Key == Qt::Key_Backtab || Key == Qt::Key_Shift ||
           Key == Qt::Key_Control || Key == Qt::Key_Alt;
}

}  // namespace

TQFTB_32::TQFTB_32(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    const std::vector<std::string> recipients = WithNameList(
        kRecipients, "AllNames", SpousesAndRelevantDependants(context.Store, context.Dialogs));
    // The table follows the list, however many it names, and keeps within the screen.
    const int listHeight = static_cast<int>(recipients.size()) * kLinePixels + 3;
    const int gridTop = listHeight + 60;
    const int gridHeight = std::max(kGridMinHeight, std::min(kGridHeight,
                                    interview::kDesignHeight - kTextLeft - gridTop));
    interview::Build(
        *this,
        {
            interview::Text("RichEditNames", {kTextLeft, 10, kTextWidth, listHeight},
                            {.Lines = recipients,
                             .CalculateHeight = true,
                             .Color = kScreenColour,
                             .OnClick =
                                 [this](QObject*) {
                                     Find<controls::TXGrid>("XGrid1")->setFocus();
                                 }}),
            interview::Text("TextLbl1", {kTextLeft, listHeight + 18, kTextWidth, 35},
                            {.Lines = kHeading,
                             .CurrentSection = 0,
                             .CalculateHeight = true,
                             .Color = kScreenColour}),
            interview::Grid(
                "XGrid1", interview::kPayerListField, {160, gridTop, 310, gridHeight},
                {.ColCount = 1,
                 .RowCount = 10,
                 .Display = {"Name|2|0|30|0|F|F|0|||||-1|0|"},
                 .ColWidths = {285},
                 .OnEnterCell =
                     [this](QObject*, int Col, int Row) {
                         auto* grid = Find<controls::TXGrid>("XGrid1");
                         grid->SetColumnReadOnly(Col, !grid->Cells(Col, Row).empty());
                     },
                 .OnKeyDown = [this](QObject*, int& Key,
                                     Qt::KeyboardModifiers) { XGrid1KeyDown(Key); }}),
        });
}

void TQFTB_32::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
}

void TQFTB_32::XGrid1KeyDown(int& Key) {
    if (!Find<controls::TXGrid>("XGrid1")->ColumnReadOnly(kNameColumn) || MovesOnly(Key)) return;
    Key = 0;
    ShowError(kLockedPayerMessage);
}

void TQFTB_32::ChildFormYesNoClick(QObject* /*Sender*/) {
    auto* grid = Find<controls::TXGrid>("XGrid1");
    grid->SortRows("0");
    Run().SetScreen(interview::GridIsEmpty(*grid) ? kNoPayersScreen : kPayersSectionEndScreen);
}

}  // namespace ftb::screens
