#pragma once
// Running a template: a template's query list and a design give a report (rows gathered into
// sections, a total row), written as text, CSV, HTML or JSON. Plain C++: the engine reads the
// query list (CTmpltQuery), never a grid, so the command line, the preview and the tests run it
// the same way.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "design/Design.h"
#include "hostapi/queryserver.h"
#include "hostapi/templatedata.h"

namespace mirel::report {

struct RunOptions {
  std::string variant;      // "" : the design without variant
  bool fittedOnly = false;  // leave out components not fitted in the variant or excluded from the BOM
  // The vocabulary (borrowed). Null: no keyword is known beyond the engine's own and the operator
  // markers, so an operand that names no column is a literal.
  IZRQueryServer* vocabulary = nullptr;
  // A user-defined column's definition by name (any case), or null when the name is none. Empty:
  // no user-defined columns are known.
  std::function<const CCustomColData*(std::string_view name)> userColumn;
  // The folder a relative title page path is read from ("" : the current folder).
  std::string templateFolder;
  // The date of the run, YYYY-MM-DD ("" : SOURCE_DATE_EPOCH when set, else today).
  std::string date;
};

enum class Alignment { kLeft, kCenter, kRight };

struct Column {  // a visible column, in View Order
  std::string keyword;   // as the template holds it; "PROP" for a property column
  std::string property;  // a property column's property name, else ""
  std::string title;     // as the template holds it (a title variable not put in)
  int width = 0;
  Alignment alignment = Alignment::kLeft;
  bool total = false;
};

struct Cell {
  std::string text;     // in full, ranges applied
  bool blank = false;   // left blank in text and HTML: the row above shows the same (duplicate cells off)
};

struct Section {
  std::string title;                // the title variable's text; "" without a title variable
  std::vector<std::string> titles;  // one per column, the section's text put in
  std::vector<std::vector<Cell>> rows;
};

struct Report {
  std::string reportName, design, variant, date;
  std::string titlePage;        // the title page file's text ("" when none)
  bool sectioned = false;       // the template has a title variable
  std::vector<Column> columns;  // visible columns only
  // Their titles with a title variable replaced by its column's title (a header for all sections).
  std::vector<std::string> titles;
  std::vector<Section> sections;  // at least one
  std::vector<std::string> totals;  // one per column (the "Total" label among them), or none
};

struct RunResult {
  std::optional<Report> report;  // absent when the template cannot be run
  // Why not, naming the column (and the value): an invalid qualifier expression, a dependency
  // that names no column or does not lead to the root. The template's own validation (the
  // grid's, as `mirel validate` runs it) is the caller's, before the run.
  std::string error;
  std::vector<std::string> warnings;  // run anyway: unknown keywords, a missing title page file
};

RunResult RunTemplate(const CTemplateData& templateData, const design::Design& design, const RunOptions& options);

enum class Format { kText, kCsv, kHtml, kJson };
// "text", "csv", "html", "json" (any case); nothing for another name.
std::optional<Format> FormatFromName(std::string_view name);

std::string WriteReport(const Report& report, Format format);

}  // namespace mirel::report
