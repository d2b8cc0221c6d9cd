// The character-set notation parser on arbitrary text: it never crashes, and a notation is
// either good (no error) or bad with an empty set.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "controls/core/CharSetNotation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view notation(reinterpret_cast<const char*>(data), size);
    ftb::controls::CharSetNotation parsed = ftb::controls::ParseCharSetNotation(notation);
    if (parsed.error && parsed.set.any()) std::abort();
    return 0;
}
