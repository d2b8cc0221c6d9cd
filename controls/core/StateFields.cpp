#include "controls/core/StateFields.h"

#include <charconv>

namespace ftb::controls {

int ReadStateField(const data::FieldStore& store, int field) {
    if (store.FieldIsEmpty(field)) return -1;
    std::string text = store.GetFieldStr(field);
    std::size_t first = text.find_first_not_of(' ');
    std::size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos) return -1;
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    if (*begin == '+') ++begin;
    int value = -1;
    auto [rest, error] = std::from_chars(begin, end, value);
    return error == std::errc() && rest == end ? value : -1;
}

void WriteStateField(data::FieldStore& store, int field, int value) {
    store.SetFieldStr(field, std::to_string(value));
}

}  // namespace ftb::controls
