// JSON: one object on one line, keys in a fixed order, every cell a string in full.
#include <nlohmann/json.hpp>

#include "report/Writers.h"

namespace mirel::report {

std::string WriteJson(const Report& report) {
  using Json = nlohmann::ordered_json;
  Json columns = Json::array();
  for (const Column& column : report.columns) {
    Json entry;
    entry["keyword"] = column.keyword;
    if (!column.property.empty()) entry["property"] = column.property;
    entry["title"] = column.title;
    entry["alignment"] = AlignmentName(column.alignment);
    columns.push_back(std::move(entry));
  }
  Json sections = Json::array();
  for (const Section& section : report.sections) {
    Json rows = Json::array();
    for (const auto& row : section.rows) {
      Json cells = Json::array();
      for (const Cell& cell : row) cells.push_back(cell.text);
      rows.push_back(std::move(cells));
    }
    sections.push_back(Json{{"title", section.title}, {"rows", std::move(rows)}});
  }
  Json out;
  out["format"] = "mirel-report";
  out["formatVersion"] = 1;
  out["reportName"] = report.reportName;
  out["design"] = report.design;
  out["variant"] = report.variant;
  out["columns"] = std::move(columns);
  out["sections"] = std::move(sections);
  out["totals"] = report.totals;
  // Text that is not valid UTF-8 is replaced rather than refused: a report is always written.
  return out.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace mirel::report
