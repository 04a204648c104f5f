#include "validation/OrderGaps.h"

#include <algorithm>
#include <set>

#include "validation/CellText.h"

namespace mirel::validation {
namespace {

// How many of the (ascending) gap numbers lie below the order.
int GapsBelow(const std::vector<unsigned long>& gaps, int order) {
  if (order <= 0) return 0;
  return int(std::lower_bound(gaps.begin(), gaps.end(), static_cast<unsigned long>(order)) - gaps.begin());
}

}  // namespace

OrderRenumbering CloseOrderGaps(const std::vector<OrderCells>& columns) {
  std::set<std::string> viewTexts;
  std::set<std::string> sortTexts;
  unsigned long lastUsed = 1;
  for (const OrderCells& cells : columns) {
    if (!cells.used) continue;
    viewTexts.insert(cells.viewOrder);
    sortTexts.insert(cells.sortOrder);
    lastUsed = cells.column;
  }

  std::vector<unsigned long> viewGaps;
  std::vector<unsigned long> sortGaps;
  for (const OrderCells& cells : columns) {
    if (cells.used || cells.column < 2 || cells.column > lastUsed) continue;
    const std::string number = std::to_string(cells.column);
    if (!viewTexts.contains(number)) viewGaps.push_back(cells.column);
    if (!sortTexts.contains(number)) sortGaps.push_back(cells.column);
  }
  std::sort(viewGaps.begin(), viewGaps.end());
  std::sort(sortGaps.begin(), sortGaps.end());

  OrderRenumbering renumbering;
  if (viewGaps.empty() && sortGaps.empty()) return renumbering;
  for (const OrderCells& cells : columns) {
    if (!cells.used) continue;
    const int view = CellInt(cells.viewOrder);
    if (const int below = GapsBelow(viewGaps, view); below > 0) renumbering.viewOrders[cells.column] = view - below;
    const int sort = CellInt(cells.sortOrder);
    if (const int below = GapsBelow(sortGaps, sort); below > 0) renumbering.sortOrders[cells.column] = sort - below;
  }
  return renumbering;
}

}  // namespace mirel::validation
