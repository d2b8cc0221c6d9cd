#include "screens/QNFTB_37.h"

#include <QCheckBox>
#include <QPushButton>
#include <algorithm>

#include "assessment/Calendar.h"
#include "controls/XGrid.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/TableChecks.h"
#include "screens/HintSections.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kResidencyTableField = 1266;
constexpr int kNotResidentField = 1267;
constexpr int kFaoPeriodsScreen = 7811;
constexpr int kStartColumn = 1;
constexpr int kEndColumn = 2;
const char* const kResident = "Australian resident";

const std::vector<std::string> kHeading = {
    "<T1>You have indicated that you were not an Australian resident for social security ",
    "purposes for the whole income year 1 July <V99998> to 30 June <V99999>. Enter your ",
    "residency status throughout the entire income year in the table below.<.>",
};

const std::vector<std::string> kHint = {
    "<s0><X10>Select your residency status for the period from the list: <T1>Australian "
    "resident<.> or",
    "<T1>Not Australian resident<.>. Enter one row for each period, so that the rows cover the "
    "whole year.",
    "<s1><X10>Enter the date on which this period of residency status began. If it began before",
    "1 July <V99998>, enter 01/07/<V99998>.",
    "<s2><X10>Enter the date on which this period of residency status ended. If it ended after",
    "30 June <V99999>, enter 30/06/<V99999>.",
};

const char* const kNeverResidentWarning =
    "The data you have entered indicates you were not an Australian resident at any stage "
    "throughout the income year. Are you sure you wish to continue?\r\n\r\nIf this information is "
    "correct and you were not an Australian resident for social security purposes you will not "
    "be eligible for family tax benefit.\r\n\r\nIf this is correct and you wish to continue "
    "select \"Yes\". All FTB data will be deleted and you will be taken to the next section of "
    "Ledgra. If this is incorrect (you were an Australian resident for social security purposes "
    "at some stage) select \"No\" and enter your residency information in the table.";

const char* const kEmptyTableWarning =
    "You have not entered any data in the residency grid. Are you sure you wish to "
    "continue?\r\n\r\nLeaving this grid blank indicates you were not an Australian resident for "
    "social security purposes at any time during the income year 1 July 2001 to 30 June 2002. "
    "This being the case you will not be eligible for family tax benefit.\r\n\r\nIf this is "
    "correct and you wish to continue select \"Yes\". All FTB data will be deleted and you will "
    "be taken to the next section of Ledgra. If this is incorrect (you were an Australian "
    "resident for social security purposes) select \"No\" and enter your residency information "
    "in the table.";

// True when some row says "Australian resident" for a period that meets the income year.
bool ResidentInYear(const controls::TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (grid.Cells(0, row) != kResident) continue;
        const auto start = data::ParseDate(grid.Cells(kStartColumn, row));
        const auto end = data::ParseDate(grid.Cells(kEndColumn, row));
        if (start && end && *start <= assessment::kYearEnd && *end >= assessment::kYearStart)
            return true;
    }
    return false;
}

}  // namespace

TQFTB_37::TQFTB_37(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    // Only a table belongs in the residency field.
    if (Store().GetFieldKind(kResidencyTableField) != data::fkTextList)
        Store().SetFieldKind(kResidencyTableField, data::fkEmpty);
    interview::Build(
        *this,
        {
            ScreenText("TextLbl1", 10, kHeading),
            interview::Grid("XGrid1", kResidencyTableField, {10, 80, 610, 200},
                            {.ColCount = 3,
                             .Display = {"Residency Status|2|0|30|0|F|T|0||||2|1|2|Not "
                                         "Australian resident|Australian resident|",
                                         "Start of Period|2|2|30|0|F|F||-1|0|",
                                         "End of Period|2|2|30|0|F|F||-1|0|"},
                             .ColWidths = {305, 150, 150},
                             .OnEnterCell = [this](QObject*, int Col,
                                                   int) { ShowHintSection(*this, Col); }}),
            interview::Check("CheckBoxNotOz", kNotResidentField, {10, 290, 20, 17}).Hidden(),
            HintBox(kHint, 0, 2),
        });
}

void TQFTB_37::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject*) { BtnNextClick(); });
    // The verdict is the Next handler's: the check itself finds nothing more.
    Run().LeaveCheck = [](QObject*, interview::TCloseAction&) {};
    ShowHintSection(*this, 0);
    Find<controls::TXGrid>("XGrid1")->GoToCell(0, 1);
}

void TQFTB_37::Stay() {
    Run().SetScreen(kFaoPeriodsScreen);
    Run().ScreenValid = false;
}

bool TQFTB_37::LeaveAsNotResident() {
    return LeaveThroughGuard(*this, Frame().BtnNext(), kLeaveFtbScreen, [this] {
        Find<QCheckBox>("CheckBoxNotOz")->setChecked(true);
    });
}

void TQFTB_37::BtnNextClick() {
    const auto& grid = *Find<controls::TXGrid>("XGrid1");
    if (!interview::GridHasData(grid)) {
        if (!AskWarning(kEmptyTableWarning, "Warning") || !LeaveAsNotResident()) Stay();
        return;
    }
    if (!interview::CheckPeriodTable(grid, kStartColumn, kEndColumn, true, "",
                                     assessment::kYearStart, assessment::kYearEnd, Dialogs())) {
        Stay();
        return;
    }
    if (ResidentInYear(grid)) {
        Run().SetScreen(kFaoPeriodsScreen);
        return;
    }
    if (!AskWarning(kNeverResidentWarning, "Warning") || !LeaveAsNotResident()) Stay();
}

}  // namespace ftb::screens
