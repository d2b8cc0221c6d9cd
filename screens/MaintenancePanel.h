#pragma once
// The frame's select panel as the maintenance screens use it once no one is pending: it lists
// the individuals whose questions can be gone over again and the new-worksheet line, and refuses
// to add or delete a worksheet.
#include "data/FieldStore.h"

namespace ftb::interview {
class TChildForm;
}

namespace ftb::screens {

// Fills the panel's list with `entries` and "** Create new worksheet **" and shows the panel.
void ShowMaintenancePanel(interview::TChildForm& screen, const data::TextList& entries);

}  // namespace ftb::screens
