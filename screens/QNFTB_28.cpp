#include "screens/QNFTB_28.h"

#include "assessment/OverseasPeriods.h"
#include "controls/XGrid.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/HintSections.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kOverseasTableField = 1249;
constexpr int kPermanentDepartureQuestion = 7815;
constexpr int kSectionEndScreen = 7816;
constexpr int kDepartureColumn = 0;
constexpr int kReturnColumn = 1;

const std::vector<std::string> kText = {
    "<T1>Periods overseas<.><L14>",
    "Enter <T1>all<.> the periods (including those of less than 26 weeks) you have spent overseas "
    "since",
    "1 July <V99997>. Start with the first period of more than 26 weeks, then enter the others "
    "in the",
    "order in which they happened.",
};

const std::vector<std::string> kHint = {
    "<s1><X10>Enter the date on which your first period overseas of more than 26 weeks since",
    "1 July <V99997> began. If it began before 1 July <V99997>, only the weeks from 1 July "
    "<V99997> count.",
    "<s2><X10>Enter the date on which you left Australia for this period overseas.",
    "<s3><X10>Enter the date on which you returned to Australia. Leave it blank if you are still",
    "overseas or if you departed Australia permanently.",
};

std::vector<assessment::OverseasRow> RowsOf(const controls::TXGrid& grid) {
    std::vector<assessment::OverseasRow> rows;
    for (int row = 1; row < grid.RowCount(); ++row)
        rows.push_back({grid.Cells(kDepartureColumn, row), grid.Cells(kReturnColumn, row)});
    return rows;
}

// The hint of the cell: the first departure has its own rule.
int HintSectionOf(int col, int row) {
    if (col == kReturnColumn) return 3;
    return row == 1 ? 1 : 2;
}

}  // namespace

TQFTB_28::TQFTB_28(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(*this,
                     {
                         ScreenText("TextLbl1", 10, kText),
                         interview::Grid("XGrid1", kOverseasTableField, {160, 100, 300, 240},
                                         {.ColCount = 2,
                                          .Display = {"Departure\rDate|2|2|10||F|F||-1|0|",
                                                      "Return\rDate|2|2|10||F|F||-1|0|"},
                                          .TitleLines = 2,
                                          .ColWidths = {147, 147},
                                          .OnEnterCell =
                                              [this](QObject*, int Col, int Row) {
                                                  ShowHintSection(*this, HintSectionOf(Col, Row));
                                              }}),
                         HintBox(kHint, 1, 2),
                     });
}

void TQFTB_28::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject*) { BtnNextClick(); });
    Run().LeaveCheck = [this](QObject*, interview::TCloseAction&) {
        Guarded([this] { FormLeaveCheck(); });
    };
}

void TQFTB_28::BtnNextClick() {
    const std::vector<assessment::OverseasRow> rows = RowsOf(*Find<controls::TXGrid>("XGrid1"));
    const bool open = !assessment::FirstOpenDeparture(rows).empty();
    Run().SetScreen(open ? kPermanentDepartureQuestion : kSectionEndScreen);
}

// Runs on Prev too, where only the period in the income year is not asked for.
void TQFTB_28::FormLeaveCheck() {
    auto& grid = *Find<controls::TXGrid>("XGrid1");
    const auto failure = assessment::CheckOverseasPeriods(
        RowsOf(grid), assessment::ClaimantOverseasMessages(), Frame().BackwardMove());
    if (!failure) return;
    Run().ScreenValid = false;
    ShowError(failure->message);
    grid.setFocus();
    if (failure->row > 0) grid.GoToCell(kDepartureColumn, failure->row);
}

}  // namespace ftb::screens
