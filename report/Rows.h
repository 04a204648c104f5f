#pragma once
// Step 1 of a run: the rows the binding columns make and every cell of them, operators included.
#include <cstdint>
#include <string>
#include <vector>

#include "design/Design.h"
#include "report/Plan.h"

namespace mirel::report {

struct Row {
  std::vector<std::string> cells;      // one per plan column
  std::vector<std::uint32_t> bindings;  // per binding slot: which binding made the row (ids are unique)
};

std::vector<Row> EvaluateRows(const Plan& plan, const design::Design& design, const RunOptions& options);

}  // namespace mirel::report
