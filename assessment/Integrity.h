#pragma once
// Keeps the tables that name a spouse consistent when a spouse is renamed or deleted, warns
// before a dependant with maintenance records goes, and guards the clearing of every FTB answer
// when the claim is abandoned. Changes fields only through the field store.
#include <cstdint>
#include <string_view>
#include <vector>

#include "data/FieldStore.h"
#include "platform/Dialogs.h"

namespace ftb::assessment {

// Replaces oldName by newName in the first column of the marital status table, the blind-rate
// periods and every dependant's maintenance tables. Only cells equal to oldName exactly change.
void RenameSpouseReferences(data::FieldStore& store, std::string_view oldName,
                            std::string_view newName);

// Asked before worksheet `worksheetNumber` (1-based) of worksheet list `list` is deleted. A spouse
// named in other tables, or a dependant with maintenance records, is deleted only after the user
// agrees; a spouse's rows are then removed from the tables that name it. Other lists: true.
bool MayDeleteWorksheet(data::FieldStore& store, platform::Dialogs& dialogs, int list,
                        int worksheetNumber);

// Run when an answer ends the FTB claim. True when nothing was entered, or when the user agreed
// to lose it: then every FTB answer is cleared and the screen history emptied. False when the
// user declined; nothing changes.
bool DeleteAllGuard(data::FieldStore& store, platform::Dialogs& dialogs,
                    std::vector<std::int32_t>& screenHistory);

}  // namespace ftb::assessment
