#include "data/WorksheetIndex.h"

#include <algorithm>

namespace ftb::data {

WorksheetValue WorksheetEntries::Value(int field) const {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it)
        if ((*it)->field == field) return EntryValue((*it)->slot);
    return {};
}

const TextList* WorksheetEntries::Lines(int field) const {
    for (const WorksheetEntry* entry : entries_)
        if (entry->field == field && entry->slot.kind == fkTextList) return entry->slot.list.get();
    return nullptr;
}

WorksheetIndex::WorksheetIndex(const FieldStore& store, int list) {
    const WorksheetList* entries = store.GetWorksheetList(list);
    if (!entries) return;
    int highest = 0;
    for (const WorksheetEntry& entry : *entries) highest = std::max<int>(highest, entry.worksheet);
    worksheets_.resize(static_cast<std::size_t>(highest));
    for (const WorksheetEntry& entry : *entries)
        (entry.worksheet > 0 ? worksheets_[entry.worksheet - 1u] : numberZero_).Add(entry);
}

const WorksheetEntries& WorksheetIndex::Worksheet(int w) const {
    static const WorksheetEntries kNoEntries;
    if (w == -1) return numberZero_;
    if (w < 0 || w >= Count()) return kNoEntries;
    return worksheets_[static_cast<std::size_t>(w)];
}

}  // namespace ftb::data
