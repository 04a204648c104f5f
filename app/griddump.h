#pragma once
// The grid as `mirel show` and the script's `dump` print it: every report column from grid
// column 2 up to the last one with a keyword, each with its eleven cell texts as the grid holds
// them. The grid is read through a function, so the format is tested without a grid.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "platform/mfc/afxtypes.h"

namespace mirel::cli {

struct DumpedColumn {
  ROWCOL column = 0;                  // grid column
  std::array<std::string, 11> cells;  // rows 1 to 11
};

using CellText = std::function<std::string(ROWCOL row, ROWCOL col)>;

// Grid columns 2 .. colCount (the grid's last column), cut after the last non-empty Keyword.
std::vector<DumpedColumn> CollectReportColumns(ROWCOL colCount, const CellText& cell);

// {"columns":[{"column":2,"Keyword":"...", ... ,"Visible":"1"}, ...]}
nlohmann::ordered_json DumpToJson(const std::vector<DumpedColumn>& columns);

// A heading line with the row labels, then one line a column: its number and the eleven texts,
// each quoted as a script word (so blanks, empty cells and quotes stay readable).
std::string DumpToText(const std::vector<DumpedColumn>& columns);

}  // namespace mirel::cli
