#pragma once
// Questions the screens ask about the contents of a data grid.
namespace ftb::controls {

class TXGrid;

// True when some data row has a non-empty cell in column 0 and an empty one in column 1. Cells
// are not trimmed: a cell of spaces counts as filled.
bool GridHasHalfRow(const TXGrid& grid);

}  // namespace ftb::controls
