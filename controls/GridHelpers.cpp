#include "controls/GridHelpers.h"

#include "controls/XGrid.h"

namespace ftb::controls {

bool GridHasHalfRow(const TXGrid& grid) {
    for (int row = 1; row < grid.RowCount(); ++row)
        if (!grid.Cells(0, row).empty() && grid.Cells(1, row).empty()) return true;
    return false;
}

}  // namespace ftb::controls
