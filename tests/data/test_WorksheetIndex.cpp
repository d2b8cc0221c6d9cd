#include "data/WorksheetIndex.h"

#include <gtest/gtest.h>

#include "data/FieldStore.h"

namespace ftb::data {
namespace {

WorksheetEntry Entry(std::uint16_t worksheet, std::int32_t field, Slot slot) {
    return {worksheet, field, std::move(slot)};
}

Slot TextSlot(FieldKind kind, const std::string& text) {
    Slot slot;
    slot.kind = kind;
    if (kind == fkLongText) slot.longText = std::make_unique<std::string>(text);
    if (kind == fkShortText) {
        slot.payload[0] = static_cast<std::uint8_t>(text.size());
        std::copy(text.begin(), text.end(), slot.payload.begin() + 1);
    }
    return slot;
}

Slot ListSlot(TextList lines) {
    Slot slot;
    slot.kind = fkTextList;
    slot.list = std::make_unique<TextList>(std::move(lines));
    return slot;
}

// A list as a damaged or hand-made file may hold it: worksheets out of order and scattered, a
// gap (no worksheet 3), a worksheet 0, a field twice (the last counts for values, the first
// text list for lines), a text list entry without a list, kinds that give no value.
TEST(WorksheetIndex, AnswersEveryQueryAsTheStoreDoes) {
    FieldStore store;
    store.OpenWorksheetList(kDependantList);
    WorksheetList& list = *store.GetWorksheetList(kDependantList);
    Slot empty;
    Slot check;
    check.kind = fkCheck;
    check.payload[0] = 1;
    Slot integer;
    integer.kind = fkInteger;
    list.push_back(Entry(2, 710, TextSlot(fkShortText, "Ben")));
    list.push_back(Entry(1, 710, TextSlot(fkLongText, "Ann Andrews")));
    list.push_back(Entry(2, 732, ListSlot({"first"})));
    list.push_back(Entry(2, 732, ListSlot({"second"})));
    list.push_back(Entry(4, 732, Slot()));
    list.back().slot.kind = fkTextList;  // a list entry that holds no list
    list.push_back(Entry(0, 710, TextSlot(fkShortText, "none")));
    list.push_back(Entry(2, 710, TextSlot(fkShortText, "Benny")));
    list.push_back(Entry(1, 1106, check));
    list.push_back(Entry(4, 713, integer));
    list.push_back(Entry(4, 714, empty));

    const WorksheetIndex index(store, kDependantList);
    EXPECT_EQ(index.Count(), store.HighestWorksheetNumber(kDependantList));
    for (int w = -1; w <= 5; ++w) {
        for (int field : {710, 713, 714, 732, 747, 1106}) {
            EXPECT_EQ(index.Worksheet(w).Value(field), store.GetWorksheetValue(kDependantList, w, field))
                << "worksheet index " << w << ", field " << field;
            TextList lines;
            store.GetWorksheetLines(kDependantList, w, field, lines);
            const TextList* found = index.Worksheet(w).Lines(field);
            EXPECT_EQ(found ? *found : TextList(), lines) << "worksheet index " << w << ", field " << field;
        }
    }
    EXPECT_EQ(index.Worksheet(1).Value(710), WorksheetValue(std::string("Benny")));
    EXPECT_EQ(*index.Worksheet(1).Lines(732), TextList{"first"});
}

TEST(WorksheetIndex, AStoreWithoutTheListHasNoWorksheet) {
    const FieldStore store;
    const WorksheetIndex index(store, kSpouseList);
    EXPECT_EQ(index.Count(), 0);
    EXPECT_EQ(index.Worksheet(0).Value(710), WorksheetValue());
    EXPECT_EQ(index.Worksheet(0).Lines(732), nullptr);
}

}  // namespace
}  // namespace ftb::data
