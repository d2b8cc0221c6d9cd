#include "screens/QNFTB_13_Alternative.h"

#include <QMouseEvent>
#include <chrono>
#include <cmath>
#include <optional>
#include <vector>

#include "assessment/Calendar.h"
#include "controls/TaxEdit.h"
#include "controls/Textlbl.h"
#include "controls/XGrid.h"
#include "controls/core/NameSubstitution.h"
#include "interview/Intrview.h"
#include "interview/ScreenBuilder.h"
#include "interview/ScreenHelpers.h"
#include "interview/TableChecks.h"
#include "screens/DependantRouting.h"
#include "screens/DependantScreens.h"
#include "screens/HintSections.h"
#include "screens/ScreenFlow.h"
#include "screens/ScreenLayout.h"

namespace ftb::screens {

namespace {

using assessment::TChangeBox;
using assessment::TChangeOutcome;
using assessment::TChangeTable;
using controls::ReplaceAllIgnoringCase;
using controls::TTaxEdit;

constexpr int kChangesField = 732;
constexpr int kStudyAllYearField = 734;
constexpr int kDateCol = 0;
constexpr int kEventCol = 1;
constexpr int kCareCol = 2;
constexpr int kColumns = 3;
// The hint sections: one per column, the percentage's depending on the row's event.
constexpr int kCareSection = 2;
constexpr int kCareNotAllowedSection = 3;

const char kYearEndText[] = "30/06/2002";

const char kMessage[] =
    "<s0><T1;L10;X0>Use the table to indicate any changes in status that occurred between\r\n"
    "Dayzero and CurrentYearEnd. If there have been no changes in status\r\nleave this table "
    "blank.<.><L12>\r\n<L10><T0>You have entered the initial circumstances for this dependant "
    "as follows: DStatus<.>";
const char kHint[] =
    "<s0>Enter date of change of circumstance (between DayZero and Date2).\r\n<s1>Select the "
    "change of circumstance from the drop down list.\r\n<s2>Enter the new \"Shared care %\" from "
    "0 (no care) to 100 (full care).\r\n<s3>Change only permitted if \"New Circumstance\" is "
    "CCare.";
const char kFillInitialFirst[] = "Fill out all the initial circumstance fields first.";

// The hidden copies of the initial circumstances: control name and field, by index of the
// event pair table.
struct THiddenCopy {
    const char* name;
    int tag;
};
constexpr THiddenCopy kCareCopy = {"TaxEditCarePer", 727};
constexpr THiddenCopy kStateCopies[] = {
    {"TaxEditFTEd", 728},  {"TaxEditSS", 730},     {"TaxEditAWOL", 731},
    {"TaxEditAussie", 715}, {"TaxEditPE", 1104},
};
// The grid can be used once these hold an answer (the prescribed education answer is not
// needed).
constexpr const char* kRequiredCopies[] = {"TaxEditFTEd", "TaxEditSS", "TaxEditAWOL",
                                           "TaxEditAussie", "TaxEditCarePer"};

constexpr int kTop = 10;
constexpr int kMessageTop = 34;
constexpr int kMessageLines = 11;
constexpr int kGridTop = 228;

std::string FirstAllowedDay(data::Date dayZero) {
    return data::FormatDate(dayZero + std::chrono::days{1});
}

}  // namespace

TQFTB_13_Alternative::TQFTB_13_Alternative(interview::TScreenContext& context)
    : TChildForm(context) {
    ShowNextButton = true;
    ShowPrevButton = true;
    const std::string name = controls::WithDependantName("Change of circumstance for DName ",
                                                         context.Store);
    std::vector<interview::TControlDecl> controls = {
        ScreenText("TextLblName", kTop, {"<T1>" + name + "<.>"}),
        ScreenText("TextLbl1", kMessageTop, std::vector<std::string>(kMessageLines)),
        interview::Grid(
            "XGrid1", kChangesField, {kTextLeft, kGridTop, kTextWidth, 170},
            {.ColCount = kColumns,
             .RowCount = 6,
             .Display = {"Date of change\rof circumstance|2|2|10||F|F||-1|0|",
                         "Dependant's new\rcircumstance|2|0|200||F|T|0||||9|1|7|commenced "
                         "studying full time|ceased studying full time|commenced/returned to "
                         "your care|ceased being under your care|begun/resumed receiving certain "
                         "SSE payments|ceased receiving certain SSE payments|went|",
                         "% Care|2|1|3|0|F|F|0|F|0|100||-1|0|F|"},
             .TitleLines = 2,
             .ColWidths = {120, 405, 80},
             .DefaultRowHeight = 26,
             .OnEnterCell = [this](QObject*, int Col, int Row) { XGrid1EnterCell(Col, Row); },
             .OnExitCell = [this](QObject*, int Col, int Row, int&, int&,
                                  bool& EnterExitCell) { XGrid1ExitCell(Col, Row, EnterExitCell); },
             .OnPicklistDropdown =
                 [this](QObject*, int Col, int Row, data::TextList& Picklist) {
                     XGrid1PicklistDropdown(Col, Row, Picklist);
                 }})
            .Disabled(),
        HintBox({""}, 0, 1),
    };
    for (const THiddenCopy& copy : kStateCopies)
        controls.push_back(interview::Edit(copy.name, copy.tag, {0, 0, 30, 22},
                                           {.NumericType = controls::ntNumeric})
                               .Hidden());
    controls.push_back(interview::Edit(kCareCopy.name, kCareCopy.tag, {0, 0, 30, 22},
                                       {.NumericType = controls::ntNumeric})
                           .Hidden());
    interview::Build(*this, std::move(controls));
    grid_ = Find<controls::TXGrid>("XGrid1");
}

void TQFTB_13_Alternative::FormCreate() { OpenEnteredDependant(*this); }

void TQFTB_13_Alternative::FormShow(QObject* /*Sender*/) {
    if (LeaveWithoutDependant(*this)) return;
    RegisterNextYesNo(*this, [this](QObject* Sender) { ChildFormYesNoClick(Sender); });
    RegisterLeaveCheck(*this, [this] { ChildFormClose(); });
    dayZero_ = assessment::DayZero(OpenDependantBirth(Store()));
    ShowTexts();
    bool complete = true;
    for (const char* copy : kRequiredCopies)
        complete = complete && !Find<TTaxEdit>(copy)->Text().empty();
    grid_->setEnabled(complete);
    const assessment::TInitialCircumstances initial = Initial();
    if (complete) Apply({assessment::CarryCare(Table(), initial.care), {}});
    Apply(assessment::ProcessEveryRow(Table(), initial, complete));
}

void TQFTB_13_Alternative::ShowTexts() {
    std::string message = ReplaceAllIgnoringCase(kMessage, "Dayzero", FirstAllowedDay(dayZero_));
    message = ReplaceAllIgnoringCase(message, "DStatus", assessment::StatusLines(Initial()));
    message = ReplaceAllIgnoringCase(message, "CurrentYearEnd", kYearEndText);
    auto* text = Find<controls::TTextLbl>("TextLbl1");
    text->SetText(message);
    text->SetCurrentSection(0);  // the message is section 0
    std::string hint = ReplaceAllIgnoringCase(kHint, "DayZero", FirstAllowedDay(dayZero_));
    hint = ReplaceAllIgnoringCase(hint, "Date2", kYearEndText);
    hint = ReplaceAllIgnoringCase(
        hint, "CCare", std::string("\"") + assessment::kChangeOfSharedCare + "\"");
    Find<controls::TTextLbl>("TextLblYellowBox")->SetText(hint);
}

assessment::TInitialCircumstances TQFTB_13_Alternative::Initial() const {
    assessment::TInitialCircumstances initial;
    for (int i = 1; i < static_cast<int>(initial.answers.size()); ++i) {
        auto* copy = Find<TTaxEdit>(kStateCopies[i - 1].name);
        initial.answers[static_cast<std::size_t>(i)] =
            copy->Text().empty() ? 0 : static_cast<int>(std::lround(copy->NumValue()));
    }
    initial.care = Find<TTaxEdit>(kCareCopy.name)->Text();
    initial.studyAllYear = Store().FieldChecked(kStudyAllYearField);
    return initial;
}

TChangeTable TQFTB_13_Alternative::Table() const {
    TChangeTable table;
    for (int row = 1; row < grid_->RowCount(); ++row)
        table.push_back({grid_->Cells(kDateCol, row), grid_->Cells(kEventCol, row),
                         grid_->Cells(kCareCol, row)});
    return table;
}

void TQFTB_13_Alternative::Apply(const TChangeOutcome& outcome) {
    for (const TChangeBox& box : outcome.boxes) {
        switch (box.kind) {
            case assessment::cbPlain: Dialogs().Plain(interview::kPlainBoxTitle, box.text); break;
            case assessment::cbInformation: ShowInformation(box.text); break;
            case assessment::cbError: ShowError(box.text); break;
        }
    }
    TChangeTable shown = Table();
    if (outcome.table == shown) return;
    // The rows the processing removed leave empty rows at the bottom of the grid.
    const data::TextList cells = assessment::CellsOf(outcome.table);
    grid_->LoadFromList(&cells);
    grid_->SetModified(true);
}

void TQFTB_13_Alternative::mousePressEvent(QMouseEvent* event) {
    // A press on the disabled grid reaches the screen behind it.
    if (!grid_->isEnabled() && grid_->geometry().contains(event->position().toPoint())) {
        Guarded([this] { Dialogs().Plain(interview::kPlainBoxTitle, kFillInitialFirst); });
        return;
    }
    TChildForm::mousePressEvent(event);
}

void TQFTB_13_Alternative::XGrid1EnterCell(int Col, int Row) {
    enteredCol_ = Col;
    enteredRow_ = Row;
    enteredText_ = grid_->Cells(Col, Row);
    if (Col != kCareCol)
        ShowHintSection(*this, Col);
    else
        ShowHintSection(*this, grid_->Cells(kEventCol, Row) == assessment::kChangeOfSharedCare
                                   ? kCareSection
                                   : kCareNotAllowedSection);
}

void TQFTB_13_Alternative::XGrid1ExitCell(int Col, int Row, bool& EnterExitCell) {
    if (Col == kDateCol && !grid_->Cells(Col, Row).empty()) {
        const std::optional<data::Date> date = data::ParseDate(grid_->Cells(Col, Row));
        if (!date || !assessment::ChangeDateAllowed(*date, dayZero_)) {
            ShowError("Please enter a date between " + FirstAllowedDay(dayZero_) + " and " +
                      kYearEndText + ".");
            EnterExitCell = false;
            return;
        }
    }
    assessment::TRowProcessing options;
    options.gridEnabled = grid_->isEnabled();
    if (Col == kCareCol && enteredCol_ == kCareCol && enteredRow_ == Row)
        options.enteredCare = enteredText_;
    Apply(assessment::ProcessRow(Table(), static_cast<std::size_t>(Row - 1), Initial(), options));
}

void TQFTB_13_Alternative::XGrid1PicklistDropdown(int Col, int Row, data::TextList& Picklist) {
    if (Col != kEventCol) return;
    assessment::TEventOffer offer =
        assessment::EventsOffered(Table(), static_cast<std::size_t>(Row - 1), Initial());
    Apply(offer.outcome);
    Picklist = std::move(offer.events);
}

void TQFTB_13_Alternative::ChildFormClose() {
    if (Frame().BackwardMove()) return;
    if (!interview::RequiredCells(*grid_, "", true, Dialogs())) Run().ScreenValid = false;
}

void TQFTB_13_Alternative::ChildFormYesNoClick(QObject* /*Sender*/) {
    Frame().SaveScreenToFields();
    Frame().SaveCurrentWorksheet();
    Run().SetScreen(ChangesRoute(Store()));
}

}  // namespace ftb::screens
