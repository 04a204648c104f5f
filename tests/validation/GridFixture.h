#pragma once
// A query grid set up as the layout page sets it up (no window), whose cells the tests write
// directly, past the grid's cell rules, so that each test states exactly what the validation
// grid is given; user-defined columns registered with it; every question answered by script.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "hostapi/propertyserver.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"
#include "tests/validation/FakeQueryServer.h"
#include "validation/ValidationGrid.h"

namespace mirel::test {

class PropertyHost : public IServer {
 public:
  explicit PropertyHost(CPQPropertyServer* properties) : m_properties(properties) {}
  CPQPropertyServer* GetPropertyServer() override { return m_properties; }

 private:
  CPQPropertyServer* m_properties;
};

struct ColumnCells {
  std::string keyword;
  std::string dependency;
  std::string title;
  std::string view;
  std::string sort;
};

inline CTmpltQuery SubColumn(std::string keyword, std::string dependency, int view, int sort,
                             std::string title = "") {
  CTmpltQuery q;
  q.m_keyword = std::move(keyword);
  q.m_dependency = std::move(dependency);
  q.m_viewOrder = view;
  q.m_sortOrder = sort;
  q.m_title = std::move(title);
  q.m_width = 20;
  q.m_alignment = "LEFT";
  q.m_qualifierValues = {""};
  return q;
}

class GridTest : public testing::Test {
 protected:
  explicit GridTest(IZRQueryServer* queryServer = nullptr)
      : m_scope(script),
        properties(CPQPropertyServer::KindMap{{10, {"HEIGHT", "VALUE"}}}),
        host(&properties),
        grid(&host, queryServer ? queryServer : &vocabulary) {
    AddResourceModule(LibraryResources());
    grid.InitGrid();
  }

  // Writes a cell as it stands, without the query grid's rules.
  void Put(ROWCOL row, ROWCOL col, const CGXStyle& style) {
    CGXGridCore& core = grid;
    ASSERT_TRUE(core.CGXGridCore::StoreStyleRowCol(row, col, &style, gxOverride, gxCellStyle));
  }
  void PutText(ROWCOL row, ROWCOL col, const std::string& text) { Put(row, col, CGXStyle().SetValue(text.c_str())); }

  void PutColumn(ROWCOL col, const ColumnCells& cells) {
    if (col > grid.GetColCount()) grid.SetColCount(col);
    PutText(qg::kRowKeyword, col, cells.keyword);
    PutText(qg::kRowDependency, col, cells.dependency);
    PutText(qg::kRowTitle, col, cells.title);
    PutText(qg::kRowViewOrder, col, cells.view);
    PutText(qg::kRowSortOrder, col, cells.sort);
  }
  // A column that shows the user-defined column `cells.keyword`, as the keyword rules mark it.
  void PutCustomColumn(ROWCOL col, const ColumnCells& cells) {
    PutColumn(col, cells);
    Put(qg::kRowKeyword, col, CGXStyle().SetUserAttribute(qg::kCustomColAttr, 1L));
  }
  // Registers a user-defined column with the query grid (which owns the definition).
  void Define(const std::string& name, const std::vector<CTmpltQuery>& subColumns) {
    auto* data = new CCustomColData;
    data->m_name = name;
    for (const CTmpltQuery& q : subColumns) data->m_queries.push_back(new CTmpltQuery(q));
    grid.AddCustomColToList(data);
  }

  std::unique_ptr<CValidationGrid> Expand(int offScreen = 1) {
    auto expanded = std::make_unique<CValidationGrid>(&grid);
    expanded->InitializeGrid(offScreen);
    return expanded;
  }

  static std::string Text(CValidationGrid& v, ROWCOL row, ROWCOL col) { return v.GetValueRowCol(row, col).str(); }
  std::string QueryText(ROWCOL row, ROWCOL col) { return grid.GetValueRowCol(row, col).str(); }

  // The codes of the messages shown so far.
  std::vector<std::string> Codes() const {
    std::vector<std::string> codes;
    for (const auto& asked : script.Asked()) codes.push_back(asked.code);
    return codes;
  }
  std::vector<std::string> Args(size_t index = 0) const {
    std::vector<std::string> args;
    if (index < script.Asked().size())
      for (const auto& a : script.Asked()[index].args) args.push_back(a.ToString());
    return args;
  }

  ScriptedInteraction script;

 private:
  ScopedInteraction m_scope;

 protected:
  FakeQueryServer vocabulary;
  CPQPropertyServer properties;
  PropertyHost host;
  CQueryGrid grid;
};

}  // namespace mirel::test
