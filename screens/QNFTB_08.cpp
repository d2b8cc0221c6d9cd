#include "screens/QNFTB_08.h"

#include "assessment/Calendar.h"
#include "controls/Textlbl.h"
#include "controls/XGrid.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/ScreenHelpers.h"
#include "interview/TableChecks.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"
#include "screens/SpouseNames.h"

namespace ftb::screens {

namespace {

constexpr int kMaritalStatusField = 1250;
constexpr int kSpouseSectionEnd = 7822;

// The columns of the table.
constexpr int kStatusCol = 0;
constexpr int kStartCol = 1;
constexpr int kEndCol = 2;
constexpr int kPercentageCol = 3;

// The hint sections: one per column, the percentage column's depending on the row.
constexpr int kSpousePercentageSection = 4;
constexpr int kSinglePercentageSection = 5;

const std::vector<std::string> kHeading = {
    "<T1>Indicate your <C12;J555>marital status<.;T1> throughout the income year. The period(s) "
    "you enter must cover ",
    "the entire income year from 1 July <V99998> to 30 June <V99999>.<.>",
    "",
    "Information for periods in which you are not eligible to claim FTB is not forwarded to the",
    "Varnholt; entering it only makes it easier to fill in the screens that follow.",
};

const std::vector<std::string> kHint = {
    "<s1><X10>Choose <T1>Single<.>, <T1>Widowed<.> or the name of the spouse you were with during "
    "this period",
    "from the list.",
    "<s2><X10>Enter the date this period started. If it started before 1 July <V99998>, enter "
    "1/7/<V99998>.",
    "<s3><X10>Enter the date this period ended. If it ended after 30 June <V99999>, enter "
    "30/6/<V99999>.",
    "<s4><X10>Leave this column blank unless you split your FTB for this period with this spouse.",
    "Splitting your FTB is only permitted while your family was a blended family or after you",
    "separated. If the agreed percentage changed, enter the new percentage on a new line.",
    "<s5><X10>Leave this column blank. This field is not relevant for single parent ",
    "families.",
};
// The most lines a section shows: the agreed percentage for a spouse.
constexpr int kHintLines = 3;

const char* const kSingle = "Single";
const char* const kWidowed = "Widowed";

bool WithoutSpouse(const std::string& status) { return status == kSingle || status == kWidowed; }

}  // namespace

TQFTB_08::TQFTB_08(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(
        *this,
        {
            ScreenText("TextLbl1", 10, kHeading),
            interview::Grid(
                "XGrid1", kMaritalStatusField, {10, 110, 610, 224},
                {.ColCount = 4,
                 .RowCount = 10,
                 .Display = {"Marital status OR spouse name|2|0|150||F|T|0||||4|1|4|Dick|Harry|"
                             "Tom|Single|",
                             "Start\rdate|2|2|10||F|F||-1|0|", "End\rdate|2|2|10||F|F||-1|0|",
                             "Agreed percentage|2|1|3|0|F|F|0|F|0|100||-1|0|F|"},
                 .TitleLines = 2,
                 .ColWidths = {290, 95, 95, 110},
                 .OnEnterCell = [this](QObject*, int Col,
                                       int Row) { XGrid1EnterCell(Col, Row); },
                 .OnExitCell = [this](QObject*, int Col, int Row, int&, int&,
                                      bool&) { XGrid1ExitCell(Col, Row); },
                 .OnPicklistDropdown =
                     [this](QObject*, int Col, int, data::TextList& Picklist) {
                         if (Col != kStatusCol) return;
                         Picklist = {kSingle};
                         for (std::string& name : SpouseDisplayNames(Store()))
                             Picklist.push_back(std::move(name));
                         Picklist.push_back(kWidowed);
                     }}),
            NamedHintBox("TextLblBox", kHint, 1, kHintLines),
        });
    grid_ = Find<controls::TXGrid>("XGrid1");
    hintBox_ = Find<controls::TTextLbl>("TextLblBox");
}

void TQFTB_08::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject*) { Run().SetScreen(kSpouseSectionEnd); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
}

void TQFTB_08::XGrid1EnterCell(int Col, int Row) {
    if (Col == kPercentageCol)
        hintBox_->SetCurrentSection(WithoutSpouse(grid_->Cells(kStatusCol, Row))
                                        ? kSinglePercentageSection
                                        : kSpousePercentageSection);
    else
        hintBox_->SetCurrentSection(Col + 1);
}

void TQFTB_08::XGrid1ExitCell(int Col, int Row) {
    if (grid_->Cells(Col, Row).empty()) return;
    const std::string status = grid_->Cells(kStatusCol, Row);
    if (status.empty()) {
        ShowError("You cannot enter values in this field without first specifying a \"Spouse "
                  "Name\"");
        grid_->SetCells(Col, Row, "");
        return;
    }
    if (Col != kPercentageCol) return;
    if (WithoutSpouse(status)) {
        ShowError("Leave this field blank. This field is not relevant for single parent "
                  "families.");
        grid_->SetCells(Col, Row, "");
    } else if (!AskWarning(
                   "Are you sure you wish to split your FTB entitlement with your "
                   "spouse?\r\n\r\nBy entering a value in this field you are indicating that you "
                   "wish to split your FTB with your spouse during this period. This will result "
                   "in a reduction in your entitlement. The other person can claim the balance "
                   "of the entitlement. Splitting your FTB entitlement in this manner is only "
                   "permitted if your family - during this period - was a blended family or if "
                   "you have separated from your spouse since this period.\r\n\r\nNote: The "
                   "\"Agreed Percentage\" of FTB entitlement referred to here is entirely "
                   "different to the \"Shared Care Percentage\" for individual dependants.",
                   "Warning")) {
        grid_->SetCells(Col, Row, "");
    }
}

void TQFTB_08::ChildFormClose() {
    if (Frame().BackwardMove() && interview::GridIsEmpty(*grid_)) return;
    // Each check in turn, the first failure alone reported: a table that is not whole is
    // seldom worth a second message.
    const bool complete =
        interview::RequiredCells(*grid_, "3", true, Dialogs()) &&
        interview::PeriodCoverage(*grid_, kStartCol, kEndCol, assessment::kYearStart,
                                  assessment::kYearEnd, true, Dialogs()) &&
        interview::DateOverlap(*grid_, kStartCol, kEndCol, true, Dialogs()) &&
        interview::DateOrder(*grid_, kStartCol, kEndCol, true, Dialogs());
    if (complete) return;
    Run().ScreenValid = false;
    ShowInformation(
        "You should complete this table or completly clear this table before moving off this "
        "screen.");
}

}  // namespace ftb::screens
