// CQueryGrid::ValidateData on the shipped vocabulary: the order gaps that empty columns leave are
// closed first (one undo step), then the first problem of the expanded query is shown, once.
#include <gtest/gtest.h>

#include "tests/validation/GridFixture.h"

namespace {

using mirel::test::ColumnCells;
using mirel::test::SubColumn;
using namespace qg;

IZRQueryServer* ShippedVocabulary() {
  IZRQueryServer* server = IZRQueryServer::InitQueryServer();
  EXPECT_NE(server, nullptr) << "tdd/vocabulary.json not found on the setup path (MIREL_ROOT)";
  return server;
}

class ValidateData : public mirel::test::GridTest {
 protected:
  ValidateData() : GridTest(ShippedVocabulary()) {}
};

TEST_F(ValidateData, GapLeftByAnEmptyColumnIsClosed) {
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutColumn(4, {"VALUE", "REFDES", "", "4", "4"});
  const int undoSteps = grid.GetUndoCount();
  EXPECT_EQ(grid.ValidateData(), 1) << testing::PrintToString(Codes());
  EXPECT_EQ(QueryText(kRowViewOrder, 4), "3");
  EXPECT_EQ(QueryText(kRowSortOrder, 4), "3");
  EXPECT_EQ(grid.GetUndoCount(), undoSteps + 1);
  EXPECT_TRUE(grid.GetParam()->IsEnableUndo());
  EXPECT_EQ(grid.IsModified(), 1);
}

// Undo after a save walks back through states that existed: never two columns of one number.
TEST_F(ValidateData, UndoAfterClosingAGapGivesBackTheEarlierStatesInTurn) {
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutColumn(3, {"VALUE", "REFDES", "", "3", "3"});
  PutColumn(4, {"PART_NUMBER", "REFDES", "", "4", "4"});
  grid.SetCurrentCell(kRowKeyword, 3);
  grid.SetSelection(CGXRange(kRowKeyword, 3, kRowKeyword, 3));
  grid.OnEditDelete();  // frees the number 3
  grid.ValidateData();
  ASSERT_EQ(QueryText(kRowViewOrder, 4), "3");
  ASSERT_TRUE(grid.Undo());
  EXPECT_EQ(QueryText(kRowKeyword, 3), "");
  EXPECT_EQ(QueryText(kRowViewOrder, 4), "4");
  ASSERT_TRUE(grid.Undo());
  EXPECT_EQ(QueryText(kRowKeyword, 3), "VALUE");
  EXPECT_EQ(QueryText(kRowViewOrder, 3), "3");
  EXPECT_EQ(QueryText(kRowViewOrder, 4), "4");
}

TEST_F(ValidateData, NumberTakenByAColumnIsNoGap) {
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutColumn(4, {"VALUE", "REFDES", "", "3", "3"});
  EXPECT_EQ(grid.ValidateData(), 1);
  EXPECT_EQ(QueryText(kRowViewOrder, 4), "3");
  EXPECT_EQ(grid.IsModified(), 0);
}

TEST_F(ValidateData, EmptyColumnsAfterTheLastUsedAreNotLookedAt) {
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutColumn(3, {"VALUE", "REFDES", "", "3", "3"});
  EXPECT_EQ(grid.ValidateData(), 1);  // the validation grid numbers 1 and 2
  EXPECT_EQ(QueryText(kRowViewOrder, 3), "3");
}

TEST_F(ValidateData, GapsCloseEvenWhenTheQueryFails) {
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutColumn(4, {"PART_NUMBER", "", "", "4", "4"});
  EXPECT_EQ(grid.ValidateData(), 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{"ZRREPS-227"});
  EXPECT_EQ(QueryText(kRowViewOrder, 4), "3");
}

TEST_F(ValidateData, WindowedGridValidatesInAChildItRemovesAgain) {
  ASSERT_TRUE(grid.Create(WS_VISIBLE, RECT{0, 0, 400, 300}, nullptr, 1));
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutColumn(3, {"REFDES", "", "", "2", "2"});
  EXPECT_EQ(grid.ValidateData(), 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{"ZRREPS-227"});
  EXPECT_EQ(grid.GetDlgItem(int(CValidationGrid::kWindowId)), nullptr);
  grid.DestroyWindow();
}

TEST_F(ValidateData, NoUsedColumnIsAnEmptyQuery) {
  EXPECT_EQ(grid.ValidateData(), 1);
  EXPECT_TRUE(Codes().empty());
}

TEST_F(ValidateData, ValidBillOfMaterials) {
  Define("PINLIST", {SubColumn("PIN_NUMBER", "", 1, 1, "Pin"), SubColumn("PIN_NAME", "PIN_NUMBER", 2, 2, "Name")});
  PutColumn(2, {"PART_NUMBER", "", "Part", "1", "1"});
  PutColumn(3, {"REFDES", "PART_NUMBER", "Parts of %PART_NUMBER%", "2", "2"});
  PutCustomColumn(4, {"PINLIST", "REFDES", "", "3", "3"});
  PutColumn(5, {"QUANTITY", "PART_NUMBER", "Qty", "4", "5"});
  PutColumn(6, {"HEIGHT", "REFDES", "Height", "5", "4"});
  Put(kRowKeyword, 6, CGXStyle().SetControl(kPropFieldControl));
  PutColumn(7, {"MATH-OP", "QUANTITY*QUANTITY", "Square", "6", "6"});
  EXPECT_EQ(grid.ValidateData(), 1) << testing::PrintToString(Codes()) << testing::PrintToString(Args());
  EXPECT_TRUE(Codes().empty());
  // Unsorting a sub-column leaves its number to nobody.
  grid.GetCustomColData("PINLIST")->m_queries.back()->m_sortOrder = 0;
  EXPECT_EQ(grid.ValidateData(), 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{"ZRREPS-241"});
  EXPECT_EQ(Args(), std::vector<std::string>{"4"});
}

// Loaded as the layout page loads a template, every cell through the query grid's own rules.
TEST_F(ValidateData, LoadedTemplateWithAUserDefinedColumn) {
  Define("PINLIST", {SubColumn("PIN_NUMBER", "", 1, 1, "Pin"), SubColumn("PIN_NAME", "PIN_NUMBER", 2, 2, "Name")});
  std::list<CTmpltQuery*> queries;
  for (const CTmpltQuery& q : {SubColumn("PART_NUMBER", "", 1, 1, "Part"),
                               SubColumn("REFDES", "PART_NUMBER", 2, 2, "Parts of %part_number%"),
                               SubColumn("PINLIST", "REFDES", 3, 3), SubColumn("VALUE", "REFDES", 4, 4)})
    queries.push_back(new CTmpltQuery(q));
  grid.SetTemplateData(&queries);
  ASSERT_EQ(grid.InitQueryFields(1), 1);
  EXPECT_EQ(grid.ValidateData(), 1) << testing::PrintToString(Codes()) << testing::PrintToString(Args());

  auto v = Expand();
  EXPECT_EQ(Text(*v, kRowKeyword, 4), "PIN_NUMBER");
  EXPECT_EQ(Text(*v, kRowDependency, 4), "REFDES");
  EXPECT_EQ(Text(*v, kRowViewOrder, 6), "5");

  // A second title variable, typed into the loaded grid.
  grid.SetValueRange(CGXRange(kRowTitle, 5), "Value of %NET_NAME%");
  EXPECT_EQ(grid.ValidateData(), 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{"ZRREPS-246"});
  DeleteTmpltQueries(queries);
}

struct MessageCase {
  const char* name;
  int customizeMode;
  std::vector<ColumnCells> columns;
  std::string code;
  std::vector<std::string> args;
};
std::ostream& operator<<(std::ostream& os, const MessageCase& c) { return os << c.name; }

class ValidateDataMessages : public ValidateData, public testing::WithParamInterface<MessageCase> {};

TEST_P(ValidateDataMessages, OneMessageWithItsArguments) {
  const MessageCase& c = GetParam();
  grid.SetCustomizeMode(c.customizeMode);
  ROWCOL col = kFirstReportCol;
  for (const ColumnCells& cells : c.columns) PutColumn(col++, cells);
  const int result = grid.ValidateData();
  if (c.code.empty()) {
    EXPECT_EQ(result, 1) << testing::PrintToString(Codes()) << testing::PrintToString(Args());
    EXPECT_TRUE(Codes().empty());
    return;
  }
  EXPECT_EQ(result, 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{c.code});
  EXPECT_EQ(Args(), c.args);
}

INSTANTIATE_TEST_SUITE_P(
    ShippedVocabulary, ValidateDataMessages,
    testing::Values(
        MessageCase{"NetList",
                    0,
                    {{"NET_NAME", "", "Net", "1", "1"},
                     {"REFDES", "NET_NAME", "Ref", "2", "2"},
                     {"PIN_NUMBER", "REFDES", "Pin", "3", "3"}},
                    "",
                    {}},
        MessageCase{"SecondRoot", 0, {{"REFDES", "", "", "1", "1"}, {"PART_NUMBER", "", "", "2", "2"}}, "ZRREPS-227", {}},
        MessageCase{"NoRoot",
                    0,
                    {{"REFDES", "PART_NUMBER", "", "1", "1"}, {"PART_NUMBER", "REFDES", "", "2", "2"}},
                    "ZRREPS-226",
                    {}},
        MessageCase{"RootThatNeedsAParent", 0, {{"PIN_NUMBER", "", "", "1", "1"}}, "ZRREPS-228", {"PIN_NUMBER", "DESIGN"}},
        MessageCase{"RefusedDependency",
                    0,
                    {{"REFDES", "", "", "1", "1"}, {"SHEET_TITLE", "REFDES", "", "2", "2"}},
                    "ZRREPS-228",
                    {"SHEET_TITLE", "REFDES"}},
        MessageCase{"DependencyWithoutItsColumn",
                    0,
                    {{"REFDES", "", "", "1", "1"}, {"PIN_NUMBER", "NET_NAME", "", "2", "2"}},
                    "ZRREPS-229",
                    {"PIN_NUMBER", "NET_NAME", "NET_NAME"}},
        MessageCase{"TwoTitleVariables",
                    0,
                    {{"REFDES", "", "%value%", "1", "1"}, {"VALUE", "REFDES", "%REFDES%", "2", "2"}},
                    "ZRREPS-246",
                    {}},
        MessageCase{"TitleVariableWithoutItsColumn",
                    0,
                    {{"REFDES", "", "Nets of %NET_NAME%", "1", "1"}},
                    "ZRREPS-257",
                    {"NET_NAME"}},
        MessageCase{"TitleVariableNotRelated",
                    0,
                    {{"REFDES", "", "", "1", "1"},
                     {"PART_NUMBER", "REFDES", "", "2", "2"},
                     {"VALUE", "REFDES", "Value of %PART_NUMBER%", "3", "3"}},
                    "ZRREPS-248",
                    {"PART_NUMBER", "VALUE", "REFDES", "PART_NUMBER", "VALUE"}},
        MessageCase{"TitleSearchEndsOnACycle",
                    0,
                    {{"REFDES", "", "", "1", "1"},
                     {"PART_NUMBER", "PART_NAME", "", "2", "2"},
                     {"PART_NAME", "PART_NUMBER", "", "3", "3"},
                     {"VALUE", "REFDES", "Value of %PART_NAME%", "4", "4"}},
                    "ZRREPS-248",
                    {"PART_NAME", "VALUE", "REFDES", "PART_NAME", "VALUE"}},
        MessageCase{"TitleVariableIsOwnKeyword",
                    0,
                    {{"BLOCK", "", "", "1", "1"}, {"BLOCK", "BLOCK", "%BLOCK%", "2", "2"}},
                    "ZRREPS-251",
                    {"BLOCK"}},
        MessageCase{"ViewOrderZero",
                    0,
                    {{"REFDES", "", "", "1", "1"}, {"VALUE", "REFDES", "", "0", "2"}},
                    "ZRREPS-238",
                    {"Incorrect view order for keyword VALUE dependent on REFDES (column 2). View Order", "1", "2"}},
        MessageCase{"ViewOrderTwice",
                    0,
                    {{"REFDES", "", "", "1", "1"}, {"VALUE", "REFDES", "", "2", "2"}, {"FOOTPRINT", "REFDES", "", "01", "3"}},
                    "ZRREPS-239",
                    {"View order given for keyword FOOTPRINT dependent on REFDES (column 3) already exists. View Order"}},
        MessageCase{"SortOrderTwice",
                    0,
                    {{"REFDES", "", "", "1", "2"}, {"VALUE", "REFDES", "", "2", "2"}},
                    "ZRREPS-239",
                    {"Sort order given for keyword VALUE dependent on REFDES (column 2) already exists. Sort Order"}},
        MessageCase{"UnsortedColumn",
                    0,
                    {{"REFDES", "", "", "1", "1"}, {"VALUE", "REFDES", "", "2", "2"}, {"FOOTPRINT", "REFDES", "", "3", "0"}},
                    "ZRREPS-241",
                    {"3"}},
        MessageCase{"SubColumnTitleVariable", 1, {{"PIN_NUMBER", "REFDES", "Pin %REFDES%", "1", "1"}}, "ZRREPS-247", {}},
        MessageCase{"OperatorRootSubColumn", 1, {{"STRINGOP", "", "", "1", "1"}}, "ZRREPS-242", {"STRINGOP"}},
        MessageCase{"RootSubColumnsWithNothingInCommon",
                    1,
                    {{"PIN_NUMBER", "", "", "1", "1"}, {"DESIGN_PATH", "", "", "2", "2"}},
                    "ZRREPS-243",
                    {}},
        MessageCase{"UserDefinedColumnIsNotAReport",
                    1,
                    {{"PIN_NUMBER", "", "", "1", "1"}, {"PIN_NAME", "", "", "2", "2"}},
                    "",
                    {}}),
    [](const auto& info) { return std::string(info.param.name); });

// A problem in a column is told by the column the person sees in the query grid.
class ValidateDataNaming : public ValidateData {
 protected:
  void PutQuery(const std::string& customView, const std::string& valueView) {
    Define("PINLIST", {SubColumn("PIN_NUMBER", "", 1, 1), SubColumn("PIN_NAME", "PIN_NUMBER", 2, 2)});
    PutColumn(2, {"REFDES", "", "", "1", "1"});
    PutCustomColumn(3, {"PINLIST", "REFDES", "", customView, "2"});
    PutColumn(4, {"VALUE", "REFDES", "", valueView, "3"});
  }
};

TEST_F(ValidateDataNaming, PlainColumnAfterAnExpandedOne) {
  PutQuery("2", "");
  EXPECT_EQ(grid.ValidateData(), 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{"ZRREPS-238"});
  EXPECT_EQ(Args(), (std::vector<std::string>{
                        "Incorrect view order for keyword VALUE dependent on REFDES (column 3). View Order", "1", "4"}));
}

TEST_F(ValidateDataNaming, ExpandedSubColumnIsToldByItsUserDefinedColumn) {
  PutQuery("0", "3");
  EXPECT_EQ(grid.ValidateData(), 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{"ZRREPS-238"});
  EXPECT_EQ(Args(), (std::vector<std::string>{
                        "Incorrect view order for keyword PINLIST dependent on REFDES (column 2). View Order", "1", "4"}));
}

TEST_F(ValidateDataNaming, TheDialogNamesItsOwnColumns) {
  PutQuery("2", "");
  auto shown = Expand(0);
  EXPECT_EQ(shown->ValidateQueryData(), 0);
  EXPECT_EQ(Args(), (std::vector<std::string>{
                        "Incorrect view order for keyword VALUE dependent on REFDES (column 4). View Order", "1", "4"}));
}

TEST_F(ValidateDataNaming, ValidWithTheSubColumnsInPlace) {
  PutQuery("2", "3");
  EXPECT_EQ(grid.ValidateData(), 1) << testing::PrintToString(Codes()) << testing::PrintToString(Args());
}

}  // namespace
