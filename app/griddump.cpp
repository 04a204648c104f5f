#include "app/griddump.h"

#include "app/rows.h"
#include "app/scriptlexer.h"

namespace mirel::cli {

std::vector<DumpedColumn> CollectReportColumns(ROWCOL colCount, const CellText& cell) {
  std::vector<DumpedColumn> columns;
  size_t lastWithKeyword = 0;  // how many columns to keep
  for (ROWCOL col = 2; col <= colCount; ++col) {
    DumpedColumn dumped;
    dumped.column = col;
    for (ROWCOL row = kFirstRow; row <= kLastRow; ++row) dumped.cells[row - 1] = cell(row, col);
    const bool hasKeyword = !dumped.cells[0].empty();
    columns.push_back(std::move(dumped));
    if (hasKeyword) lastWithKeyword = columns.size();
  }
  columns.resize(lastWithKeyword);
  return columns;
}

nlohmann::ordered_json DumpToJson(const std::vector<DumpedColumn>& columns) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const DumpedColumn& column : columns) {
    nlohmann::ordered_json object;
    object["column"] = column.column;
    for (ROWCOL row = kFirstRow; row <= kLastRow; ++row) object[RowLabel(row)] = column.cells[row - 1];
    list.push_back(std::move(object));
  }
  nlohmann::ordered_json root;
  root["columns"] = std::move(list);
  return root;
}

std::string DumpToText(const std::vector<DumpedColumn>& columns) {
  std::string text = "column";
  for (ROWCOL row = kFirstRow; row <= kLastRow; ++row) text += " " + QuoteWord(RowLabel(row));
  text += "\n";
  for (const DumpedColumn& column : columns) {
    text += std::to_string(column.column);
    for (const std::string& cell : column.cells) text += " " + QuoteWord(cell);
    text += "\n";
  }
  return text;
}

}  // namespace mirel::cli
