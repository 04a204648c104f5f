// The validation grid: copying a query grid, expanding user-defined columns into their
// sub-columns with renumbered orders, and reading the expanded columns back.
#include <gtest/gtest.h>

#include "tests/validation/GridFixture.h"

namespace {

using mirel::test::ColumnCells;
using mirel::test::SubColumn;
using namespace qg;

class ValidationGrid : public mirel::test::GridTest {
 protected:
  // Query grid: A (view 1), the user-defined column PINS of three sub-columns (view 2), B
  // (view 3), C (view 4); a valid query.
  void PutExample(const std::string& customSort = "2") {
    Define("Pins", {SubColumn("PIN", "", 1, 1, "Pin"), SubColumn("NET", "PIN", 2, 2), SubColumn("PIN_NUMBER", "NET", 3, 3)});
    PutColumn(2, {"PART", "", "Part", "1", "1"});
    PutCustomColumn(3, {"PINS", "REFDES", "%REFDES% pins", "2", customSort});
    PutColumn(4, {"REFDES", "PART", "Ref", "3", "3"});
    PutColumn(5, {"VALUE", "PART", "", "4", "4"});
  }

  static std::vector<std::string> Row(CValidationGrid& v, ROWCOL row, ROWCOL first, ROWCOL last) {
    std::vector<std::string> texts;
    for (ROWCOL col = first; col <= last; ++col) texts.push_back(Text(v, row, col));
    return texts;
  }
  using Texts = std::vector<std::string>;
};

TEST_F(ValidationGrid, ExpandsUserDefinedColumnsAndRenumbers) {
  PutExample();
  auto v = Expand();
  EXPECT_EQ(v->GetColCount(), grid.GetColCount() + 2);
  EXPECT_EQ(Row(*v, kRowKeyword, 2, 7), (Texts{"PART", "PIN", "NET", "PIN_NUMBER", "REFDES", "VALUE"}));
  EXPECT_EQ(Row(*v, kRowViewOrder, 2, 7), (Texts{"1", "2", "3", "4", "5", "6"}));
  EXPECT_EQ(Row(*v, kRowSortOrder, 2, 7), (Texts{"1", "2", "3", "4", "5", "6"}));
  // A root sub-column depends on what the user-defined column depends on.
  EXPECT_EQ(Row(*v, kRowDependency, 2, 7), (Texts{"", "REFDES", "PIN", "NET", "PART", "PART"}));
  EXPECT_EQ(Row(*v, kRowTitle, 2, 7), (Texts{"Part", "Pin", "", "", "Ref", ""}));
  for (ROWCOL col = 3; col <= 5; ++col) {
    const CGXStyle keyword = v->GetComposedStyle(kRowKeyword, col);
    EXPECT_EQ(keyword.GetUserAttribute(kCustomNameAttr).GetValue(), "Pins");
    EXPECT_EQ(keyword.GetUserAttribute(kCustomTitleAttr).GetValue(), "%REFDES% pins");
    EXPECT_EQ(keyword.GetUserAttribute(kCustomColumnAttr).GetLongValue(), 3);
  }
  const CGXStyle plain = v->GetComposedStyle(kRowKeyword, 6);
  EXPECT_TRUE(plain.GetUserAttribute(kCustomNameAttr).GetValue().IsEmpty());
  EXPECT_EQ(plain.GetUserAttribute(kCustomColAttr).GetLongValue(), 0);
  // The label columns come along; the query grid is left as it was.
  EXPECT_EQ(Text(*v, kRowKeyword, 1), "Keyword");
  EXPECT_EQ(Text(*v, kRowVisible, 1), "Visible");
  EXPECT_EQ(Text(*v, kRowKeyword, 0), "Query");
  EXPECT_EQ(QueryText(kRowKeyword, 3), "PINS");
  EXPECT_EQ(QueryText(kRowViewOrder, 4), "3");
}

TEST_F(ValidationGrid, RenumbersInViewOrderNotColumnOrder) {
  // Query columns: B (view 3), PINS (view 1, three sub-columns), A (view 2).
  Define("PINS", {SubColumn("PIN", "", 1, 1), SubColumn("NET", "PIN", 2, 2), SubColumn("PIN_NUMBER", "NET", 3, 3)});
  PutColumn(2, {"BLOCK", "PART", "", "3", "3"});
  PutCustomColumn(3, {"PINS", "REFDES", "", "1", "1"});
  PutColumn(4, {"PART", "", "", "2", "2"});
  auto v = Expand();
  EXPECT_EQ(Row(*v, kRowKeyword, 2, 6), (Texts{"BLOCK", "PIN", "NET", "PIN_NUMBER", "PART"}));
  EXPECT_EQ(Row(*v, kRowViewOrder, 2, 6), (Texts{"5", "1", "2", "3", "4"}));
}

TEST_F(ValidationGrid, ZeroAndMissingOrdersAndEmptyColumnsAreCopiedAsTheyStand) {
  PutColumn(2, {"PART", "", "", "0", ""});
  PutColumn(3, {"", "", "", "7", "8"});
  PutColumn(4, {"REFDES", "PART", "", "x", "2"});
  auto v = Expand();
  EXPECT_EQ(Row(*v, kRowViewOrder, 2, 4), (Texts{"0", "7", "x"}));
  // An unsorted column still counts before the sorted ones.
  EXPECT_EQ(Row(*v, kRowSortOrder, 2, 4), (Texts{"", "8", "1"}));
}

TEST_F(ValidationGrid, EqualOrdersGetEqualNumbers) {
  PutColumn(2, {"PART", "", "", "2", "1"});
  PutColumn(3, {"REFDES", "PART", "", "2", "2"});
  PutColumn(4, {"PIN", "REFDES", "", "5", "3"});
  auto v = Expand();
  EXPECT_EQ(Row(*v, kRowViewOrder, 2, 4), (Texts{"2", "2", "4"}));
}

TEST_F(ValidationGrid, UnsortedSubColumnsStayUnsorted) {
  Define("PINS", {SubColumn("PIN", "", 1, 1), SubColumn("NET", "PIN", 2, 0), SubColumn("PIN_NUMBER", "NET", 3, 2)});
  PutColumn(2, {"PART", "", "", "1", "1"});
  PutCustomColumn(3, {"PINS", "REFDES", "", "2", "2"});
  auto sorted = Expand();
  EXPECT_EQ(Row(*sorted, kRowSortOrder, 2, 5), (Texts{"1", "2", "0", "3"}));

  PutText(kRowSortOrder, 3, "0");
  auto unsorted = Expand();
  EXPECT_EQ(Row(*unsorted, kRowSortOrder, 3, 5), (Texts{"0", "0", "0"}));
}

TEST_F(ValidationGrid, SubColumnCellsFollowTheDefinition) {
  CTmpltQuery property = SubColumn("prop", "", 1, 1, "Height");
  property.m_qualifierText = "HEIGHT";
  property.m_qualifier = "PROPERTY";
  property.m_total = true;
  property.m_visible = false;
  property.m_width = 7;
  property.m_alignment = "RIGHT";
  CTmpltQuery qualified = SubColumn("PIN", "REFDES", 2, 2);
  qualified.m_qualifier = "<property>";
  qualified.m_qualifierText = "PIN_TYPE";
  qualified.m_qualifierValues = {"a", "b,c", "say \"hi\""};
  Define("EXTRA", {property, qualified});
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutCustomColumn(3, {"EXTRA", "REFDES", "", "2", "2"});
  auto v = Expand();

  EXPECT_EQ(Text(*v, kRowKeyword, 3), "HEIGHT");
  EXPECT_EQ(v->GetComposedStyle(kRowKeyword, 3).GetControl(), kPropFieldControl);
  EXPECT_EQ(Text(*v, kRowQualifier, 3), "PROPERTY");
  EXPECT_EQ(Text(*v, kRowTotal, 3), "1");
  EXPECT_EQ(Text(*v, kRowVisible, 3), "0");
  EXPECT_EQ(Text(*v, kRowWidth, 3), "7");
  EXPECT_EQ(Text(*v, kRowAlignment, 3), "RIGHT");
  EXPECT_EQ(Text(*v, kRowTitle, 3), "Height");

  EXPECT_EQ(Text(*v, kRowQualifier, 4), "PIN_TYPE");
  EXPECT_EQ(v->GetComposedStyle(kRowQualifier, 4).GetControl(), kPropFieldControl);
  EXPECT_NE(v->GetComposedStyle(kRowKeyword, 4).GetControl(), kPropFieldControl);
  EXPECT_EQ(Text(*v, kRowQualifierValue, 4), "a,\"b,c\",\"say \"\"hi\"\"\"");
}

TEST_F(ValidationGrid, LaterColumnsMoveRightByTheExtraSubColumns) {
  PutExample();
  PutColumn(7, {"NET", "PIN", "Net", "5", "5"});
  auto v = Expand();
  EXPECT_EQ(Text(*v, kRowKeyword, 6), "REFDES");  // was query column 4
  EXPECT_EQ(Text(*v, kRowKeyword, 9), "NET");     // was query column 7
  EXPECT_EQ(Text(*v, kRowTitle, 9), "Net");
}

TEST_F(ValidationGrid, UserDefinedColumnWithoutSubColumnsVanishes) {
  Define("NOTHING", {});
  PutColumn(2, {"PART", "", "", "1", "1"});
  PutCustomColumn(3, {"NOTHING", "PART", "", "2", "2"});
  PutColumn(4, {"REFDES", "PART", "", "3", "3"});
  auto v = Expand();
  EXPECT_EQ(Row(*v, kRowKeyword, 2, 3), (Texts{"PART", "REFDES"}));
  EXPECT_EQ(Row(*v, kRowViewOrder, 2, 3), (Texts{"1", "2"}));
}

TEST_F(ValidationGrid, MarkedColumnWhoseDefinitionIsGoneIsCopiedAsItStands) {
  PutColumn(2, {"PART", "", "", "1", "1"});
  PutCustomColumn(3, {"GONE", "PART", "", "2", "2"});
  auto v = Expand();
  EXPECT_EQ(v->GetColCount(), grid.GetColCount());
  EXPECT_EQ(Text(*v, kRowKeyword, 3), "GONE");
  EXPECT_EQ(Text(*v, kRowViewOrder, 3), "2");
  EXPECT_EQ(v->GetComposedStyle(kRowKeyword, 3).GetUserAttribute(kCustomColAttr).GetLongValue(), 0);
  // ... and its unknown keyword is what the check then reports.
  EXPECT_EQ(v->ValidateQueryData(), 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{"ZRREPS-228"});
  EXPECT_EQ(Args(), (std::vector<std::string>{"GONE", "PART"}));
}

TEST_F(ValidationGrid, GridWithoutReportColumnsCopiesTheLabels) {
  grid.SetColCount(1);
  auto v = Expand();
  EXPECT_EQ(v->GetColCount(), 1u);
  EXPECT_EQ(Text(*v, kRowTitle, 1), "Title");
  EXPECT_EQ(v->ValidateQueryData(), 1);
}

TEST_F(ValidationGrid, OffScreenStaysLockedAndOnScreenIsDrawn) {
  PutExample();
  EXPECT_TRUE(Expand(1)->IsLockUpdate());
  auto shown = Expand(0);
  EXPECT_FALSE(shown->IsLockUpdate());
  // The copy is the starting point, not a step the user could undo.
  EXPECT_EQ(shown->GetUndoCount(), 0);
  EXPECT_TRUE(shown->GetParam()->IsEnableUndo());
}

TEST_F(ValidationGrid, GridObjectsAreTheExpandedQuery) {
  PutExample();
  PutText(kRowQualifierValue, 2, "x,\"y,z\"");
  Put(kRowVisible, 2, CGXStyle().SetValue("1"));
  auto v = Expand();
  std::unique_ptr<std::list<CValidationGridData*>> records(v->GetGridObjects());
  ASSERT_EQ(records->size(), 6u);
  std::vector<CValidationGridData*> r(records->begin(), records->end());
  EXPECT_EQ(r[0]->m_query->m_keyword, "PART");
  EXPECT_EQ(r[0]->m_query->m_qualifierValues, (std::list<std::string>{"x", "y,z"}));
  EXPECT_TRUE(r[0]->m_query->m_visible);
  EXPECT_EQ(r[0]->m_isCustom, 0);
  EXPECT_EQ(r[1]->m_isCustom, 1);
  EXPECT_EQ(r[1]->m_customName, "Pins");
  EXPECT_EQ(r[1]->m_customTitle, "%REFDES% pins");
  EXPECT_EQ(r[1]->m_query->m_keyword, "PIN");
  EXPECT_EQ(r[1]->m_query->m_dependency, "REFDES");
  EXPECT_EQ(r[1]->m_query->m_viewOrder, 2);
  EXPECT_EQ(r[1]->m_query->m_width, 20);
  EXPECT_EQ(r[1]->m_query->m_alignment, "LEFT");
  EXPECT_EQ(r[1]->m_query->m_qualifierValues, std::list<std::string>{""});
  EXPECT_EQ(r[2]->m_query->m_title, "NET_3");  // no title: keyword and column number
  EXPECT_EQ(r[5]->m_query->m_title, "VALUE_6");
  for (CValidationGridData* record : *records) {
    delete record->m_query;
    delete record;
  }
}

TEST_F(ValidationGrid, GridObjectsOfPropertyColumns) {
  CTmpltQuery property = SubColumn("PROP", "REFDES", 1, 1);
  property.m_qualifierText = "HEIGHT";
  property.m_qualifier = "PROPERTY";
  Define("SIZES", {property});
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutCustomColumn(3, {"SIZES", "REFDES", "", "2", "2"});
  PutColumn(4, {"PIN", "REFDES", "Pin", "3", "3"});
  PutColumn(5, {"K", "PIN", "", "4", "4"});
  Put(kRowQualifier, 4, CGXStyle().SetValue("PIN_TYPE").SetControl(kPropFieldControl));
  auto v = Expand();
  std::unique_ptr<std::list<CValidationGridData*>> records(v->GetGridObjects());
  ASSERT_EQ(records->size(), 4u);
  std::vector<CValidationGridData*> r(records->begin(), records->end());
  EXPECT_EQ(r[1]->m_query->m_keyword, "PROP");
  EXPECT_EQ(r[1]->m_query->m_qualifierText, "HEIGHT");
  EXPECT_EQ(r[1]->m_query->m_qualifier, "PROPERTY");
  EXPECT_EQ(r[1]->m_query->m_title, "PROP_2");
  EXPECT_EQ(r[2]->m_query->m_qualifier, "<PROPERTY>");
  EXPECT_EQ(r[2]->m_query->m_qualifierText, "PIN_TYPE");
  EXPECT_EQ(r[3]->m_query->m_title, "K_4");
  for (CValidationGridData* record : *records) {
    delete record->m_query;
    delete record;
  }
}

TEST_F(ValidationGrid, NoKeywordNoObjects) {
  auto v = Expand();
  std::unique_ptr<std::list<CValidationGridData*>> records(v->GetGridObjects());
  EXPECT_TRUE(records->empty());
}

TEST_F(ValidationGrid, CustomColumnOfASubColumn) {
  PutExample();
  auto v = Expand();
  CString name;
  CString title;
  EXPECT_EQ(v->GetCustomColumn("net", "pin", name, title), 1);
  EXPECT_EQ(name, "Pins");
  EXPECT_EQ(title, "%REFDES% pins");
  CString plainName = "untouched";
  CString plainTitle;
  EXPECT_EQ(v->GetCustomColumn("REFDES", "PART", plainName, plainTitle), 0);
  EXPECT_TRUE(plainName.IsEmpty());  // the matching plain column wrote its empty name
  CString noName = "untouched";
  EXPECT_EQ(v->GetCustomColumn("REFDES", "BLOCK", noName, plainTitle), 0);
  EXPECT_EQ(noName, "untouched");
}

TEST_F(ValidationGrid, EditsInTheValidationGridAreValidatedAndReadBack) {
  PutExample();
  auto v = Expand(0);
  EXPECT_EQ(v->ValidateQueryData(), 1);
  v->SetValueRange(CGXRange(kRowViewOrder, 6), "01");  // the same place as column 2's 1
  EXPECT_EQ(v->ValidateQueryData(), 0);
  EXPECT_EQ(Codes(), std::vector<std::string>{"ZRREPS-239"});
  EXPECT_EQ(QueryText(kRowViewOrder, 4), "3");
}

}  // namespace
