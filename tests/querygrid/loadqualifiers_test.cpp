// The Qualifier Value cell both ways: the list of values as loading writes it, and the text of the
// cell as storing splits it. A value holding a comma or a quote is quoted, its own quotes doubled,
// so that every value comes back exactly.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "loadstore_fixture.h"

using namespace qg;

namespace qgtest {
namespace {

struct QuotingCase {
  const char* name;
  std::list<std::string> values;
  const char* cellText;
  friend void PrintTo(const QuotingCase& c, std::ostream* out) { *out << c.name; }
};

std::string CaseName(const ::testing::TestParamInfo<QuotingCase>& info) { return info.param.name; }

// The form loading writes, read back by storing.
class QualifierValueText : public LoadStoreTest, public ::testing::WithParamInterface<QuotingCase> {
 protected:
  void SetUp() override {
    QueryFields s;
    s.keyword = "REFDES";
    s.qualifier = s.qualifierText = "PREFIX";
    s.values = GetParam().values;
    Set({s});
    ASSERT_EQ(grid->InitQueryFields(1), 1);
  }

  // The cell holds the case's text; the store gives its values (none stores one empty value).
  void ExpectStoredValues() {
    grid->SetValueRange(CGXRange(kRowQualifierValue, 2), GetParam().cellText);
    ASSERT_EQ(grid->UpdateInfo(), 1);
    ASSERT_EQ(queryList.size(), 1u);
    const std::list<std::string>& values = GetParam().values;
    EXPECT_EQ(queryList.front()->m_qualifierValues, values.empty() ? std::list<std::string>{""} : values);
  }
};

TEST_P(QualifierValueText, LoadingWritesTheValuesAsTheCellText) {
  EXPECT_EQ(Value(kRowQualifierValue, 2), GetParam().cellText);
}

TEST_P(QualifierValueText, StoringSplitsTheCellTextIntoTheValues) { ExpectStoredValues(); }

// Texts a person may type that loading never writes.
class TypedQualifierValueText : public QualifierValueText {};

TEST_P(TypedQualifierValueText, StoringSplitsTheCellTextIntoTheValues) { ExpectStoredValues(); }

INSTANTIATE_TEST_SUITE_P(
    Values, QualifierValueText,
    ::testing::Values(QuotingCase{"None", {}, ""},
                      QuotingCase{"OneEmpty", {""}, ""},
                      QuotingCase{"Plain", {"R", "C", "L"}, "R,C,L"},
                      QuotingCase{"MiddleOneHasAComma", {"a", "b,c", "d"}, "a,\"b,c\",d"},
                      QuotingCase{"OnlyAComma", {","}, "\",\""},
                      QuotingCase{"AQuoteInside", {"say \"hi\""}, "\"say \"\"hi\"\"\""},
                      QuotingCase{"QuotedWhole", {"\"x\""}, "\"\"\"x\"\"\""},
                      QuotingCase{"CommaAndQuotes", {"x,\"y\""}, "\"x,\"\"y\"\"\""},
                      QuotingCase{"EmptyEnds", {"", "a", ""}, ",a,"},
                      QuotingCase{"BlanksKept", {" a ", " b"}, " a , b"},
                      QuotingCase{"PercentSigns", {"100%", "%s%d"}, "100%,%s%d"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Typed, TypedQualifierValueText,
    ::testing::Values(QuotingCase{"QuoteInAPlainValue", {"say \"hi\""}, "say \"hi\""},
                      QuotingCase{"QuotedValueWithAComma", {"b,c", "d"}, "\"b,c\",d"},
                      QuotingCase{"UnclosedQuote", {"\"open", "x"}, "\"open,x"}),
    CaseName);

}  // namespace
}  // namespace qgtest
