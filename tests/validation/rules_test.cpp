// The validation rules on plain column records: each message comes from a query that breaks that
// rule and nothing checked before it, with the arguments the message is raised with.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/validation/FakeQueryServer.h"
#include "validation/ValidationRules.h"

namespace {

using mirel::test::FakeQueryServer;
using mirel::validation::QueryValidationRules;
using mirel::validation::ValidationColumn;

struct Col {
  std::string keyword;
  std::string dependency;
  std::string title;
  std::string view;
  std::string sort;
  bool property = false;
  std::string customName;
  std::string customTitle;
};

std::vector<ValidationColumn> Columns(const std::vector<Col>& cols) {
  std::vector<ValidationColumn> out;
  unsigned long grid = 2;
  for (const Col& c : cols) {
    ValidationColumn v;
    v.column = grid++;
    v.keyword = c.keyword;
    v.dependency = c.dependency;
    v.title = c.title;
    v.viewOrder = c.view;
    v.sortOrder = c.sort;
    v.property = c.property;
    v.customName = c.customName;
    v.customTitle = c.customTitle;
    out.push_back(v);
  }
  return out;
}

std::vector<std::string> Texts(const mirel::FormatArgs& args) {
  std::vector<std::string> out;
  for (const auto& a : args) out.push_back(a.ToString());
  return out;
}

struct RuleCase {
  const char* name;
  int mode;
  std::vector<Col> columns;
  std::string code;  // "" when the query passes
  std::vector<std::string> args;
};

std::ostream& operator<<(std::ostream& os, const RuleCase& c) { return os << c.name; }

class Rules : public testing::TestWithParam<RuleCase> {};

TEST_P(Rules, FirstProblemAndItsArguments) {
  const RuleCase& c = GetParam();
  FakeQueryServer server;
  QueryValidationRules rules(&server, c.mode, false);
  const auto problem = rules.Check(Columns(c.columns));
  if (c.code.empty()) {
    EXPECT_FALSE(problem) << problem->code;
    return;
  }
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->code, c.code);
  EXPECT_EQ(Texts(problem->args), c.args);
}

const Col kPart{"PART", "", "", "1", "1"};

INSTANTIATE_TEST_SUITE_P(
    Report, Rules,
    testing::Values(
        RuleCase{"EmptyQueryPasses", 0, {{"", "", "", "", ""}, {"", "", "", "", ""}}, "", {}},
        RuleCase{"ValidQueryPasses",
                 0,
                 {kPart, {"REFDES", "PART", "Ref", "2", "2"}, {"PIN", "REFDES", "", "3", "3"}},
                 "",
                 {}},
        RuleCase{"SecondRoot", 0, {kPart, {"REFDES", "", "", "2", "2"}, {"PIN", "", "", "3", "3"}}, "ZRREPS-227", {}},
        RuleCase{"NoRoot", 0, {{"PART", "DESIGN", "", "1", "1"}, {"REFDES", "PART", "", "2", "2"}}, "ZRREPS-226", {}},
        RuleCase{"RefusedDependency", 0, {kPart, {"PIN", "PART", "", "2", "2"}}, "ZRREPS-228", {"PIN", "PART"}},
        RuleCase{"RootRefusedUnderDesign", 0, {{"PIN", "", "", "1", "1"}}, "ZRREPS-228", {"PIN", "DESIGN"}},
        RuleCase{"PropertyCountsAsProp",
                 0,
                 {kPart, {"HEIGHT", "NET", "", "2", "2", true}},
                 "ZRREPS-228",
                 {"PROP", "NET"}},
        RuleCase{"OperatorDependencyIsAnExpression", 0, {kPart, {"MATH-OP", "A+B", "", "2", "2"}}, "", {}},
        RuleCase{"MissingDependencyColumn",
                 0,
                 {kPart, {"PIN", "REFDES", "", "2", "2"}},
                 "ZRREPS-229",
                 {"PIN", "REFDES", "REFDES"}},
        RuleCase{"UnusedColumnWithDependency",
                 0,
                 {kPart, {"", "REFDES", "", "", ""}},
                 "ZRREPS-229",
                 {"", "REFDES", "REFDES"}},
        RuleCase{"DependencyOnPropertyColumn",
                 0,
                 {{"REFDES", "", "", "1", "1"}, {"HEIGHT", "REFDES", "", "2", "2", true}, {"VALUE", "PROP", "", "3", "3"}},
                 "",
                 {}},
        RuleCase{"DependencyOnPropertyName",
                 0,
                 {{"REFDES", "", "", "1", "1"}, {"HEIGHT", "REFDES", "", "2", "2", true}, {"VALUE", "HEIGHT", "", "3", "3"}},
                 "ZRREPS-228",
                 {"VALUE", "HEIGHT"}},
        RuleCase{"DependencyInOtherCase",
                 0,
                 {kPart, {"REFDES", "part", "", "2", "2"}},
                 "",
                 {}},
        RuleCase{"TwoTitleVariables",
                 0,
                 {{"PART", "", "Pins of %refdes%", "1", "1"}, {"REFDES", "PART", "%REFDES% count", "2", "2"}},
                 "ZRREPS-246",
                 {}},
        RuleCase{"SinglePercentIsNoVariable",
                 0,
                 {{"PART", "", "100% parts", "1", "1"}, {"REFDES", "PART", "%%REFDES", "2", "2"}},
                 "",
                 {}},
        RuleCase{"UnknownWordIsNoVariable",
                 0,
                 {{"PART", "", "%FOO% and %REFDES%", "1", "1"}, {"REFDES", "PART", "", "2", "2"}},
                 "",
                 {}},
        RuleCase{"VariableNamesNoColumn",
                 0,
                 {{"PART", "", "Nets %net%", "1", "1"}, {"REFDES", "PART", "", "2", "2"}},
                 "ZRREPS-257",
                 {"NET"}},
        RuleCase{"VariableNotRelated",
                 0,
                 {kPart,
                  {"REFDES", "PART", "", "2", "2"},
                  {"PIN", "REFDES", "", "3", "3"},
                  {"NET", "PIN", "%PART%", "4", "4"}},
                 "ZRREPS-248",
                 {"PART", "NET", "PIN", "PART", "NET"}},
        RuleCase{"VariableOnOwnKeywordWithOtherDependency",
                 0,
                 {kPart, {"REFDES", "PART", "%REFDES%", "2", "2"}},
                 "ZRREPS-248",
                 {"REFDES", "REFDES", "PART", "REFDES", "REFDES"}},
        RuleCase{"VariableReachedOnlyThroughOtherColumns",
                 0,
                 {kPart,
                  {"REFDES", "PART", "", "2", "2"},
                  {"PIN", "REFDES", "", "3", "3"},
                  {"NET", "PIN", "", "4", "4"},
                  {"PIN_NUMBER", "NET", "%REFDES%", "5", "5"}},
                 "ZRREPS-248",
                 {"REFDES", "PIN_NUMBER", "NET", "REFDES", "PIN_NUMBER"}},
        RuleCase{"VariableReachesItsColumn",
                 0,
                 {{"PART", "", "Part %NET%", "1", "1"},
                  {"REFDES", "PART", "", "2", "2"},
                  {"PIN", "REFDES", "", "3", "3"},
                  {"NET", "PIN", "", "4", "4"}},
                 "",
                 {}},
        RuleCase{"ColumnDependsOnVariable",
                 0,
                 {kPart, {"REFDES", "PART", "Parts of %part%", "2", "2"}},
                 "",
                 {}},
        RuleCase{"VariableIsOwnKeyword",
                 0,
                 {{"BLOCK", "", "", "1", "1"}, {"BLOCK", "BLOCK", "%BLOCK%", "2", "2"}},
                 "ZRREPS-251",
                 {"BLOCK"}},
        RuleCase{"SubColumnsShareOneVariable",
                 0,
                 {kPart,
                  {"REFDES", "PART", "", "2", "2"},
                  {"PIN", "REFDES", "", "3", "3", false, "PINS", "%REFDES%"},
                  {"NET", "PIN", "", "4", "4", false, "PINS", "%REFDES%"},
                  {"PIN", "REFDES", "", "5", "5", false, "PINS", "%REFDES%"}},
                 "",
                 {}},
        RuleCase{"TwoUserDefinedColumnsTwoVariables",
                 0,
                 {kPart,
                  {"REFDES", "PART", "", "2", "2", false, "A", "%PART%"},
                  {"PIN", "REFDES", "", "3", "3", false, "B", "%PART%"}},
                 "ZRREPS-246",
                 {}},
        RuleCase{"ViewOrderZero",
                 0,
                 {{"PART", "", "", "0", "1"}},
                 "ZRREPS-238",
                 {"Incorrect view order for keyword PART dependent on  (column 1). View Order", "1", "1"}},
        RuleCase{"ViewOrderBeyondCount",
                 0,
                 {kPart, {"REFDES", "PART", "", "3", "2"}},
                 "ZRREPS-238",
                 {"Incorrect view order for keyword REFDES dependent on PART (column 2). View Order", "1", "2"}},
        RuleCase{"SortOrderBeyondCount",
                 0,
                 {{"PART", "", "", "1", "2"}},
                 "ZRREPS-238",
                 {"Incorrect sort order for keyword PART dependent on  (column 1). Sort Order", "1", "1"}},
        RuleCase{"NegativeSortOrder",
                 0,
                 {{"PART", "", "", "1", "-1"}},
                 "ZRREPS-238",
                 {"Incorrect sort order for keyword PART dependent on  (column 1). Sort Order", "1", "1"}},
        RuleCase{"ViewOrderTwice",
                 0,
                 {kPart, {"REFDES", "PART", "", "1", "2"}},
                 "ZRREPS-239",
                 {"View order given for keyword REFDES dependent on PART (column 2) already exists. View Order"}},
        RuleCase{"ViewOrderTwiceInOtherDigits",
                 0,
                 {kPart, {"REFDES", "PART", "", "2", "2"}, {"PIN", "REFDES", "", "01", "3"}},
                 "ZRREPS-239",
                 {"View order given for keyword PIN dependent on REFDES (column 3) already exists. View Order"}},
        RuleCase{"SortOrderTwice",
                 0,
                 {kPart, {"REFDES", "PART", "", "2", "1"}},
                 "ZRREPS-239",
                 {"Sort order given for keyword REFDES dependent on PART (column 2) already exists. Sort Order"}},
        RuleCase{"SortOrderGap",
                 0,
                 {kPart, {"REFDES", "PART", "", "2", "2"}, {"PIN", "REFDES", "", "3", "0"}},
                 "ZRREPS-241",
                 {"3"}},
        RuleCase{"SortOrderInOtherDigitsLeavesAGap",
                 0,
                 {kPart, {"REFDES", "PART", "", "2", "01"}},
                 "ZRREPS-241",
                 {"2"}},
        RuleCase{"PercentInNamesIsShownAsTyped",
                 0,
                 {{"PART", "", "", "1", "1"}, {"A%sB%n", "PART", "", "5", "2", true}},
                 "ZRREPS-238",
                 {"Incorrect view order for keyword A%sB%n dependent on PART (column 2). View Order", "1", "2"}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    UserDefinedColumn, Rules,
    testing::Values(
        RuleCase{"TwoRootsAllowed", 1, {{"PART", "", "", "1", "1"}, {"REFDES", "", "", "2", "2"}}, "", {}},
        RuleCase{"DependencyOutsideTheColumnAllowed", 1, {{"PIN", "REFDES", "", "1", "1"}}, "", {}},
        RuleCase{"AnyTitleVariable", 1, {{"REFDES", "", "Of %part%", "1", "1"}}, "ZRREPS-247", {}},
        RuleCase{"OrdersStillChecked", 1, {{"REFDES", "", "", "2", "1"}}, "ZRREPS-238",
                 {"Incorrect view order for keyword REFDES dependent on  (column 1). View Order", "1", "1"}},
        RuleCase{"OperatorRoot", 1, {{"PART", "", "", "1", "1"}, {"relop", "", "", "2", "2"}}, "ZRREPS-242", {"relop"}},
        RuleCase{"PropertyRootIsProp", 1, {{"HEIGHT", "", "", "1", "1", true}}, "", {}},
        RuleCase{"NoCommonDependency",
                 1,
                 {{"PART", "", "", "1", "1"}, {"PIN", "", "", "2", "2"}},
                 "ZRREPS-243",
                 {}},
        RuleCase{"CommonDependency",
                 1,
                 {{"PART", "", "", "1", "1"}, {"REFDES", "", "", "2", "2"}},
                 "",
                 {}},
        RuleCase{"UnknownRootHasNoDependency", 1, {{"FOO", "", "", "1", "1"}}, "ZRREPS-243", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RulesOrder, SecondRootStopsBeforeAnyServerCall) {
  FakeQueryServer server;
  QueryValidationRules rules(&server, 0, false);
  const auto problem = rules.Check(Columns({{"PART", "", "", "1", "1"}, {"FOO", "", "", "2", "2"}}));
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->code, "ZRREPS-227");
  EXPECT_EQ(server.calls, 0);
}

TEST(RulesOrder, UserDefinedColumnWithNoRootPassesWhenTheServerHasKeywords) {
  FakeQueryServer server;
  EXPECT_FALSE(QueryValidationRules(&server, 1, false).Check(Columns({{"PIN", "REFDES", "", "1", "1"}})));
  FakeQueryServer empty(FakeQueryServer::Vocabulary{});
  const auto problem = QueryValidationRules(&empty, 1, false).Check({});
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->code, "ZRREPS-243");
}

TEST(RulesOrder, NoServerRefusesEveryKeywordWithoutCrashing) {
  const auto problem = QueryValidationRules(nullptr, 0, false).Check(Columns({{"PART", "", "", "1", "1"}}));
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->code, "ZRREPS-228");
}

TEST(RulesOrder, OrderMessagesNameWhatTheGridSays) {
  FakeQueryServer server;
  QueryValidationRules rules(&server, 0, false, [](const ValidationColumn& column) {
    return mirel::validation::OrderMessageSubject{"PINLIST", "REF" + column.keyword, 4};
  });
  const auto problem = rules.Check(Columns({{"PART", "", "", "7", "1"}}));
  ASSERT_TRUE(problem);
  EXPECT_EQ(Texts(problem->args),
            (std::vector<std::string>{"Incorrect view order for keyword PINLIST dependent on REFPART (column 3). View Order",
                                      "1", "1"}));
}

}  // namespace
