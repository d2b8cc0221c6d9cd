#pragma once
// The maintenance payers (field 1264) as the maintenance tables use them: the payer column's
// pick list, and the Add Payer button for a payer forgotten on the list of payers.
#include <functional>
#include <string>
#include <vector>

#include "data/FieldStore.h"
#include "interview/ScreenBuilder.h"
#include "platform/Dialogs.h"

namespace ftb::screens {

// The payer names, in list order, blank ones left out.
data::TextList PayerNames(const data::FieldStore& store);

// Asks for a new payer's name; a name that is not empty joins the payer list, which is then
// sorted by the names' upper-case text. Nothing changes when the box is cancelled or left empty.
void AddPayer(data::FieldStore& store, platform::Dialogs& dialogs);

// The explanation and the "Add Payer" button beside it, at `top` of the screen.
std::vector<interview::TControlDecl> AddPayerControls(int top, std::function<void()> onClick);

}  // namespace ftb::screens
