#include "screens/QNFTB_39.h"

#include <string>
#include <vector>

#include "assessment/OverseasPeriods.h"
#include "controls/Textlbl.h"
#include "controls/XGrid.h"
#include "controls/core/NameSubstitution.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "screens/DependantRouting.h"
#include "screens/DependantScreens.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

constexpr int kPermanentDepartureScreen = 7829;

const std::vector<std::string> kHeading = {
    "Enter <T1>all<.> the periods (including those of less than 26 weeks) this dependant has "
    "spent overseas since",
    "1 July <V99997>, starting with the first period of more than 26 weeks. Enter each period's "
    "departure",
    "and return date; leave the return date blank when this dependant is still overseas or has",
    "left Australia permanently.",
};
// Sections 1 to 3 follow the cell being entered.
const std::vector<std::string> kHint = {
    "<s1><X10>Enter the departure date of the first period of more than 26 weeks since 1 July "
    "<V99997>. Only",
    "the weeks from 1 July <V99997> count for a period that began before that date.",
    "<s2><X10>Enter the date this dependant left Australia for this period.",
    "<s3><X10>Enter the date this dependant came back to Australia. Leave it blank when this "
    "dependant",
    "is still overseas or departed permanently.",
};

const assessment::OverseasMessages& DependantMessages() {
    static const assessment::OverseasMessages messages = {
        .firstPeriodTooShort =
            "The first period overseas you enter should be of a duration greater or equal to 26 "
            "weeks and at least 26 weeks of this period should occur after 1 July 1997. Note that "
            "the date of this dependant's departure and return are not included in the period "
            "you spent overseas.\r\rYou should enter a period of at least 26 weeks in the first "
            "row (use the <Ctrl><Insert> key) and if you have already entered this period in a "
            "different place in the table delete the entry form its old position. If you have "
            "not been overseas for a period of greater than 26 weeks since 1 July 1998, clear all "
            "the records in this table, go back to the previous screen and answer \"No\" to the "
            "question relating to periods overseas for more than 26 weeks.",
        .returnWithoutDeparture = assessment::ClaimantOverseasMessages().returnWithoutDeparture,
        .returnBeforeDeparture = assessment::ClaimantOverseasMessages().returnBeforeDeparture,
        .noPeriodInYear =
            "You must enter at least one period that occurs during this income year. Note that "
            "the date of this dependant's departure and return are not included in the period "
            "you spent overseas.\r\rIf this dependant has not been overseas this income year you "
            "should delete the entries in this table, go back to the previous screen and answer "
            "\"No\" to the question relating to periods overseas this income year.",
    };
    return messages;
}

}  // namespace

TQFTB_39::TQFTB_39(interview::TScreenContext& context) : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    interview::Build(
        *this,
        {
            ScreenText("TextLbl1", 10, kHeading),
            ScreenText("TextLblName", 90,
                       {"<T1>" +
                        controls::WithDependantName("Periods overseas for DName", context.Store) +
                        "<.>"}),
            interview::Grid("XGrid1", 747, {kTextLeft, 115, 245, 220},
                            {.ColCount = 2,
                             .Display = {"Departure\rDate|2|2|10||F|F||-1|0|",
                                         "Return\rDate|2|2|10||F|F||-1|0|"},
                             .TitleLines = 2,
                             .ColWidths = {110, 110},
                             .OnEnterCell =
                                 [this](QObject*, int col, int row) {
                                     Find<controls::TTextLbl>("TextLblYellowBox")
                                         ->SetCurrentSection(col == 1 ? 3 : row == 1 ? 1 : 2);
                                 }}),
            HintBox(kHint, 1, 2),
        });
}

void TQFTB_39::FormCreate() { OpenCurrentDependant(*this); }

void TQFTB_39::FormShow(QObject* /*Sender*/) {
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
}

void TQFTB_39::ChildFormClose() {
    auto* grid = Find<controls::TXGrid>("XGrid1");
    data::TextList cells;
    grid->SaveToList(cells);
    const auto failure = assessment::CheckOverseasPeriods(assessment::OverseasRowsOf(cells),
                                                          DependantMessages(),
                                                          Frame().BackwardMove());
    if (!failure) return;
    Run().ScreenValid = false;
    ShowError(failure->message);
    grid->setFocus();
    // Row 0 of the grid is its title row, which the table widget does not count.
    if (failure->row > 0) grid->setCurrentCell(failure->row - 1, 0);
}

void TQFTB_39::ChildFormYesNoClick(QObject* /*Sender*/) {
    data::TextList cells;
    Find<controls::TXGrid>("XGrid1")->SaveToList(cells);
    if (!assessment::FirstOpenDeparture(assessment::OverseasRowsOf(cells)).empty()) {
        Run().SetScreen(kPermanentDepartureScreen);
        return;
    }
    Run().SetScreen(DependantRoute(Store()));
}

}  // namespace ftb::screens
