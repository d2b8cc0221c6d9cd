#pragma once
// The link between a screen's controls and the field store: a component whose Tag is a field
// number (1..1999) edits that field. The frame loads the fields into the controls when it shows a
// screen and saves the controls back when the screen is left or a worksheet is packed.
#include "controls/core/TextLayout.h"
#include "data/FieldStore.h"

namespace ftb::interview {

class TChildForm;

// Copies every bound control of the screen into its field, in creation order: entry fields by
// their kind, check boxes and radio buttons as checked or unchecked, combo boxes as text, grids as
// their text form (setting the modified flag when the grid was modified); labels are not saved.
void SaveScreenToFields(TChildForm& screen, data::FieldStore& store);

// Copies the fields into the bound controls, switches hints off for every control, gives every
// marked-up text the jump handler, and marks the screen as one to complete before saving while a
// worksheet list is open.
void LoadFieldsToScreen(TChildForm& screen, data::FieldStore& store,
                        const controls::TJumpEvent& jumpHandler);

// The caption of a label bound to a field of kind 2 (whole dollars) or 3 (dollars and cents):
// empty at most 0.01 in size, else "$" with thousands separated by commas and 0 or 2 decimals.
std::string CurrencyCaption(long double value, bool cents);

}  // namespace ftb::interview
