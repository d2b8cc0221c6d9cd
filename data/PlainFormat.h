#pragma once
// The plain (deciphered) layout of the tax-return file: the file signature, the screen position
// and history, then one tagged record per non-empty field in ascending field number. Shared with
// the host program, so every byte is fixed.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/FieldStore.h"
#include "data/FileSystem.h"

namespace ftb::data {

// 36 characters of name followed by 19 blanks; no length byte.
inline constexpr std::string_view kFileSignature =
    "Electronic Quilbox'2002 (c) Varnholt                   ";
static_assert(kFileSignature.size() == 55);

// The screen shown when the file was saved and the screens visited before it, oldest first.
struct ScreenPosition {
    std::int32_t group = 0;
    std::int32_t index = 0;
    std::vector<std::int32_t> history;
};

// Writes the whole plain file. A write that moves fewer bytes than asked raises EInOutError.
void WritePlain(const FieldStore& store, const ScreenPosition& position, File& file);

// What ReadPlain found. It is kept up to date while reading, so it also tells what was read
// when an input/output error ends the reading.
struct PlainReadResult {
    bool signatureMatched = false;
    int recordsRead = 0;
    std::int32_t lastTag = 0;                // tag of the last complete record, 0 for none
    std::optional<std::int32_t> damagedTag;  // the record that stopped the reading
    // What is wrong with that record when its tag is a field number (its kind, a length or a
    // count), as a sentence naming the field; empty for a tag that is no field number.
    std::string damage;
};

// Reads a plain file into the store and the position. When the signature does not match,
// nothing is changed. Otherwise the store is cleared and filled record by record; a record
// with an impossible tag, kind, length or count stops the reading (damagedTag), the records
// before it stay. A record cut short by the end of the file raises EInOutError.
void ReadPlain(File& file, FieldStore& store, ScreenPosition& position, PlainReadResult& result);

}  // namespace ftb::data
