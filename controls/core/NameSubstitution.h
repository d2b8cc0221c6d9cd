#pragma once
// Captions that name the current spouse or dependant ("Income details for DName"), with verbs
// that agree with the name (You have, Jo has), and the helpers that go with them.
#include <string>
#include <string_view>
#include <vector>

#include "data/FieldStore.h"
#include "platform/Dialogs.h"

namespace ftb::controls {

// The first "DName" (exact case) becomes the name of the current dependant (field 1280).
std::string WithDependantName(std::string caption, const data::FieldStore& store);
// The first "SName" (exact case) becomes the name of the current spouse (field 1279); then
// every "HaveHas" becomes "has" and every "WasWere" "was", in any case.
std::string WithSpouseName(std::string caption, const data::FieldStore& store);
// Every "SName" becomes "You", "HaveHas" "have" and "WasWere" "were", in any case.
std::string WithClaimantWording(std::string caption);

// Every occurrence of `placeholder` in any (ASCII) case becomes `replacement`.
std::string ReplaceAllIgnoringCase(std::string text, std::string_view placeholder,
                                   std::string_view replacement);

// The index of the first worksheet of the list whose name (field 710) is present and equal to
// `name`; -1 when none is.
int FindDependantByName(const data::FieldStore& store, std::string_view name);
int FindSpouseByName(const data::FieldStore& store, std::string_view name);

// Asks before clearing a group of answers; true when the fields are empty afterwards or were
// empty already. With `useName`, "XXX" in any case in the caption and message becomes `name`.
bool ClearWithConfirmation(data::FieldStore& store, platform::Dialogs& dialogs,
                           const std::vector<int>& fields, std::string caption,
                           std::string_view name, bool useName, std::string message);

}  // namespace ftb::controls
