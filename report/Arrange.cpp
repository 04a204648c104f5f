#include "report/Arrange.h"

#include <algorithm>
#include <set>
#include <unordered_map>

#include "design/Text.h"
#include "report/Numbers.h"

namespace mirel::report {

namespace {

Alignment AlignmentOf(std::string_view text) {
  if (design::EqualNoCase(design::Trim(text), "RIGHT")) return Alignment::kRight;
  if (design::EqualNoCase(design::Trim(text), "CENTER")) return Alignment::kCenter;
  return Alignment::kLeft;
}

// `title` with every %VARIABLE% (any case) replaced by `text`.
std::string PutIn(const std::string& title, const std::string& variable, const std::string& text) {
  if (variable.empty()) return title;
  const std::string token = "%" + variable + "%";
  std::string out;
  size_t at = 0;
  while (at < title.size()) {
    if (title.size() - at >= token.size() && design::EqualNoCase(std::string_view(title).substr(at, token.size()), token)) {
      out += text;
      at += token.size();
    } else {
      out += title[at++];
    }
  }
  return out;
}

bool Empty(const std::string& cell) { return design::Trim(cell).empty(); }

std::vector<Row> RemoveRows(const CTemplateData& data, const std::vector<int>& visible, std::vector<Row> rows) {
  if (!data.m_removeRowIfAnyEmpty && !data.m_removeRowIfAllEmpty) return rows;
  std::erase_if(rows, [&](const Row& row) {
    size_t empty = 0;
    for (int c : visible) empty += Empty(row.cells[size_t(c)]) ? 1 : 0;
    if (data.m_removeRowIfAnyEmpty && empty > 0) return true;
    return data.m_removeRowIfAllEmpty && !visible.empty() && empty == visible.size();
  });
  return rows;
}

// A cell as step 3 compares it, read once.
struct SortKey {
  bool empty = true;
  std::optional<double> number;
  std::string_view text;
};

SortKey KeyOf(std::string_view cell);
int CompareKeys(const SortKey& a, const SortKey& b);

void SortRows(const Plan& plan, std::vector<Row>& rows) {
  std::vector<int> keys;
  for (int c : plan.viewOrder)
    if (plan.columns[size_t(c)].query.m_sortOrder > 0) keys.push_back(c);
  std::stable_sort(keys.begin(), keys.end(), [&](int a, int b) {
    return plan.columns[size_t(a)].query.m_sortOrder < plan.columns[size_t(b)].query.m_sortOrder;
  });
  if (keys.empty()) return;
  std::vector<std::vector<SortKey>> table(rows.size());
  for (size_t r = 0; r < rows.size(); ++r)
    for (int c : keys) table[r].push_back(KeyOf(rows[r].cells[size_t(c)]));
  std::vector<size_t> order(rows.size());
  for (size_t r = 0; r < order.size(); ++r) order[r] = r;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    for (size_t k = 0; k < keys.size(); ++k)
      if (const int c = CompareKeys(table[a][k], table[b][k]); c != 0) return c < 0;
    return false;
  });
  std::vector<Row> sorted;
  sorted.reserve(rows.size());
  for (size_t r : order) sorted.push_back(std::move(rows[r]));
  rows = std::move(sorted);
}

std::vector<std::uint32_t> ChainKey(const PlanColumn& column, const Row& row) {
  std::vector<std::uint32_t> key;
  for (int slot : column.chain) key.push_back(row.bindings[size_t(slot)]);
  return key;
}

std::vector<std::string> Totals(const Plan& plan, const std::vector<int>& visible, const std::vector<Row>& rows) {
  bool any = false;
  for (int c : visible) any = any || plan.columns[size_t(c)].query.m_total;
  if (!any) return {};
  std::vector<std::string> totals;
  bool labelled = false;
  for (int c : visible) {
    const PlanColumn& column = plan.columns[size_t(c)];
    if (!column.query.m_total) {
      totals.push_back(labelled ? "" : "Total");
      labelled = true;
      continue;
    }
    std::set<std::vector<std::uint32_t>> counted;
    double sum = 0;
    bool number = false;
    for (const Row& row : rows) {
      const std::optional<double> value = ReadNumber(design::Trim(row.cells[size_t(c)]));
      if (!value || !counted.insert(ChainKey(column, row)).second) continue;
      sum += *value;
      number = true;
    }
    totals.push_back(number ? FormatNumber(sum) : "");
  }
  return totals;
}

// Step 6: a cell is blank when the row above in its section shows the same text made by the
// same bindings along the column's chain.
void MarkDuplicates(const Plan& plan, const std::vector<int>& visible, const std::vector<const Row*>& rows,
                    Section& section) {
  for (size_t r = 1; r < rows.size(); ++r)
    for (size_t v = 0; v < visible.size(); ++v) {
      const PlanColumn& column = plan.columns[size_t(visible[v])];
      const size_t c = size_t(visible[v]);
      if (rows[r]->cells[c] == rows[r - 1]->cells[c] && ChainKey(column, *rows[r]) == ChainKey(column, *rows[r - 1]))
        section.rows[r][v].blank = true;
    }
}

}  // namespace

namespace {

// A cell is read as a number for sorting only when it begins with a digit, a point or a sign:
// "R10" is a reference, not the RKM value 0.1 (which would put R10 before R2 and every R before C1).
SortKey KeyOf(std::string_view cell) {
  SortKey key;
  key.text = cell;
  const std::string text = design::Trim(cell);
  key.empty = text.empty();
  const size_t first = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  if (first < text.size() && ((text[first] >= '0' && text[first] <= '9') || text[first] == '.'))
    key.number = ReadNumber(text);
  return key;
}

int CompareKeys(const SortKey& a, const SortKey& b) {
  if (a.empty || b.empty) return a.empty == b.empty ? 0 : (a.empty ? 1 : -1);
  if (a.number.has_value() != b.number.has_value()) return a.number ? -1 : 1;
  if (a.number && *a.number != *b.number) return *a.number < *b.number ? -1 : 1;
  if (const int natural = design::NaturalCompare(a.text, b.text); natural != 0) return natural;
  return a.text.compare(b.text) < 0 ? -1 : (a.text == b.text ? 0 : 1);
}

}  // namespace

int CompareCells(std::string_view a, std::string_view b) { return CompareKeys(KeyOf(a), KeyOf(b)); }

void Arrange(const Plan& plan, const CTemplateData& data, std::vector<Row> rows, Report& report) {
  std::vector<int> visible;
  for (int c : plan.viewOrder)
    if (plan.columns[size_t(c)].query.m_visible) visible.push_back(c);

  const std::string variableTitle =
      plan.titleVariableColumn >= 0 ? plan.columns[size_t(plan.titleVariableColumn)].query.m_title : "";
  for (int c : visible) {
    const PlanColumn& column = plan.columns[size_t(c)];
    const bool property = column.info && column.info->keyword == Keyword::kProp;
    report.columns.push_back({column.query.m_keyword, property ? column.name : "", column.query.m_title,
                              column.query.m_width, AlignmentOf(column.query.m_alignment), column.query.m_total});
    report.titles.push_back(PutIn(column.query.m_title, plan.titleVariable, variableTitle));
  }

  rows = RemoveRows(data, visible, std::move(rows));
  SortRows(plan, rows);
  report.totals = Totals(plan, visible, rows);

  // Sections in the order of their first row.
  report.sectioned = plan.titleVariableColumn >= 0;
  std::vector<std::vector<const Row*>> members;
  std::vector<std::string> texts;
  std::unordered_map<std::string, size_t> sectionOf;
  for (const Row& row : rows) {
    const std::string text = report.sectioned ? row.cells[size_t(plan.titleVariableColumn)] : "";
    const auto [found, added] = sectionOf.emplace(text, texts.size());
    if (added) {
      texts.push_back(text);
      members.emplace_back();
    }
    members[found->second].push_back(&row);
  }
  if (texts.empty()) {
    texts.emplace_back();
    members.emplace_back();
  }

  for (size_t s = 0; s < texts.size(); ++s) {
    Section section;
    section.title = texts[s];
    for (int c : visible) section.titles.push_back(PutIn(plan.columns[size_t(c)].query.m_title, plan.titleVariable, texts[s]));
    for (const Row* row : members[s]) {
      std::vector<Cell> cells;
      for (int c : visible) cells.push_back({row->cells[size_t(c)], false});
      section.rows.push_back(std::move(cells));
    }
    if (!data.m_duplicateCellValues) MarkDuplicates(plan, visible, members[s], section);
    for (size_t v = 0; v < visible.size(); ++v) {
      const PlanColumn& column = plan.columns[size_t(visible[v])];
      const bool ranged = column.info && ((column.info->keyword == Keyword::kRefdes && data.m_refDesAsRange) ||
                                          (column.info->keyword == Keyword::kPinNumber && data.m_pinNumberAsRange));
      if (!ranged) continue;
      for (auto& cells : section.rows) cells[v].text = CollapseRanges(cells[v].text);
    }
    report.sections.push_back(std::move(section));
  }
}

}  // namespace mirel::report
