// Reads arbitrary bytes as a plain tax-return file. Besides not crashing, whatever was read must
// save to a file that reads back without damage and saves to the very same bytes again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "data/Errors.h"
#include "data/MemoryFileSystem.h"
#include "data/PlainFormat.h"

namespace {

using namespace ftb::data;

std::string Saved(MemoryFileSystem& memory, const FieldStore& store,
                  const ScreenPosition& position) {
    WritePlain(store, position, *memory.Create("saved"));
    return *memory.Contents("saved");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFileSystem memory;
    memory.SetContents("input", std::string(reinterpret_cast<const char*>(data), size));
    FieldStore store;
    ScreenPosition position;
    PlainReadResult result;
    try {
        ReadPlain(*memory.OpenRead("input"), store, position, result);
    } catch (const ftb::EInOutError&) {
        // A file cut short keeps what was read before the cut.
    }
    const std::string first = Saved(memory, store, position);

    memory.SetContents("input", first);
    FieldStore again;
    ScreenPosition positionAgain;
    ReadPlain(*memory.OpenRead("input"), again, positionAgain, result);
    if (!result.signatureMatched || result.damagedTag) std::abort();
    if (Saved(memory, again, positionAgain) != first) std::abort();
    return 0;
}
