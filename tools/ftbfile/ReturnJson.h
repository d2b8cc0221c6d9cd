#pragma once
// The JSON form of a tax return: the screen position and history, then the field records in
// ascending field number, each with its kind by name and its value. Texts are UTF-8 in JSON and
// Windows-1252 in the store; numbers travel as exact decimal text, or as their 10 bytes in hex
// ("raw", in file order) when they hold no finite number that decimal text can carry.
#include <string>
#include <string_view>

#include "data/FieldStore.h"
#include "data/PlainFormat.h"

namespace ftb::ftbfile {

// The JSON of every field that holds a record (every slot of a kind other than fkEmpty, as in a
// store just filled from a file), with a line break after each field and worksheet entry.
std::string ReturnToJson(const data::FieldStore& store, const data::ScreenPosition& position);

// Fills an empty store and the position from the JSON of a return. Input that does not fit the
// form (an unknown member, a kind, number or text the file cannot hold) raises EJsonError with a
// message that names the field; the store may then hold part of the input.
void ReturnFromJson(std::string_view json, data::FieldStore& store,
                    data::ScreenPosition& position);

}  // namespace ftb::ftbfile
