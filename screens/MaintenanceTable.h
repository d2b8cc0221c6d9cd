#pragma once
// The two tables of spousal maintenance received by the current individual (7846 capitalised,
// 7847 non-capitalised): a label naming the individual, the table whose field is the claimant's
// or the open spouse worksheet's, chosen when the screen is created, the payer column's pick list
// from the payer list, the Add Payer button and a hint box that follows the column.
#include <string>
#include <vector>

#include "data/FieldStore.h"

namespace ftb::interview {
class TChildForm;
}

namespace ftb::screens {

struct TMaintenanceTable {
    std::string nameCaption{};  // "SName" names the individual
    std::string label{};        // when set, the label as it is instead of nameCaption
    std::vector<std::string> heading;
    data::TextList columns;  // the column specifications
    std::vector<int> colWidths;
    int titleLines = 3;
    int claimantField = 0;
    int spouseField = 0;
    int field = 0;  // when set, the table's field whoever the current individual is
    // The payer column, and the recipient column that offers "You" and the spouses (-1: none).
    int payerColumn = 0;
    int recipientColumn = -1;
    std::vector<std::string> hint;  // one section a column
    int hintLines = 1;              // the most lines a section has
};

// Declares the screen's controls; the grid is "XGrid1".
void BuildMaintenanceTable(interview::TChildForm& screen, TMaintenanceTable table);

// A column specification whose pick list is `count` numbered placeholders, for a column whose
// screen fills the real items on every drop-down: `prefix` ends with the item count.
std::string PlaceholderColumn(const std::string& prefix, int count);

// Every started row has all its cells, and no period ends before it starts (the start column and
// the one after it); each check stops the next and shows its message.
bool RowsComplete(const interview::TChildForm& screen);
bool PeriodsInOrder(const interview::TChildForm& screen, int startColumn = 1);

}  // namespace ftb::screens
