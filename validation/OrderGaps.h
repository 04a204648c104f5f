#pragma once
// Closing the gaps that empty columns leave in the view and sort order numbering of a query grid,
// before it is validated.
#include <map>
#include <string>
#include <vector>

namespace mirel::validation {

struct OrderCells {
  unsigned long column = 0;  // grid column, 2 and up
  bool used = false;         // the Keyword is not empty
  std::string viewOrder;     // the cell texts as they stand
  std::string sortOrder;
};

// The new numbers to write: grid column -> View Order, grid column -> Sort Order.
struct OrderRenumbering {
  std::map<unsigned long, int> viewOrders;
  std::map<unsigned long, int> sortOrders;
};

// An empty column p before the last used one leaves the number p free when no used column has
// the order text p; every used order above such a p is then lowered by one, once per gap (the
// comparisons use the numbers in the cells, not the lowered ones). Columns in ascending order.
OrderRenumbering CloseOrderGaps(const std::vector<OrderCells>& columns);

}  // namespace mirel::validation
