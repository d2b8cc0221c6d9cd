#include "screens/QNFTB_19.h"

#include <QPushButton>

#include "controls/XGrid.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/ScreenHelpers.h"
#include "interview/TableChecks.h"
#include "screens/DependantMaintenance.h"
#include "screens/DependantScreens.h"
#include "screens/HintSections.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kClaimantColumn = 0;
constexpr int kEntitledColumn = 1;
constexpr int kFirstActionColumn = 2;
constexpr int kExemptionColumn = 3;
// The exemption column's hint when the row has a date of first action, and when it has none.
constexpr int kExemptionWithActionSection = 4;
constexpr int kExemptionWithoutActionSection = 5;

const std::vector<std::string> kHeading = {
    "<S10;T1>Give details of any time when you or your spouse were <C12;J577>entitled to claim or "
    "apply for",
    "maintenance<.;T1> for this dependant. If <C12;J577>maintenance action<.;T1> has been taken "
    "for more than one",
    "period of entitlement use additional rows as necessary.<.>",
};

const std::vector<std::string> kHint = {
    "<s1><X10>Choose who was entitled to take maintenance action for this dependant: you or a",
    "spouse.",
    "<s2><X10>Enter the date first entitled to apply: the latest of the child's birth, the child",
    "entering your care and the separation from the child's other parent.",
    "<s3><X10>Enter the date maintenance action was first taken. Without it only Part A base rate",
    "is paid for this dependant, unless an exemption condition applies.",
    "<s4><X10>Choose an exemption condition only if one applied to you or your spouse; with a",
    "date of first action entered none is needed.",
    "<s5><X10>Choose an exemption condition if one applied. With neither a date of first action",
    "nor an exemption condition only Part A base rate is paid for this dependant.",
};

const char* const kNoEntitlementError =
    "You must enter the date on which you or your spouse were first entitled to claim or apply "
    "for maintenance for this dependant.\r\rIf you or your spouse were not entitled to receive or "
    "apply for maintenance for this dependant you should click \"Prev\" and answer \"No\" to the "
    "question on the previous screen.";

const char* const kBaseRateWarning =
    "Are you sure you wish to continue?\r\n\r\nAs you have not entered a date on which "
    "maintenance action was taken or a maintenance exemption condition you will only be "
    "entitled to Part A base rate for this dependant.\r\n\r\nIf you select \"Yes\" you will not "
    "be required to provide further maintenance income information for this dependant.";

const char* const kOrderError =
    "The date when first maintenance action is taken must be on or after the date you were "
    "entitled to apply for maintenance.";

const controls::TXGrid& GridOf(const interview::TChildForm& screen) {
    return *screen.Find<controls::TXGrid>("XGrid1");
}

// Whether some row has a date of first action or an exemption condition.
bool AnyActionOrExemption(const controls::TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!grid.Cells(kFirstActionColumn, row).empty() ||
            !grid.Cells(kExemptionColumn, row).empty())
            return true;
    return false;
}

}  // namespace

TQFTB_19::TQFTB_19(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(
        *this,
        {
            ScreenText("TextLblName", 10,
                       {"<T1>Maintenance action test for " + CurrentDependantName(context.Store) +
                        "<.>"}),
            ScreenText("TextLbl1", 35, kHeading),
            interview::Grid(
                "XGrid1", kMaintenanceActionField, {15, 100, 600, 200},
                {.ColCount = 4,
                 .RowCount = 20,
                 .Display = {"Claimant|2|0|100|0|F|T|0||||2|1|2|1|2|F|F|",
                             "Date Entitled to Apply\rfor Maintenance|2|2|10||F|F||-1|0|F|F|",
                             "Date When First\rAction Taken|2|2|10||F|F||-1|0|F|F|",
                             "Exemption\rConditions|2|0|52|0|F|T|0||||6|1|6|Violence or fear of "
                             "violence|Harmful disruptive effect|Trauma associated with proving "
                             "paternity|Unsuccessfully tried to prove paternity|Conception "
                             "through artificial insemination|Other exceptional "
                             "circumstances|F|F|"},
                 .TitleLines = 3,
                 .ColWidths = {130, 130, 130, 190},
                 .OnEnterCell = [this](QObject*, int Col,
                                       int Row) { ShowColumnHint(Col, Row); },
                 .OnPicklistDropdown =
                     [this](QObject*, int Col, int, data::TextList& Picklist) {
                         if (Col == kClaimantColumn) Picklist = ClaimantAndSpouseNames(Store());
                     }}),
            HintBox(kHint, 1, 2),
        });
}

void TQFTB_19::FormCreate() {
    if (CurrentDependant(Store()) == -1) SetCurrentDependant(Store(), 0);
    OpenCurrentMaintainedDependant(*this);
}

void TQFTB_19::FormShow(QObject* /*Sender*/) {
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
    ShowHintSection(*this, 1);
}

void TQFTB_19::ShowColumnHint(int Col, int Row) {
    if (Col != kExemptionColumn) {
        ShowHintSection(*this, Col + 1);
        return;
    }
    ShowHintSection(*this, GridOf(*this).Cells(kFirstActionColumn, Row).empty()
                               ? kExemptionWithoutActionSection
                               : kExemptionWithActionSection);
}

bool TQFTB_19::ActionsAfterEntitlement() const {
    const controls::TXGrid& grid = GridOf(*this);
    for (int row = 1; row < grid.RowCount(); ++row) {
        const auto entitled = DateIn(grid.Cells(kEntitledColumn, row));
        const auto action = DateIn(grid.Cells(kFirstActionColumn, row));
        if (entitled && action && *action < *entitled) {
            ShowError(kOrderError);
            return false;
        }
    }
    return true;
}

// The dates are checked before the dependant is marked done or the routing moves 1280, so that a
// refused move leaves the dependant as it was.
void TQFTB_19::ChildFormClose() {
    if (Frame().BackwardMove()) return;
    const controls::TXGrid& grid = GridOf(*this);
    const QObject* next = Frame().BtnNext();
    if (!interview::RequiredCells(grid, "2,3", true, Dialogs()) || !ActionsAfterEntitlement()) {
        Run().ScreenValid = false;
        return;
    }
    if (!AnyActionOrExemption(grid)) {
        if (interview::GridIsEmpty(grid)) {
            ShowError(kNoEntitlementError);
            Run().ScreenValid = false;
        } else if (!AskWarning(kBaseRateWarning, "Warning")) {
            Run().ScreenValid = false;
        } else {
            FinishCurrentDependant(*this, next);
        }
        return;
    }
    if (interview::PayerListHasNames(Store())) {
        Run().SetScreen(kDependantCapitalisedQuestionScreen);
        return;
    }
    // With no payer there is no maintenance to ask about. The questions then end at the
    // validation screen 7858 rather than at 7857.
    MarkCurrentDependantDone(*this);
    if (NextPendingDependant(Store(), Dialogs()))
        DependantMaintenanceRouting(*this, next);
    else
        Run().SetScreen(kValidateAndCompleteScreen);
}

}  // namespace ftb::screens
