#include "screens/MaintenanceTable.h"

#include <utility>

#include "controls/XGrid.h"
#include "interview/Child.h"
#include "interview/ScreenBuilder.h"
#include "interview/TableChecks.h"
#include "screens/DependantMaintenance.h"
#include "screens/HintSections.h"
#include "screens/PayerList.h"
#include "screens/ScreenLayout.h"
#include "screens/SpousalMaintenance.h"

namespace ftb::screens {

namespace {

constexpr int kRows = 20;
constexpr int kGridTop = 100;
constexpr int kGridHeight = 200;
constexpr int kAddPayerTop = kGridTop + kGridHeight + 12;

const controls::TXGrid& GridOf(const interview::TChildForm& screen) {
    return *screen.Find<controls::TXGrid>("XGrid1");
}

}  // namespace

void BuildMaintenanceTable(interview::TChildForm& screen, TMaintenanceTable table) {
    data::FieldStore& store = screen.Store();
    int width = 20;
    for (int column : table.colWidths) width += column;
    std::vector<interview::TControlDecl> controls = {
        ScreenText("TextLblName", 10,
                   {"<T1>" +
                    (table.label.empty() ? WithIndividualName(table.nameCaption, store)
                                         : table.label) +
                    "<.>"}),
        ScreenText("TextLbl1", 35, std::move(table.heading)),
        interview::Grid(
            "XGrid1",
            table.field != 0 ? table.field
                             : IndividualField(store, table.claimantField, table.spouseField),
            {(interview::kDesignWidth - width) / 2, kGridTop, width, kGridHeight},
            {.ColCount = static_cast<int>(table.columns.size()),
             .RowCount = kRows,
             .Display = std::move(table.columns),
             .TitleLines = table.titleLines,
             .ColWidths = std::move(table.colWidths),
             .OnEnterCell = [&screen](QObject*, int Col,
                                      int) { ShowHintSection(screen, Col); },
             .OnPicklistDropdown =
                 [&store, payer = table.payerColumn, recipient = table.recipientColumn](
                     QObject*, int Col, int, data::TextList& Picklist) {
                     if (Col == payer) Picklist = PayerNames(store);
                     if (Col == recipient) Picklist = ClaimantAndSpouseNames(store);
                 }}),
    };
    for (interview::TControlDecl& control :
         AddPayerControls(kAddPayerTop, [&screen] { AddPayer(screen.Store(), screen.Dialogs()); }))
        controls.push_back(std::move(control));
    controls.push_back(HintBox(std::move(table.hint), 0, table.hintLines));
    interview::Build(screen, std::move(controls));
}

bool RowsComplete(const interview::TChildForm& screen) {
    return interview::RequiredCells(GridOf(screen), "", true, screen.Dialogs());
}

bool PeriodsInOrder(const interview::TChildForm& screen, int startColumn) {
    return interview::DateOrder(GridOf(screen), startColumn, startColumn + 1, true,
                                screen.Dialogs());
}

std::string PlaceholderColumn(const std::string& prefix, int count) {
    std::string column = prefix;
    for (int item = 1; item <= count; ++item) column += std::to_string(item) + "|";
    return column;
}

}  // namespace ftb::screens
