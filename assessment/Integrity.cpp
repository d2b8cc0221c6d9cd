#include "assessment/Integrity.h"

#include <algorithm>
#include <array>
#include <string>

#include "assessment/Calendar.h"
#include "assessment/CircumstanceFields.h"

namespace ftb::assessment {
namespace {

using data::FieldStore;
using data::TextList;

// A grid table kept as its cells in row order; the first cell of a row names the person.
struct Table {
    int field;
    std::size_t columns;
};

constexpr Table kMaritalStatus{fields::kMaritalStatus, 4};
constexpr Table kBlindRatePeriods{fields::kBlindRatePeriods, 3};
constexpr Table kClaimantTables[] = {kMaritalStatus, kBlindRatePeriods};

constexpr Table kMaintenanceAction{745, 4};
constexpr Table kCapitalisedMaintenance{743, 6};
constexpr Table kNonCapitalisedMaintenance{744, 5};
constexpr Table kDependantTables[] = {kMaintenanceAction, kCapitalisedMaintenance,
                                      kNonCapitalisedMaintenance};

constexpr const char* kLfCr = "\n\r";
constexpr const char* kWarningTitle = "Warning";

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Windows-1252 lower case: the ASCII letters, the accented capitals 0xC0..0xDE (not the sign
// 0xD7) and the four capitals of the 0x80..0x9F block.
char LowerCase(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7))
        return static_cast<char>(b + 0x20);
    switch (b) {
        case 0x8A: return static_cast<char>(0x9A);
        case 0x8C: return static_cast<char>(0x9C);
        case 0x8E: return static_cast<char>(0x9E);
        case 0x9F: return static_cast<char>(0xFF);
        default: return c;
    }
}

// The form in which the claimant's own tables are matched against a spouse's name.
std::string LooseName(std::string_view text) {
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlankOrControl);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlankOrControl).base();
    std::string result;
    if (first < last) result.assign(first, last);
    std::transform(result.begin(), result.end(), result.begin(), LowerCase);
    return result;
}

template <class Matches>
bool AnyRow(const TextList& cells, std::size_t columns, Matches matches) {
    for (std::size_t row = 0; row < cells.size(); row += columns)
        if (matches(cells[row])) return true;
    return false;
}

// Removes every row whose first cell matches, whole; a short last row counts as a row.
template <class Matches>
bool EraseRows(TextList& cells, std::size_t columns, Matches matches) {
    TextList kept;
    bool erased = false;
    for (std::size_t row = 0; row < cells.size(); row += columns) {
        if (matches(cells[row])) {
            erased = true;
            continue;
        }
        const auto end = cells.begin() + static_cast<std::ptrdiff_t>(
                                              std::min(row + columns, cells.size()));
        kept.insert(kept.end(), cells.begin() + static_cast<std::ptrdiff_t>(row), end);
    }
    if (erased) cells = std::move(kept);
    return erased;
}

bool ReplaceFirstCells(TextList& cells, std::size_t columns, std::string_view oldName,
                       std::string_view newName) {
    bool replaced = false;
    for (std::size_t row = 0; row < cells.size(); row += columns) {
        if (cells[row] == oldName) {
            cells[row] = newName;
            replaced = true;
        }
    }
    return replaced;
}

int DependantCount(const FieldStore& store) {
    return WorksheetCount(store, data::kDependantList);
}

// Applies `edit` to a claimant table in place; a missing table is skipped.
template <class Edit>
bool EditClaimantTable(FieldStore& store, const Table& table, Edit edit) {
    TextList* cells = store.GetFieldLst(table.field);
    return cells != nullptr && edit(*cells, table.columns);
}

// Applies `edit` to one table of every dependant, writing back each table it changed.
template <class Edit>
bool EditDependantTables(FieldStore& store, const Table& table, Edit edit) {
    bool changed = false;
    TextList cells;
    for (int w = 0; w < DependantCount(store); ++w) {
        store.GetWorksheetLines(data::kDependantList, w, table.field, cells);
        if (edit(cells, table.columns)) {
            store.SetWorksheetLines(data::kDependantList, w, table.field, cells);
            changed = true;
        }
    }
    return changed;
}

template <class Matches>
bool AnyDependantRow(const FieldStore& store, const Table& table, Matches matches) {
    TextList cells;
    for (int w = 0; w < DependantCount(store); ++w) {
        store.GetWorksheetLines(data::kDependantList, w, table.field, cells);
        if (AnyRow(cells, table.columns, matches)) return true;
    }
    return false;
}

bool MayDeleteSpouse(FieldStore& store, platform::Dialogs& dialogs, int index) {
    // A worksheet keeps no empty text: an empty name is a worksheet without one.
    const std::string name = WorksheetName(store, data::kSpouseList, index);
    if (name.empty()) return true;
    const std::string loose = LooseName(name);
    const auto namesLoosely = [&](const std::string& cell) { return LooseName(cell) == loose; };
    const auto namesExactly = [&](const std::string& cell) { return cell == name; };
    const auto claimantNames = [&](const Table& table) {
        const TextList* cells = store.GetFieldLst(table.field);
        return cells != nullptr && AnyRow(*cells, table.columns, namesLoosely);
    };

    // The marital part stands alone; every later part is preceded by LF CR, also when it
    // comes first.
    std::string parts;
    if (claimantNames(kMaritalStatus))
        parts += "Marital status will be affected you will need to update the marital status "
                 "screen";
    const auto addPart = [&](const char* part) { (parts += kLfCr) += part; };
    if (claimantNames(kBlindRatePeriods))
        addPart("Periods have been recorded in which this spouse was blind and receipt of a "
                "blind rate pension or blind rate of service pension or income support "
                "supplement.");
    if (AnyDependantRow(store, kMaintenanceAction, namesExactly))
        addPart("Maintenance action on behalf of a dependant taken taken");
    if (AnyDependantRow(store, kCapitalisedMaintenance, namesExactly))
        addPart("Capitalised maintenance received");
    if (AnyDependantRow(store, kNonCapitalisedMaintenance, namesExactly))
        addPart("Maintenance received");

    if (!parts.empty() &&
        !dialogs.Warning(kWarningTitle,
                         "The following information has been recorded with regard to this "
                         "spouse:\r\r" + parts +
                             "\r\rAre you sure you wish to continue with this deletion?"))
        return false;

    bool changed = false;
    for (const Table& table : kClaimantTables)
        changed |= EditClaimantTable(store, table, [&](TextList& cells, std::size_t columns) {
            return EraseRows(cells, columns, namesLoosely);
        });
    for (const Table& table : kDependantTables)
        changed |= EditDependantTables(store, table, [&](TextList& cells, std::size_t columns) {
            return EraseRows(cells, columns, namesExactly);
        });
    if (changed) store.SetModified(true);
    return true;
}

bool MayDeleteDependant(FieldStore& store, platform::Dialogs& dialogs, int index) {
    struct Record {
        Table table;
        const char* sentence;
    };
    static constexpr Record kRecords[] = {
        {kMaintenanceAction,
         "Maintenance action test information has been recorded for this dependant."},
        {kCapitalisedMaintenance,
         "The receipt of capitalised maintenance has been recorded for this dependant."},
        {kNonCapitalisedMaintenance,
         "The receipt of non-capitalised maintenance has been recorded for this dependant."},
    };
    std::string recorded;
    TextList cells;
    for (const Record& record : kRecords) {
        store.GetWorksheetLines(data::kDependantList, index, record.table.field, cells);
        if (!cells.empty()) (recorded += kLfCr) += record.sentence;
    }
    if (recorded.empty()) return true;
    return dialogs.Warning(kWarningTitle,
                           "Maintenance information has already entered, are you sure you want "
                           "to proceed with this deletion?" + recorded);
}

// Every FTB answer: the fields 1242..1299 other than the interview-state and residency answers
// that outlive an abandoned claim, and the worksheet lists of the assessment.
std::vector<int> FtbAnswerFields() {
    constexpr std::array kKept{1268, 1269, 1270, 1274, 1277, 1281, 1297, 1298};
    std::vector<int> answers;
    for (int field = 1242; field <= 1299; ++field)
        if (std::find(kKept.begin(), kKept.end(), field) == kKept.end()) answers.push_back(field);
    for (int list : {22, 19, 20, 26}) answers.push_back(list + data::kWorksheetListField);
    return answers;
}

}  // namespace

void RenameSpouseReferences(FieldStore& store, std::string_view oldName,
                            std::string_view newName) {
    if (oldName == newName) return;
    const auto replace = [&](TextList& cells, std::size_t columns) {
        return ReplaceFirstCells(cells, columns, oldName, newName);
    };
    bool changed = false;
    for (const Table& table : kClaimantTables) changed |= EditClaimantTable(store, table, replace);
    for (const Table& table : kDependantTables)
        changed |= EditDependantTables(store, table, replace);
    if (changed) store.SetModified(true);
}

bool MayDeleteWorksheet(FieldStore& store, platform::Dialogs& dialogs, int list,
                        int worksheetNumber) {
    if (list == data::kSpouseList) return MayDeleteSpouse(store, dialogs, worksheetNumber - 1);
    if (list == data::kDependantList)
        return MayDeleteDependant(store, dialogs, worksheetNumber - 1);
    return true;
}

bool DeleteAllGuard(FieldStore& store, platform::Dialogs& dialogs,
                    std::vector<std::int32_t>& screenHistory) {
    std::vector<int> entered;
    for (int field : FtbAnswerFields())
        if (!store.FieldIsEmpty(field)) entered.push_back(field);
    if (entered.empty()) return true;
    if (!dialogs.Warning("Warning You Are About to Delete Data",
                         "You have previously entered FTB data, are you sure you want to continue "
                         "with this deletion?\rIf you select \"Yes\" all FTB data will be lost."))
        return false;
    for (int field : entered) FieldStore::ClearSlot(store.SlotOf(field));
    store.SetModified(true);
    screenHistory.clear();
    return true;
}

}  // namespace ftb::assessment
