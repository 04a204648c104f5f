// The qualifier value text: Join and Parse are exact inverses, the plain loading form reads
// back, and the parse options do what they say.
#include <gtest/gtest.h>

#include "hostapi/zrcontrols.h"

namespace {

const CZRParseOptions kQualifierValues{',', '"', 0, 0, 1, 0};

std::vector<std::string> Parse(const std::string& text, const CZRParseOptions& options = kQualifierValues) {
  CZRStringParser parser;
  const int n = parser.Parse(text, options);
  EXPECT_EQ(n, parser.GetCount());
  return parser.GetValues();
}

class JoinThenParse : public testing::TestWithParam<std::list<std::string>> {};

TEST_P(JoinThenParse, GivesTheListBack) {
  const std::list<std::string>& values = GetParam();
  const std::string text = CZRStringParser::Join(values);
  const std::vector<std::string> back = Parse(text);
  EXPECT_EQ(std::list<std::string>(back.begin(), back.end()), values) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Lists, JoinThenParse,
    testing::Values(std::list<std::string>{"a"}, std::list<std::string>{"a", "b", "c"},
                    std::list<std::string>{"", ""}, std::list<std::string>{"", "x", ""},
                    std::list<std::string>{"1,5", "2"}, std::list<std::string>{"a", "b,c", "d"},
                    std::list<std::string>{"\""}, std::list<std::string>{"\"quoted\""},
                    std::list<std::string>{"say \"hi\", then go", "x"}, std::list<std::string>{"a\"", "\"b"},
                    std::list<std::string>{",", ",,", "\",\""}, std::list<std::string>{" padded ", "\ttab"},
                    std::list<std::string>{"line\nbreak"}, std::list<std::string>{"ünï,cödé", "漢字"},
                    std::list<std::string>{"%s%n", "\\"}));

TEST(StringParser, EmptyTextGivesNoValueAndJoinsOfEmptyListsGiveEmptyText) {
  EXPECT_TRUE(Parse("").empty());
  EXPECT_EQ(CZRStringParser::Join({}), "");
  EXPECT_EQ(CZRStringParser::Join({""}), "");
}

TEST(StringParser, JoinQuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(CZRStringParser::Join({"A", "B,C", "D"}), "A,\"B,C\",D");
  EXPECT_EQ(CZRStringParser::Join({"say \"hi\""}), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CZRStringParser::Join({" x "}), " x ");
}

struct Reading {
  std::string text;
  std::vector<std::string> values;
};

class ReadsText : public testing::TestWithParam<Reading> {};

TEST_P(ReadsText, AsTheGridWritesAndAsPeopleType) {
  EXPECT_EQ(Parse(GetParam().text), GetParam().values) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadsText,
    testing::Values(Reading{"A,\"B,C\",D", {"A", "B,C", "D"}}, Reading{"a,", {"a", ""}}, Reading{",", {"", ""}},
                    Reading{" a , b ", {" a ", " b "}}, Reading{"\"\"", {""}},
                    Reading{"a\"b", {"a\"b"}},                  // a quote inside a plain value
                    Reading{"\"a\"b,c\"", {"a\"b,c"}},          // the loading form of a value a"b,c
                    Reading{"\"open,x", {"\"open", "x"}},       // a quote never closed is plain
                    Reading{"x,\"y", {"x", "\"y"}}, Reading{"\"a\",\"b\"", {"a", "b"}}));

TEST(StringParser, OptionsDoWhatTheySay) {
  CZRParseOptions o = kQualifierValues;
  o.m_trimBlanks = true;
  EXPECT_EQ(Parse("  a ,\t\"b, c\"  , d", o), (std::vector<std::string>{"a", "b, c", "d"}));
  o = kQualifierValues;
  o.m_skipEmpty = true;
  EXPECT_EQ(Parse(",a,,b,", o), (std::vector<std::string>{"a", "b"}));
  o = kQualifierValues;
  o.m_removeQuotes = false;
  EXPECT_EQ(Parse("\"a,b\",c", o), (std::vector<std::string>{"\"a,b\"", "c"}));
  o = kQualifierValues;
  o.m_backslashEscapes = true;
  EXPECT_EQ(Parse("a\\,b,\"c\\\"d\"", o), (std::vector<std::string>{"a,b", "c\"d"}));
  o = kQualifierValues;
  o.m_delimiter = ';';
  o.m_quote = '\'';
  EXPECT_EQ(Parse("a;'b;c';d,e", o), (std::vector<std::string>{"a", "b;c", "d,e"}));
}

TEST(StringParser, ParseReplacesEarlierValues) {
  CZRStringParser p;
  p.Parse("a,b,c", kQualifierValues);
  EXPECT_EQ(p.Parse("x", kQualifierValues), 1);
  EXPECT_EQ(p.GetAt(0), "x");
}

}  // namespace
