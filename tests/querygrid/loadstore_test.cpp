// A query list loaded into the grid and stored again comes back as it was, but for what storing
// makes canonical: no gaps between columns, one empty qualifier value for none.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "loadstore_fixture.h"

#include <functional>

#include "celldialogs/PropNameDlg.h"
#include "platform/mfc/scripted.h"

using namespace qg;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace qgtest {
namespace {

struct RoundTripCase {
  const char* name;
  std::vector<QueryFields> columns;
  friend void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }
};

class RoundTrip : public LoadStoreTest, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RoundTrip, StoringALoadedListGivesItBack) {
  DeleteTmpltQueries(queryList);
  for (const QueryFields& s : GetParam().columns) queryList.push_back(NewQuery(s));
  const std::vector<std::string> before = Snapshot();
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Stored(), before);
  EXPECT_TRUE(script.Asked().empty()) << script.Asked().front().Describe();
}

QueryFields Plain(std::string keyword, std::string dependency, int order) {
  QueryFields s;
  s.keyword = std::move(keyword);
  s.dependency = std::move(dependency);
  s.viewOrder = s.sortOrder = order;
  s.title = "Column " + std::to_string(order);
  return s;
}

QueryFields With(QueryFields s, void (*change)(QueryFields&)) {
  change(s);
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, RoundTrip,
    ::testing::Values(
        RoundTripCase{"PlainColumns", {Plain("REFDES", "", 1), Plain("PIN", "REFDES", 2), Plain("DESIGN", "", 3)}},
        RoundTripCase{"EveryFormatField",
                      {With(Plain("REFDES", "", 2),
                            [](QueryFields& s) {
                              s.width = 37;
                              s.alignment = "RIGHT";
                              s.visible = false;
                              s.total = true;
                              s.sortOrder = 0;
                            }),
                       With(Plain("PIN", "REFDES", 1), [](QueryFields& s) { s.alignment = "CENTER"; })}},
        RoundTripCase{"QualifierAndValues",
                      {With(Plain("REFDES", "", 1),
                            [](QueryFields& s) {
                              s.qualifier = s.qualifierText = "PREFIX";
                              s.values = {"R", "b,c", "say \"hi\"", "\"quoted\"", "x,\"y\"", ""};
                            })}},
        RoundTripCase{"TwoEmptyValues", {With(Plain("REFDES", "", 1), [](QueryFields& s) { s.values = {"", ""}; })}},
        RoundTripCase{"PropertyColumn",
                      {Plain("REFDES", "", 1), With(Plain("PROP", "REFDES", 2),
                                                    [](QueryFields& s) {
                                                      s.qualifier = "PROPERTY";
                                                      s.qualifierText = "TOLERANCE";
                                                    })}},
        RoundTripCase{"PropertyQualifier", {With(Plain("REFDES", "", 1),
                                                 [](QueryFields& s) {
                                                   s.qualifier = "<PROPERTY>";
                                                   s.qualifierText = "VALUE";
                                                   s.values = {"10k", "4k7"};
                                                 })}},
        RoundTripCase{"OperatorColumns",
                      {Plain("REFDES", "", 1), Plain("PIN", "REFDES", 2), Plain("MATH-OP", "REFDES+PIN", 3),
                       Plain("relop", "PIN<=2", 4), Plain("STRINGOP", "", 5)}},
        RoundTripCase{"TheSameKeywordTwice", {Plain("REFDES", "", 1), Plain("REFDES", "DESIGN", 2)}},
        RoundTripCase{"OrdersWithGapsStayAsTheyAre", {Plain("REFDES", "", 4), Plain("PIN", "REFDES", 9)}}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

// ---- a new property column is what a reload of it shows ------------------------------------------

// Every cell text of the report columns, row by row.
std::vector<std::string> CellTexts(CQueryGrid& grid) {
  std::vector<std::string> texts;
  for (ROWCOL col = kFirstReportCol; col <= grid.GetColCount(); ++col) {
    for (ROWCOL row = kRowKeyword; row <= kRowVisible; ++row) {
      texts.push_back(std::to_string(row) + "," + std::to_string(col) + " " + grid.GetValueRowCol(row, col).str());
    }
  }
  return texts;
}

struct NewPropertyCase {
  const char* name;
  std::function<void(LoadStoreTest&, CQueryGrid&)> add;
  friend void PrintTo(const NewPropertyCase& c, std::ostream* out) { *out << c.name; }
};

class NewPropertyColumn : public LoadStoreTest, public ::testing::WithParamInterface<NewPropertyCase> {
 public:
  void AnswerProperty(const char* name) {
    script.AnswerDialog(CPropNameDlg::IDD, [name](CDialog& dialog) {
      mirel::script::Type(dialog, CPropNameDlg::kNameComboId, name);
      mirel::script::Click(dialog, IDOK);
    });
  }
};

TEST_P(NewPropertyColumn, IsInTheGridWhatAReloadOfItShows) {
  grid->AddKeyword("REFDES", 0);
  GetParam().add(*this, *grid);
  const std::vector<std::string> made = CellTexts(*grid);
  const std::vector<std::string> saved = Stored();

  CQueryGrid reloaded(&server, queries.get());
  reloaded.InitGrid();
  reloaded.SetTemplateData(&queryList);
  ASSERT_EQ(reloaded.InitQueryFields(1), 1);
  EXPECT_EQ(CellTexts(reloaded), made);
  EXPECT_EQ(reloaded.UpdateInfo(), 1);
  EXPECT_EQ(Describe(queryList), saved) << "open, then save: the file stays as it was";
}

INSTANTIATE_TEST_SUITE_P(
    EveryWay, NewPropertyColumn,
    ::testing::Values(NewPropertyCase{"SelectProperty",
                                      [](LoadStoreTest& t, CQueryGrid& g) {
                                        static_cast<NewPropertyColumn&>(t).AnswerProperty("TOLERANCE");
                                        g.AddKeyword("PROP", 0);
                                      }},
                      NewPropertyCase{"Assigned", [](LoadStoreTest&, CQueryGrid& g) { g.AddKeyword("PROP=HEIGHT", 0); }},
                      NewPropertyCase{"TypedIntoAKeywordCell",
                                      [](LoadStoreTest& t, CQueryGrid& g) {
                                        static_cast<NewPropertyColumn&>(t).AnswerProperty("VALUE");
                                        ASSERT_TRUE(g.SetValueRange(CGXRange(kRowKeyword, 3), "PROP"));
                                      }}),
    [](const ::testing::TestParamInfo<NewPropertyCase>& info) { return std::string(info.param.name); });

// ---- what storing makes canonical ---------------------------------------------------------------

TEST_F(LoadStoreTest, NoQualifierValueStoresOneEmptyValue) {
  QueryFields s = Plain("REFDES", "", 1);
  s.values = {};
  Set({s});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Value(kRowQualifierValue, 2), "");
  ASSERT_EQ(grid->UpdateInfo(), 1);
  ASSERT_EQ(queryList.size(), 1u);
  EXPECT_THAT(queryList.front()->m_qualifierValues, ElementsAre(""));
}

TEST_F(LoadStoreTest, EmptyColumnsBetweenFilledOnesLeaveNoGap) {
  Set({Plain("REFDES", "", 1), Plain("PIN", "REFDES", 2), Plain("DESIGN", "", 3)});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  ASSERT_TRUE(grid->InsertCols(3, 2));  // two empty columns after REFDES
  grid->SetValueRange(CGXRange(kRowTitle, 4), "orphan title");  // no keyword: no query
  ASSERT_EQ(grid->UpdateInfo(), 1);
  ASSERT_EQ(queryList.size(), 3u);

  CQueryGrid again(&server, QueryGridTest::queries.get());
  again.InitGrid();
  CTmpltQueryList reloaded = CopyTmpltQueries(queryList);
  again.SetTemplateData(&reloaded);
  ASSERT_EQ(again.InitQueryFields(1), 1);
  EXPECT_EQ(again.GetValueRowCol(kRowKeyword, 2), "REFDES");
  EXPECT_EQ(again.GetValueRowCol(kRowKeyword, 3), "PIN");
  EXPECT_EQ(again.GetValueRowCol(kRowKeyword, 4), "DESIGN");
  DeleteTmpltQueries(reloaded);
}

TEST_F(LoadStoreTest, EmptyTitlesAreMadeFromTheKeyword) {
  QueryFields first = Plain("REFDES", "", 1);
  QueryFields second = Plain("REFDES", "DESIGN", 2);
  QueryFields property = Plain("PROP", "REFDES", 3);
  property.qualifier = "PROPERTY";
  property.qualifierText = "TOLERANCE";
  first.title = second.title = property.title = "";
  Set({first, second, property});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Value(kRowTitle, 2), "Reference");
  EXPECT_EQ(Value(kRowTitle, 3), "Reference_1");
  EXPECT_EQ(Value(kRowTitle, 4), "TOLERANCE");
}

TEST_F(LoadStoreTest, OtherLetterCaseOfAPropertyMarkerStoresTheServersOwn) {
  QueryFields s = Plain("REFDES", "", 1);
  s.qualifier = "<property>";
  s.qualifierText = "VALUE";
  Set({s});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Control(kRowQualifier, 2), kPropFieldControl);
  ASSERT_EQ(grid->UpdateInfo(), 1);
  EXPECT_EQ(queryList.front()->m_qualifier, "<PROPERTY>");
  EXPECT_EQ(queryList.front()->m_qualifierText, "VALUE");
}

// ---- the grid after loading -------------------------------------------------------------------

TEST_F(LoadStoreTest, LoadingReadsTheListOnlyAndLeavesNothingToUndo) {
  Set({Plain("REFDES", "", 1), Plain("PIN", "REFDES", 2)});
  const CTmpltQuery* first = queryList.front();
  const std::vector<std::string> before = Snapshot();
  ASSERT_EQ(grid->InitQueryFields(0), 1);
  EXPECT_EQ(queryList.front(), first);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(grid->IsModified(), 0);
  EXPECT_EQ(grid->GetUndoCount(), 0);
  EXPECT_TRUE(grid->GetParam()->IsEnableUndo());
}

TEST_F(LoadStoreTest, AnEditAfterLoadingMarksTheGridModified) {
  Set({Plain("REFDES", "", 1)});
  ASSERT_EQ(grid->InitQueryFields(0), 1);
  grid->SetCurrentCell(kRowTitle, 2);
  ASSERT_TRUE(grid->StoreEditText(kRowTitle, 2, "Refs"));
  EXPECT_EQ(grid->IsModified(), 1);
  EXPECT_EQ(grid->GetUndoCount(), 1);
}

TEST_F(LoadStoreTest, ColumnsBeyondTheTenthComeIntoBeing) {
  std::vector<std::string> expected;
  DeleteTmpltQueries(queryList);
  constexpr int kCount = 25;
  queryList.push_back(NewQuery(Plain("REFDES", "", 1)));
  for (int i = 2; i <= kCount; ++i) queryList.push_back(NewQuery(Plain("PIN", "REFDES", i)));
  const std::vector<std::string> before = Snapshot();
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_GE(grid->GetColCount(), ROWCOL(kCount + 1));
  EXPECT_EQ(Value(kRowKeyword, kCount + 1), "PIN");
  EXPECT_EQ(Value(kRowViewOrder, kCount + 1), "25");
  EXPECT_EQ(Stored(), before);
}

TEST_F(LoadStoreTest, ColumnsAfterAShortListKeepTheirEmptySetUp) {
  Set({Plain("REFDES", "", 1)});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(grid->GetColCount(), kInitialColCount);
  for (ROWCOL col = 3; col <= kInitialColCount; ++col) {
    EXPECT_EQ(Value(kRowKeyword, col), "") << col;
    EXPECT_EQ(Value(kRowViewOrder, col), "") << col;
  }
}

TEST_F(LoadStoreTest, AnEmptyListLoadsNothingAndStoresNothing) {
  ASSERT_EQ(grid->InitQueryFields(0), 1);
  EXPECT_EQ(grid->IsModified(), 0);
  EXPECT_EQ(grid->GetColCount(), kInitialColCount);
  for (ROWCOL col = kFirstReportCol; col <= kInitialColCount; ++col) EXPECT_EQ(Value(kRowKeyword, col), "");
  EXPECT_THAT(Stored(), IsEmpty());
}

TEST_F(LoadStoreTest, ColumnsWithoutAKeywordStoreNothingWhateverTheyHold) {
  Set({Plain("REFDES", "", 1)});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  grid->SetValueRange(CGXRange(kRowDependency, 5), "REFDES");
  grid->SetValueRange(CGXRange(kRowTitle, 6), "Loose");
  EXPECT_EQ(Stored().size(), 1u);

  grid->SetCurrentCell(kRowKeyword, 2);
  script.AnswerMessage("ZRREPS-252", IDYES);  // column 5 depends on the keyword going away
  ASSERT_TRUE(grid->StoreEditText(kRowKeyword, 2, ""));
  EXPECT_THAT(Stored(), IsEmpty());
}

// What a newer version wrote into a column stays with that column through edits and the store.
TEST_F(LoadStoreTest, FieldsThisVersionDoesNotKnowStayWithTheirColumn) {
  Set({Plain("REFDES", "", 1), Plain("PIN", "REFDES", 2)});
  queryList.back()->m_unknownFields = R"({"note":"x"})";
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  ASSERT_TRUE(grid->InsertCols(3, 1));
  grid->SetValueRange(CGXRange(kRowTitle, 4), "Pin number");
  ASSERT_EQ(grid->UpdateInfo(), 1);
  ASSERT_EQ(queryList.size(), 2u);
  EXPECT_EQ(queryList.front()->m_unknownFields, "");
  EXPECT_EQ(queryList.back()->m_title, "Pin number");
  EXPECT_EQ(queryList.back()->m_unknownFields, R"({"note":"x"})");
}

// A file may keep a qualifier without its text; a run reads the qualifier, so the grid shows it
// and a save keeps it.
TEST_F(LoadStoreTest, AQualifierWithoutItsTextIsShownAndKept) {
  QueryFields prefix = Plain("REFDES", "", 1);
  prefix.qualifier = "PREFIX";
  prefix.values = {"R"};
  Set({prefix});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Value(kRowQualifier, 2), "PREFIX");
  ASSERT_EQ(grid->UpdateInfo(), 1);
  ASSERT_EQ(queryList.size(), 1u);
  EXPECT_EQ(queryList.front()->m_qualifier, "PREFIX");
  EXPECT_EQ(queryList.front()->m_qualifierText, "PREFIX");
}

TEST_F(LoadStoreTest, AUserDefinedColumnIsLoadedAsOneLockedColumn) {
  QueryFields pin = Plain("PIN", "", 1);
  Register("PINS", {pin});
  QueryFields custom = Plain("pins", "REFDES", 2);
  custom.width = 30;
  Set({Plain("REFDES", "", 1), custom});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(CustomMark(3), 1);
  EXPECT_EQ(Value(kRowKeyword, 3), "pins");
  EXPECT_EQ(Value(kRowDependency, 3), "REFDES");
  EXPECT_EQ(Value(kRowViewOrder, 3), "2");
  // The cells the column's sub-columns govern are locked and blank.
  EXPECT_TRUE(Cell(kRowWidth, 3).GetReadOnly());
  EXPECT_EQ(Value(kRowWidth, 3), "");

  ASSERT_EQ(grid->UpdateInfo(), 1);
  ASSERT_EQ(queryList.size(), 2u);
  const CTmpltQuery& stored = *queryList.back();
  EXPECT_EQ(stored.m_keyword, "pins");
  EXPECT_EQ(stored.m_dependency, "REFDES");
  EXPECT_EQ(stored.m_title, "Column 2");
  EXPECT_EQ(stored.m_viewOrder, 2);
  EXPECT_EQ(stored.m_sortOrder, 2);
}

}  // namespace
}  // namespace qgtest
