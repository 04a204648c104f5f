// CSV (RFC 4180): CRLF line ends, a field quoted only when it holds a comma, a quote or a line end.
#include "report/Writers.h"

namespace mirel::report {

namespace {

std::string Field(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Record(const std::vector<std::string>& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) line += (i ? "," : "") + Field(fields[i]);
  return line + "\r\n";
}

}  // namespace

std::string WriteCsv(const Report& report) {
  std::vector<std::string> fields;
  auto start = [&](std::string_view section) {
    fields.clear();
    if (report.sectioned) fields.emplace_back(section);
  };
  start("Section");
  fields.insert(fields.end(), report.titles.begin(), report.titles.end());
  std::string out = Record(fields);
  for (const Section& section : report.sections)
    for (const auto& row : section.rows) {
      start(section.title);
      for (const Cell& cell : row) fields.push_back(cell.text);
      out += Record(fields);
    }
  if (!report.totals.empty()) {
    start("");
    fields.insert(fields.end(), report.totals.begin(), report.totals.end());
    out += Record(fields);
  }
  return out;
}

}  // namespace mirel::report
