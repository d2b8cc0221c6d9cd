#pragma once
// The spouse worksheets as the other screens name them: pick lists of the marital status and
// blind-rate pension tables offer their display names (field 710) in worksheet order.
#include "data/FieldStore.h"

namespace ftb::screens {

// The number of spouse worksheets (list 19).
int SpouseCount(const data::FieldStore& store);

// The display name of every spouse worksheet, in worksheet order (empty for one without).
data::TextList SpouseDisplayNames(const data::FieldStore& store);

}  // namespace ftb::screens
