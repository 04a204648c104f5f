#pragma once
// The drop-down choices of a query grid cell, as the person sees them when opening its list.
#include <vector>

#include "app/output.h"
#include "platform/mfc/afxtypes.h"

class CQueryGrid;

namespace mirel::cli {

// Composes the cell, which for the current cell fills the grid's shared list box, and reads the
// list's entries in their own (sorted) order with their colours. A cell without a drop-down
// has no choices.
std::vector<Choice> ReadDropDownChoices(CQueryGrid& grid, ROWCOL row, ROWCOL col);

}  // namespace mirel::cli
