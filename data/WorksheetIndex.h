#pragma once
// The entries of one worksheet list grouped by worksheet in a single pass over the list, so that
// reading many fields of many worksheets costs the length of the list once rather than once per
// field. It answers as the field store's worksheet queries do. It points into the list: it is
// valid only while the list is not changed, so it is made for one computation and dropped.
#include <vector>

#include "data/FieldStore.h"

namespace ftb::data {

// The entries of one worksheet, in list order.
class WorksheetEntries {
public:
    // The last entry of the field counts, as in FieldStore::GetWorksheetValue.
    WorksheetValue Value(int field) const;
    // The lines of the first text-list entry of the field, as FieldStore::GetWorksheetLines
    // reads them; null when there is none or it holds no list.
    const TextList* Lines(int field) const;

    void Add(const WorksheetEntry& entry) { entries_.push_back(&entry); }

private:
    std::vector<const WorksheetEntry*> entries_;
};

class WorksheetIndex {
public:
    WorksheetIndex(const FieldStore& store, int list);

    // Worksheet indexes run from 0 to Count() - 1 (the highest worksheet number).
    int Count() const { return static_cast<int>(worksheets_.size()); }
    // The entries of worksheet index w (worksheet number w + 1; index -1 finds the entries of
    // worksheet number 0, which only a damaged list holds); none for any other index.
    const WorksheetEntries& Worksheet(int w) const;

private:
    std::vector<WorksheetEntries> worksheets_;
    WorksheetEntries numberZero_;
};

}  // namespace ftb::data
