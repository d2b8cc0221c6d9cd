#pragma once
// The interview-state fields: integers kept as decimal text in ordinary fields, so that they
// survive a reload of the screen and are saved with the return.
#include "data/FieldStore.h"

namespace ftb::controls {

constexpr int kCurrentSpouseField = 1279;     // index of the current spouse worksheet; -1 "You"
constexpr int kCurrentDependantField = 1280;  // index of the current dependant worksheet
constexpr int kPrevBlockedField = 1281;       // screen index at which Prev is blocked

// -1 when the field is empty, else its text as an integer (-1 as well for a text that is no
// integer, which only a damaged return can hold).
int ReadStateField(const data::FieldStore& store, int field);
void WriteStateField(data::FieldStore& store, int field, int value);

}  // namespace ftb::controls
