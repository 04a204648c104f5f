// The drop-down choices of each combo row, in normal and in customize mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "rules_fixture.h"

using namespace qg;
using qgtest::Choice;
using qgtest::RulesTest;

namespace {

struct ChoiceCase {
  const char* name;
  bool customize;
  // Prepares the grid; the cell asked about is (row, 3).
  std::function<void(RulesTest&)> setUp;
  ROWCOL row;
  std::vector<Choice> expected;  // in any order: the list box sorts them itself
  friend void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << c.name; }
};

class ChoicesTest : public RulesTest, public ::testing::WithParamInterface<ChoiceCase> {
 public:
  using RulesTest::Type;
};

void Typed(RulesTest& t, ROWCOL row, ROWCOL col, const char* text) {
  ASSERT_TRUE(static_cast<ChoicesTest&>(t).Type(row, col, text)) << text;
}

const std::vector<Choice> kMarkers = {{"MATH-OP", false}, {"RELOP", false}, {"STRINGOP", false}};

std::vector<Choice> With(std::vector<Choice> a, const std::vector<Choice>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST_P(ChoicesTest, OffersWhatTheRowMayHold) {
  const ChoiceCase& c = GetParam();
  Register("pins", {{"B", ""}, {"C", "B"}});
  Register("Zeta", {{"MATH-OP", ""}});
  grid->SetCustomizeMode(c.customize ? 1 : 0);
  c.setUp(*this);

  std::vector<Choice> actual = Choices(c.row, 3);
  std::vector<Choice> expected = c.expected;
  std::sort(actual.begin(), actual.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(actual, expected);
}

const std::vector<Choice> kAllKeywords = {{"A", true},      {"B", false},     {"C", true},
                                          {"SAME1", false}, {"SAME2", false}, {"PROP", false}};
const std::vector<Choice> kAllKeywordsPlain = {{"A", false},     {"B", false},     {"C", false},
                                               {"SAME1", false}, {"SAME2", false}, {"PROP", false}};

INSTANTIATE_TEST_SUITE_P(
    Rows, ChoicesTest,
    ::testing::Values(
        ChoiceCase{"KeywordOfAFreshColumn", false, [](RulesTest&) {}, kRowKeyword,
                   With(With(kAllKeywords, {{"PINS", false}, {"ZETA", false}}), kMarkers)},
        ChoiceCase{"KeywordInCustomizeMode", true, [](RulesTest&) {}, kRowKeyword, With(kAllKeywordsPlain, kMarkers)},
        ChoiceCase{"KeywordUnderADependency", false, [](RulesTest& t) { Typed(t, kRowDependency, 3, "A"); },
                   kRowKeyword, {{"B", false}, {"C", true}, {"PROP", false}}},
        ChoiceCase{"KeywordOfAnOperatorColumn", false,
                   [](RulesTest& t) {
                     Typed(t, kRowKeyword, 3, "MATH-OP");
                     Typed(t, kRowDependency, 3, "A+B");
                   },
                   kRowKeyword, kMarkers},
        ChoiceCase{"DependencyOfAFreshColumn", false,
                   [](RulesTest& t) {
                     Typed(t, kRowKeyword, 2, "A");
                     Typed(t, kRowKeyword, 4, "B");
                     Typed(t, kRowKeyword, 5, "A");
                   },
                   kRowDependency, {{"A", false}, {"B", false}, {"A", false}}},
        ChoiceCase{"DependencyOfAKeyword", false, [](RulesTest& t) { Typed(t, kRowKeyword, 3, "C"); },
                   kRowDependency, {{"A", false}, {"B", false}}},
        ChoiceCase{"DependencyOfAnOperatorColumn", false, [](RulesTest& t) { Typed(t, kRowKeyword, 3, "RELOP"); },
                   kRowDependency, {}},
        // pins: B is its one independent sub-column, and B may depend on A.
        ChoiceCase{"DependencyOfAUserDefinedColumn", false, [](RulesTest& t) { Typed(t, kRowKeyword, 3, "pins"); },
                   kRowDependency, {{"A", false}}},
        // Zeta's one independent sub-column is an operator: any keyword will do.
        ChoiceCase{"DependencyOfAnOperatorUserDefinedColumn", false,
                   [](RulesTest& t) { Typed(t, kRowKeyword, 3, "ZETA"); }, kRowDependency, kAllKeywordsPlain},
        ChoiceCase{"QualifierOfAFreshColumn", false, [](RulesTest&) {}, kRowQualifier, {}},
        ChoiceCase{"QualifierOfAKeyword", false, [](RulesTest& t) { Typed(t, kRowKeyword, 3, "A"); }, kRowQualifier,
                   {{"QA1", false}, {"QA2", false}}},
        ChoiceCase{"QualifierOfAnOperatorColumn", false, [](RulesTest& t) { Typed(t, kRowKeyword, 3, "RELOP"); },
                   kRowQualifier, {{"VALUE", false}}},
        ChoiceCase{"QualifierInCustomizeMode", true, [](RulesTest& t) { Typed(t, kRowKeyword, 3, "B"); },
                   kRowQualifier, {{"QB", false}}},
        ChoiceCase{"Alignment", false, [](RulesTest&) {}, kRowAlignment,
                   {{"LEFT", false}, {"RIGHT", false}, {"CENTER", false}}},
        ChoiceCase{"AlignmentInCustomizeMode", true, [](RulesTest&) {}, kRowAlignment,
                   {{"LEFT", false}, {"RIGHT", false}, {"CENTER", false}}},
        ChoiceCase{"Title", false, [](RulesTest& t) { Typed(t, kRowKeyword, 3, "A"); }, kRowTitle, {}}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) { return std::string(info.param.name); });

// The property column's own choices need the property cell the dialog makes.
TEST_F(RulesTest, PropertyColumnOffersThePropDependenciesAndQualifiers) {
  grid->AddKeyword("PROP=SIZE", 0);
  auto sorted = [](std::vector<Choice> v) {
    std::sort(v.begin(), v.end());
    return v;
  };
  EXPECT_EQ(sorted(Choices(kRowDependency, 2)), sorted({{"A", false}, {"B", false}}));
  EXPECT_EQ(sorted(Choices(kRowQualifier, 2)), sorted({{"PROPERTY", false}, {"<PROPERTY>", false}}));
}

TEST_F(RulesTest, CustomizeModeNeverAsksForHighlighting) {
  grid->SetCustomizeMode(1);
  (void)Choices(kRowKeyword, 2);
  EXPECT_EQ(queries.highlightQuestions, 0);
  grid->SetCustomizeMode(0);
  (void)Choices(kRowKeyword, 3);
  EXPECT_GT(queries.highlightQuestions, 0);
}

// The current cell is composed at every paint; its keyword list is made once, and made again
// whenever anything it depends on changes, the list box having held another row's choices included.
TEST_F(RulesTest, KeywordChoicesAreComposedOnceAndFollowWhatTheyDependOn) {
  const std::vector<Choice> first = Choices(kRowKeyword, 3);
  const int asked = queries.highlightQuestions;
  ASSERT_GT(asked, 0);
  EXPECT_EQ(Choices(kRowKeyword, 3), first);
  EXPECT_EQ(queries.highlightQuestions, asked) << "composed again while nothing changed";

  Register("LATE");
  const std::vector<Choice> withLate = Choices(kRowKeyword, 3);
  EXPECT_NE(std::find(withLate.begin(), withLate.end(), Choice{"LATE", false}), withLate.end());

  const int before = queries.highlightQuestions;
  grid->SetBlockBased(true);
  (void)Choices(kRowKeyword, 3);
  EXPECT_GT(queries.highlightQuestions, before);
  grid->SetBlockBased(false);

  EXPECT_FALSE(Choices(kRowAlignment, 3).empty());
  EXPECT_EQ(Choices(kRowKeyword, 3), withLate) << "back from another row's choices";

  ASSERT_TRUE(Type(kRowDependency, 3, "A"));
  std::vector<Choice> narrowed = Choices(kRowKeyword, 3);
  std::sort(narrowed.begin(), narrowed.end());
  EXPECT_EQ(narrowed, (std::vector<Choice>{{"B", false}, {"C", true}, {"PROP", false}}));
}

TEST_F(RulesTest, UserDefinedColumnWhoseSubColumnsAllDependOffersNothing) {
  Register("BOUND", {{"B", "A"}, {"C", "B"}});
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "BOUND"));
  EXPECT_EQ(Text(kRowDependency, 3), "");
  EXPECT_TRUE(Choices(kRowDependency, 3).empty());
}

TEST_F(RulesTest, UserDefinedColumnDependencyNarrowsOverItsIndependentSubColumns) {
  // B may depend on A; C on A or B; so both together leave A alone.
  Register("BOTH", {{"B", ""}, {"C", ""}});
  ASSERT_TRUE(Type(kRowKeyword, 2, "B"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "BOTH"));
  EXPECT_EQ(Text(kRowDependency, 3), "");  // no A in the grid
  EXPECT_EQ(Choices(kRowDependency, 3), (std::vector<Choice>{{"A", false}}));
}

}  // namespace
