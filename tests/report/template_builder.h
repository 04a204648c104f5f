#pragma once
// Templates written by hand for the engine's tests, and a run that hands back the cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostapi/templatedata.h"
#include "report/Report.h"

namespace reporttest {

class TemplateBuilder {
 public:
  explicit TemplateBuilder(const char* structure = "DesignBased") {
    m_data.m_structure = structure;
    m_data.m_reportName = "Test";
  }

  // A visible column, left aligned, 20 wide; View and Sort Order follow the columns' order.
  TemplateBuilder& Column(const std::string& keyword, const std::string& dependency = "",
                          const std::string& title = "") {
    auto* query = new CTmpltQuery;
    query->m_keyword = keyword;
    query->m_dependency = dependency;
    query->m_title = title.empty() ? keyword : title;
    query->m_viewOrder = query->m_sortOrder = int(m_data.m_queries.size()) + 1;
    query->m_width = 20;
    query->m_alignment = "LEFT";
    query->m_qualifierValues = {""};
    m_data.m_queries.push_back(query);
    return *this;
  }
  TemplateBuilder& Prop(const std::string& property, const std::string& dependency, const std::string& title = "") {
    Column("PROP", dependency, title.empty() ? property : title);
    Last().m_qualifier = "PROPERTY";
    Last().m_qualifierText = property;
    return *this;
  }
  TemplateBuilder& Qualify(const std::string& text, std::list<std::string> values, const std::string& qualifier = "") {
    Last().m_qualifier = qualifier.empty() ? text : qualifier;
    Last().m_qualifierText = text;
    Last().m_qualifierValues = std::move(values);
    return *this;
  }
  TemplateBuilder& Total() { return Set([](CTmpltQuery& q) { q.m_total = true; }); }
  TemplateBuilder& Hidden() { return Set([](CTmpltQuery& q) { q.m_visible = false; }); }
  TemplateBuilder& Width(int width) { return Set([=](CTmpltQuery& q) { q.m_width = width; }); }
  TemplateBuilder& Align(const char* alignment) { return Set([=](CTmpltQuery& q) { q.m_alignment = alignment; }); }
  TemplateBuilder& Sort(int order) { return Set([=](CTmpltQuery& q) { q.m_sortOrder = order; }); }
  TemplateBuilder& View(int order) { return Set([=](CTmpltQuery& q) { q.m_viewOrder = order; }); }

  CTemplateData& Data() { return m_data; }
  CTmpltQuery& Last() { return *m_data.m_queries.back(); }

 private:
  template <typename F>
  TemplateBuilder& Set(F f) {
    f(Last());
    return *this;
  }
  CTemplateData m_data;
};

using Table = std::vector<std::vector<std::string>>;

// Every row of every section, cells in full.
inline Table Cells(const mirel::report::Report& report) {
  Table table;
  for (const auto& section : report.sections)
    for (const auto& row : section.rows) {
      std::vector<std::string> cells;
      for (const auto& cell : row) cells.push_back(cell.text);
      table.push_back(std::move(cells));
    }
  return table;
}

// The same as text and HTML print them: duplicate cells blank.
inline Table Printed(const mirel::report::Report& report) {
  Table table;
  for (const auto& section : report.sections)
    for (const auto& row : section.rows) {
      std::vector<std::string> cells;
      for (const auto& cell : row) cells.push_back(cell.blank ? "" : cell.text);
      table.push_back(std::move(cells));
    }
  return table;
}

inline mirel::report::Report RunReport(const CTemplateData& data, const mirel::design::Design& design,
                                 mirel::report::RunOptions options = {}) {
  options.date = "2026-12-11";
  mirel::report::RunResult result = mirel::report::RunTemplate(data, design, options);
  EXPECT_EQ(result.error, "");
  if (!result.report) return {};
  return *result.report;
}

}  // namespace reporttest
