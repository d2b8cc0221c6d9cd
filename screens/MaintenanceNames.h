#pragma once
// The lists of individuals whose maintenance may affect the claim, as the maintenance screens
// show them: one bulleted line for "you" and one for each name, in red and bold.
#include <string>
#include <string_view>
#include <vector>

#include "data/FieldStore.h"
#include "platform/Dialogs.h"

namespace ftb::screens {

// One line "  " bullet "   you" (unless `withYou` is false), then one line "  " bullet "   " name
// for each name, each red and bold. A name's angle brackets are left out, so that no name reads
// as markup.
std::vector<std::string> NameListLines(const data::TextList& names, bool withYou = true);

// A maintenance-relevant dependant: its dependant worksheet index and its display name.
struct TRelevantDependant {
    int index = -1;
    std::string name;
};

// The maintenance-relevant dependants in their order; working them out may show the spouse
// income message.
std::vector<TRelevantDependant> RelevantDependants(const data::FieldStore& store,
                                                   platform::Dialogs& dialogs);

// The display names of the spouses (worksheet order), then those of the maintenance-relevant
// dependants (their order); working the dependants out may show the spouse income message.
data::TextList SpousesAndRelevantDependants(const data::FieldStore& store,
                                            platform::Dialogs& dialogs);

// The text lines with the line that is the placeholder replaced by the marked name list of `names`.
std::vector<std::string> WithNameList(const std::vector<std::string>& lines,
                                      std::string_view placeholder, const data::TextList& names,
                                      bool withYou = true);

}  // namespace ftb::screens
