#pragma once
// A return large enough that saving it takes a noticeable time (a few MB): fields of every
// kind, long texts, text lists and spouse and dependant worksheet lists of many worksheets.
#include "data/FieldStore.h"
#include "data/PlainFormat.h"

namespace ftb::data::testing {

// The key source the large returns are saved with.
inline constexpr const char* kLargeReturnKey = "271828";

// Fills an empty store; each `variant` gives other answers in every field it fills.
void FillLargeReturn(FieldStore& store, char variant);

// The screen position a large return is saved at.
ScreenPosition LargeReturnPosition();

}  // namespace ftb::data::testing
