#include "app/griddump.h"

#include <gtest/gtest.h>

#include <map>

namespace mirel::cli {
namespace {

// A fake grid: cells by (row, col), everything else empty.
struct FakeCells {
  std::map<std::pair<ROWCOL, ROWCOL>, std::string> cells;
  CellText Reader() const {
    return [this](ROWCOL row, ROWCOL col) {
      auto it = cells.find({row, col});
      return it == cells.end() ? std::string() : it->second;
    };
  }
};

TEST(CollectReportColumns, StopsAtTheLastColumnWithAKeywordKeepingEmptyOnesBetween) {
  FakeCells grid;
  grid.cells[{1, 2}] = "REFDES";
  grid.cells[{6, 3}] = "title without keyword";
  grid.cells[{1, 4}] = "VALUE";
  grid.cells[{6, 5}] = "after the last keyword";
  std::vector<DumpedColumn> columns = CollectReportColumns(10, grid.Reader());
  ASSERT_EQ(columns.size(), 3u);
  EXPECT_EQ(columns[0].column, 2u);
  EXPECT_EQ(columns[1].column, 3u);
  EXPECT_EQ(columns[1].cells[5], "title without keyword");
  EXPECT_EQ(columns[2].column, 4u);
  EXPECT_EQ(columns[2].cells[0], "VALUE");
}

TEST(CollectReportColumns, NoKeywordNoColumnsAndSmallGridsAreEmpty) {
  FakeCells grid;
  grid.cells[{6, 2}] = "only a title";
  EXPECT_TRUE(CollectReportColumns(10, grid.Reader()).empty());
  EXPECT_TRUE(CollectReportColumns(1, grid.Reader()).empty());
  EXPECT_TRUE(CollectReportColumns(0, grid.Reader()).empty());
}

TEST(DumpToJson, NamesEveryRowByItsLabelInRowOrder) {
  DumpedColumn column;
  column.column = 2;
  column.cells = {"REFDES", "", "", "", "0", "Reference", "1", "1", "20", "LEFT", "1"};
  const std::string json = DumpToJson({column}).dump();
  EXPECT_EQ(json,
            R"({"columns":[{"column":2,"Keyword":"REFDES","Dependency":"","Qualifier":"","Qualifier Value":"",)"
            R"("Total":"0","Title":"Reference","View Order":"1","Sort Order":"1","Width":"20","Alignment":"LEFT",)"
            R"("Visible":"1"}]})");
}

TEST(DumpToJson, AnEmptyGridIsAnEmptyList) { EXPECT_EQ(DumpToJson({}).dump(), R"({"columns":[]})"); }

TEST(DumpToText, HeadingThenOneQuotedLineAColumn) {
  DumpedColumn column;
  column.column = 3;
  column.cells = {"PART", "", "", "\"A,B\",C", "0", "Part \\ name", "1", "0", "12", "LEFT", "1"};
  EXPECT_EQ(DumpToText({column}),
            "column \"Keyword\" \"Dependency\" \"Qualifier\" \"Qualifier Value\" \"Total\" \"Title\" \"View Order\" "
            "\"Sort Order\" \"Width\" \"Alignment\" \"Visible\"\n"
            "3 \"PART\" \"\" \"\" \"\\\"A,B\\\",C\" \"0\" \"Part \\\\ name\" \"1\" \"0\" \"12\" \"LEFT\" \"1\"\n");
}

}  // namespace
}  // namespace mirel::cli
