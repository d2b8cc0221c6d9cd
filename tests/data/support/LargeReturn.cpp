#include "tests/data/support/LargeReturn.h"

#include <string>

namespace ftb::data::testing {
namespace {

constexpr int kListFields = 120;  // top-level text lists, fields 1300 + 1 ...
constexpr int kLinesPerList = 40;
constexpr std::size_t kLineLength = 200;
constexpr int kWorksheets = 40;  // per worksheet list
constexpr int kWorksheetLines = 10;

std::string Line(char variant, int field, int line, std::size_t length) {
    std::string text = std::string(1, variant) + std::to_string(field) + ":" + std::to_string(line);
    text.resize(length, static_cast<char>('a' + (field + line + variant) % 26));
    return text;
}

}  // namespace

void FillLargeReturn(FieldStore& store, char variant) {
    store.SetFieldStr(1, kLargeReturnKey);
    for (int field = 2; field < 200; ++field) {
        store.SetFieldKind(field, field % 2 == 0 ? fkInteger : fkCents);
        store.SetFieldVal(field, field * 100 + variant + (field % 2 == 0 ? 0 : 0.25L));
    }
    for (int field = 200; field < 400; ++field)
        store.SetFieldStr(field, Line(variant, field, 0, 250));
    for (int field = 400; field < 500; ++field)
        if ((field + variant) % 3 != 0) store.SetFieldChecked(field);
    for (int field = 1301; field <= 1300 + kListFields; ++field) {
        TextList lines;
        for (int line = 0; line < kLinesPerList; ++line)
            lines.push_back(Line(variant, field, line, kLineLength));
        store.SetFieldLst(field, std::move(lines));
    }
    for (int list : {kSpouseList, kDependantList}) {
        store.OpenWorksheetList(list);
        for (int k = 1; k <= kWorksheets; ++k) {
            store.SetFieldStr(710, Line(variant, list, k, 30));
            store.SetFieldStr(711, Line(variant, list * 100, k, 250));
            store.SetFieldVal(720, 1000 * k + variant);
            store.SetFieldChecked(721);
            TextList lines;
            for (int line = 0; line < kWorksheetLines; ++line)
                lines.push_back(Line(variant, list * 1000 + k, line, 100));
            store.SetFieldLst(1101, std::move(lines));
            store.StoreWorksheet(list, k);
        }
        store.ResetPerWorksheetFields();
    }
}

ScreenPosition LargeReturnPosition() { return {78, 33, {7803, 7805, 7827, 7833}}; }

}  // namespace ftb::data::testing
