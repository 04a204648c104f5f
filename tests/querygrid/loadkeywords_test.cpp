// Which keywords loading accepts, what it asks about the others, and how property and operator
// columns come out in the cells.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "loadstore_fixture.h"

using namespace qg;
using ::testing::ElementsAre;

namespace qgtest {
namespace {

QueryFields Keyword(std::string keyword, std::string dependency = "") {
  QueryFields s;
  s.keyword = std::move(keyword);
  s.dependency = std::move(dependency);
  return s;
}

std::vector<std::string> MessageCodes(const mirel::ScriptedInteraction& script) {
  std::vector<std::string> codes;
  for (const mirel::AskedQuestion& q : script.Asked()) codes.push_back(q.code);
  return codes;
}

TEST_F(LoadStoreTest, StrictLoadingStopsAtAnUnknownKeywordWithoutAsking) {
  Set({Keyword("REFDES"), Keyword("BOGUS", "REFDES"), Keyword("PIN", "REFDES")});
  EXPECT_EQ(grid->InitQueryFields(1), 0);
  EXPECT_TRUE(script.Asked().empty());
  EXPECT_EQ(Value(kRowKeyword, 2), "REFDES");
  EXPECT_EQ(Value(kRowKeyword, 3), "");
  EXPECT_EQ(Value(kRowKeyword, 4), "");
  EXPECT_TRUE(grid->GetParam()->IsEnableUndo());
}

TEST_F(LoadStoreTest, EditsAfterARefusedLoadMarkTheGridModified) {
  // The column editor stays open after a refused load: what the person does next must count.
  Set({Keyword("REFDES"), Keyword("BOGUS")});
  ASSERT_EQ(grid->InitQueryFields(1), 0);
  EXPECT_EQ(grid->IsModified(), 0);
  grid->SetCurrentCell(kRowTitle, 2);
  ASSERT_TRUE(grid->StoreEditText(kRowTitle, 2, "Refs"));
  EXPECT_EQ(grid->IsModified(), 1);
}

struct AskCase {
  const char* name;
  int answer;
  int result;
  const char* keywordInColumn3;
  friend void PrintTo(const AskCase& c, std::ostream* out) { *out << c.name; }
};

class UnknownKeywordQuestion : public LoadStoreTest, public ::testing::WithParamInterface<AskCase> {};

TEST_P(UnknownKeywordQuestion, AnswerDecides) {
  Set({Keyword("REFDES"), Keyword("Bogus%s", "REFDES"), Keyword("PIN", "REFDES")});
  script.AnswerMessage("ZRREPS-244", GetParam().answer);
  EXPECT_EQ(grid->InitQueryFields(0), GetParam().result);
  ASSERT_EQ(script.Asked().size(), 1u);
  const mirel::AskedQuestion& asked = script.Asked().front();
  EXPECT_EQ(asked.code, "ZRREPS-244");
  EXPECT_EQ(asked.buttons, mirel::MessageButtons::YesNo);
  ASSERT_EQ(asked.args.size(), 1u);
  EXPECT_EQ(asked.args.front().ToString(), "Bogus%s");
  EXPECT_EQ(Value(kRowKeyword, 3), GetParam().keywordInColumn3);
  EXPECT_EQ(Value(kRowKeyword, 4), GetParam().result ? "PIN" : "");
}

INSTANTIATE_TEST_SUITE_P(Answers, UnknownKeywordQuestion,
                         ::testing::Values(AskCase{"YesKeepsTheKeywordUnchanged", IDYES, 1, "Bogus%s"},
                                           AskCase{"NoStopsLoading", IDNO, 0, ""}),
                         [](const ::testing::TestParamInfo<AskCase>& info) { return std::string(info.param.name); });

TEST_F(LoadStoreTest, MarkersKeywordsAndUserDefinedColumnsAreAcceptedWithoutAsking) {
  Register("PINS", {Keyword("PIN")});
  Set({Keyword("refdes"), Keyword("math-op"), Keyword("Relop"), Keyword("STRINGOP"), Keyword("pins", "REFDES")});
  EXPECT_EQ(grid->InitQueryFields(0), 1);
  EXPECT_THAT(MessageCodes(script), ElementsAre());
}

TEST_F(LoadStoreTest, PropertyColumnShowsItsNameAsAPropertyField) {
  QueryFields s = Keyword("prop", "REFDES");
  s.qualifier = "PROPERTY";
  s.qualifierText = "TOLERANCE";
  Set({Keyword("REFDES"), s});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_TRUE(script.Asked().empty()) << "no Select Property dialog while loading";
  EXPECT_EQ(Value(kRowKeyword, 3), "TOLERANCE");
  EXPECT_EQ(Control(kRowKeyword, 3), kPropFieldControl);
  EXPECT_EQ(Value(kRowQualifier, 3), "PROPERTY");  // the keyword property marker
  EXPECT_EQ(Control(kRowDependency, 3), kComboControl);

  ASSERT_EQ(grid->UpdateInfo(), 1);
  const CTmpltQuery& stored = *queryList.back();
  EXPECT_EQ(stored.m_keyword, "PROP");
  EXPECT_EQ(stored.m_qualifier, "PROPERTY");
  EXPECT_EQ(stored.m_qualifierText, "TOLERANCE");
}

TEST_F(LoadStoreTest, PropertyQualifierShowsItsNameAsAPropertyField) {
  QueryFields s = Keyword("REFDES");
  s.qualifier = "<PROPERTY>";
  s.qualifierText = "VALUE";
  Set({s});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Value(kRowQualifier, 2), "VALUE");
  EXPECT_EQ(Control(kRowQualifier, 2), kPropFieldControl);
  EXPECT_EQ(Control(kRowKeyword, 2), kComboControl);

  ASSERT_EQ(grid->UpdateInfo(), 1);
  EXPECT_EQ(queryList.front()->m_keyword, "REFDES");
  EXPECT_EQ(queryList.front()->m_qualifier, "<PROPERTY>");
  EXPECT_EQ(queryList.front()->m_qualifierText, "VALUE");
}

TEST_F(LoadStoreTest, AQualifierThatOnlyLooksLikeAMarkerIsPlain) {
  QueryFields s = Keyword("REFDES");
  s.qualifier = "PROPERTY";  // the keyword marker, not the qualifier one
  s.qualifierText = "PREFIX";
  Set({s});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Control(kRowQualifier, 2), kComboControl);
  ASSERT_EQ(grid->UpdateInfo(), 1);
  EXPECT_EQ(queryList.front()->m_qualifier, "PREFIX");  // the grid keeps one text for both
}

TEST_F(LoadStoreTest, OperatorColumnsGetAnExpressionCell) {
  Set({Keyword("REFDES"), Keyword("math-op", "REFDES*PIN"), Keyword("PIN", "REFDES")});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Control(kRowDependency, 3), kHotSpotControl);
  EXPECT_EQ(Value(kRowDependency, 3), "REFDES*PIN");
  EXPECT_EQ(Value(kRowKeyword, 3), "math-op");
  EXPECT_EQ(Control(kRowDependency, 4), kComboControl);
}

TEST_F(LoadStoreTest, CellsTakeTheQueryNotTheRulesDefaults) {
  // A new keyword brings its own width, orders and dependency; the query's values win.
  QueryFields s = Keyword("PIN", "");
  s.width = 3;
  s.viewOrder = 7;
  s.sortOrder = 0;
  s.visible = false;
  s.alignment = "RIGHT";
  Set({Keyword("REFDES"), s});
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Value(kRowDependency, 3), "");
  EXPECT_EQ(Value(kRowWidth, 3), "3");
  EXPECT_EQ(Value(kRowViewOrder, 3), "7");
  EXPECT_EQ(Value(kRowSortOrder, 3), "0");
  EXPECT_EQ(Value(kRowVisible, 3), "0");
  EXPECT_EQ(Value(kRowAlignment, 3), "RIGHT");
  EXPECT_EQ(Value(kRowTotal, 3), "0");
}

}  // namespace
}  // namespace qgtest
