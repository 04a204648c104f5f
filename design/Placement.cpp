// KiCad position files: the ASCII table ("# Ref Val Package PosX PosY Rot Side") and the CSV
// ("Ref,Val,Package,PosX,PosY,Rot,Side", or an assembler's names for the same columns).
#include <algorithm>
#include <charconv>
#include <set>

#include "design/Kicad.h"
#include "design/Text.h"
#include "host/utf8.h"

namespace mirel::design {
namespace {

struct Row {
  std::size_t offset = 0;  // of the line, for messages
  std::vector<std::string> cells;
};

std::vector<std::string> SplitCsv(std::string_view line) {
  std::vector<std::string> cells(1);
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') cells.back() += line[++i];
      else if (c == '"') quoted = false;
      else cells.back() += c;
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      cells.emplace_back();
    } else {
      cells.back() += c;
    }
  }
  for (std::string& cell : cells) cell = Trim(cell);
  return cells;
}

std::vector<std::string> SplitBlanks(std::string_view line) {
  std::vector<std::string> cells;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) cells.emplace_back(line.substr(start, i - start));
  }
  return cells;
}

// Column indexes of what we need, from a header's names.
struct Columns {
  int ref = -1, x = -1, y = -1, rotation = -1, side = -1;
  bool Complete() const { return ref >= 0 && x >= 0 && y >= 0; }
};

Columns ColumnsOf(const std::vector<std::string>& header) {
  Columns columns;
  const auto is = [](const std::string& cell, std::initializer_list<std::string_view> names) {
    for (std::string_view name : names)
      if (EqualNoCase(cell, name)) return true;
    return false;
  };
  for (int i = 0; i < int(header.size()); ++i) {
    const std::string& cell = header[i];
    if (is(cell, {"Ref", "Reference", "Designator", "RefDes"})) columns.ref = i;
    else if (is(cell, {"PosX", "MidX", "Mid X", "X", "Center-X(mm)", "Pos X"})) columns.x = i;
    else if (is(cell, {"PosY", "MidY", "Mid Y", "Y", "Center-Y(mm)", "Pos Y"})) columns.y = i;
    else if (is(cell, {"Rot", "Rotation", "Angle"})) columns.rotation = i;
    else if (is(cell, {"Side", "Layer"})) columns.side = i;
  }
  return columns;
}

class Reader {
 public:
  Reader(std::string_view text, Design& design, std::vector<std::string>& warnings)
      : m_text(text), m_design(design), m_warnings(warnings) {}

  void Run() {
    std::vector<Row> rows;
    bool ascii = false;
    Columns columns;
    std::size_t at = 0;
    while (at < m_text.size()) {
      std::size_t end = m_text.find('\n', at);
      if (end == std::string_view::npos) end = m_text.size();
      std::string_view line = m_text.substr(at, end - at);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      const std::size_t offset = at;
      at = end + 1;
      if (Trim(line).empty()) continue;
      if (line.starts_with("#")) {
        ascii = true;
        ReadComment(line, columns, offset);
        continue;
      }
      if (!ascii && !columns.Complete()) {  // the CSV header
        columns = ColumnsOf(SplitCsv(line));
        if (!columns.Complete()) Fail(offset, "not a position file: the first line names no Ref, PosX and PosY columns");
        continue;
      }
      if (ascii && !columns.Complete()) Fail(offset, "a position before the \"# Ref ... PosX PosY Rot Side\" header");
      Place(Row{offset, ascii ? SplitBlanks(line) : SplitCsv(line)}, columns, ascii);
    }
    if (!columns.Complete()) Fail(0, "not a position file: no \"Ref\", \"PosX\" and \"PosY\" columns");
  }

 private:
  [[noreturn]] void Fail(std::size_t offset, const std::string& what) const {
    const TextPosition pos = PositionOf(m_text, offset);
    throw std::runtime_error("line " + std::to_string(pos.line) + ", column " + std::to_string(pos.column) + ": " + what);
  }

  void ReadComment(std::string_view line, Columns& columns, std::size_t offset) {
    if (line.find("Unit = inches") != std::string_view::npos || line.find("Unit = in") != std::string_view::npos)
      m_scale = 25.4;
    if (line.starts_with("# Ref") || line.starts_with("#Ref")) {
      std::vector<std::string> header = SplitBlanks(line.substr(1));
      columns = ColumnsOf(header);
      m_asciiWidth = header.size();
      if (!columns.Complete()) Fail(offset, "the header names no Ref, PosX and PosY columns");
    }
  }

  double Number(const Row& row, int column, const char* what) const {
    std::string cell = row.cells[std::size_t(column)];
    if (cell.ends_with("mm")) cell.resize(cell.size() - 2);
    double value = 0;
    const char* begin = cell.data() + (cell.starts_with("+") ? 1 : 0);
    const auto [end, ec] = std::from_chars(begin, cell.data() + cell.size(), value);
    if (cell.empty() || ec != std::errc() || end != cell.data() + cell.size())
      Fail(row.offset, std::string(what) + " \"" + row.cells[std::size_t(column)] + "\" is not a number");
    return value;
  }

  Side SideOf(const Row& row, int column) const {
    if (column < 0) return Side::kTop;
    const std::string& cell = row.cells[std::size_t(column)];
    for (std::string_view top : {"top", "front", "t", "f", "F.Cu"})
      if (EqualNoCase(cell, top)) return Side::kTop;
    for (std::string_view bottom : {"bottom", "back", "b", "B.Cu", "bot"})
      if (EqualNoCase(cell, bottom)) return Side::kBottom;
    Fail(row.offset, "the side \"" + cell + "\" is neither top nor bottom");
  }

  void Place(Row row, const Columns& columns, bool ascii) {
    // A value with blanks in an ASCII table: its cells are counted from the end.
    if (ascii && row.cells.size() > m_asciiWidth) {
      const std::size_t extra = row.cells.size() - m_asciiWidth;
      row.cells.erase(row.cells.begin() + 1, row.cells.begin() + 1 + std::ptrdiff_t(extra));
    }
    const int needed = std::max({columns.ref, columns.x, columns.y, columns.rotation, columns.side});
    if (int(row.cells.size()) <= needed)
      Fail(row.offset, "the line has " + std::to_string(row.cells.size()) + " columns, " + std::to_string(needed + 1) + " expected");
    const std::string& refdes = row.cells[std::size_t(columns.ref)];
    Placement at;
    at.x = Number(row, columns.x, "PosX") * m_scale;
    at.y = Number(row, columns.y, "PosY") * m_scale;
    at.rotation = columns.rotation >= 0 ? Number(row, columns.rotation, "Rot") : 0;
    at.side = SideOf(row, columns.side);
    const Index c = m_design.FindComponent(refdes);
    if (c == kNone) {
      m_warnings.push_back("the position file places " + refdes + ", which the design lacks");
      return;
    }
    if (!m_placed.insert(refdes).second) m_warnings.push_back("the position file places " + refdes + " twice; the last one counts");
    m_design.components[c].placement = at;
  }

  std::string_view m_text;
  Design& m_design;
  std::vector<std::string>& m_warnings;
  double m_scale = 1;
  std::size_t m_asciiWidth = 0;
  std::set<std::string> m_placed;
};

}  // namespace

bool ReadPlacements(std::string_view text, const std::string& name, Design& design, std::vector<std::string>& warnings,
                    std::string& error) {
  if (const auto bad = FindInvalidUtf8(text)) {
    const TextPosition pos = PositionOf(text, *bad);
    error = name + ": line " + std::to_string(pos.line) + ", column " + std::to_string(pos.column) +
            ": the file is not UTF-8 text";
    return false;
  }
  // Placements go in whole or not at all.
  std::vector<std::optional<Placement>> before;
  for (const Component& c : design.components) before.push_back(c.placement);
  std::vector<std::string> found;
  try {
    Reader(text, design, found).Run();
  } catch (const std::runtime_error& e) {
    for (std::size_t i = 0; i < before.size(); ++i) design.components[i].placement = before[i];
    error = name + ": " + e.what();
    return false;
  }
  for (std::string& warning : found) warnings.push_back(name + ": " + warning);
  return true;
}

}  // namespace mirel::design
