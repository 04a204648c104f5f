#include "app/scriptlexer.h"

#include <gtest/gtest.h>

namespace mirel::cli {
namespace {

struct LexCase {
  const char* name;
  const char* line;
  std::vector<std::string> words;
};

void PrintTo(const LexCase& c, std::ostream* os) { *os << c.name; }

class SplitScriptLineTest : public ::testing::TestWithParam<LexCase> {};

TEST_P(SplitScriptLineTest, GivesTheWords) {
  const LexCase& c = GetParam();
  LexResult result = SplitScriptLine(c.line);
  EXPECT_TRUE(result.ok()) << result.error;
  EXPECT_EQ(result.words, c.words);
}

INSTANTIATE_TEST_SUITE_P(
    Words, SplitScriptLineTest,
    ::testing::Values(
        LexCase{"Empty", "", {}},
        LexCase{"BlanksOnly", " \t  ", {}},
        LexCase{"PlainWords", "put Width 2 20", {"put", "Width", "2", "20"}},
        LexCase{"TabsAndRunsOfBlanks", "\tput  \t Width 2   20 ", {"put", "Width", "2", "20"}},
        LexCase{"QuotedWordWithBlanks", "put \"Qualifier Value\" 3 x", {"put", "Qualifier Value", "3", "x"}},
        LexCase{"EmptyQuotedWord", "put Title 2 \"\"", {"put", "Title", "2", ""}},
        LexCase{"EscapedQuote", R"(put Title 2 "say \"hi\"")", {"put", "Title", "2", "say \"hi\""}},
        LexCase{"EscapedBackslash", R"(store "a\\b")", {"store", "a\\b"}},
        LexCase{"OtherBackslashKept", R"(store "C:\dir\file.tpt")", {"store", "C:\\dir\\file.tpt"}},
        LexCase{"BackslashOutsideQuotesKept", R"(store C:\x\"y")", {"store", "C:\\x\\y"}},
        LexCase{"LineBreakAndTabInQuotes", R"(type 1024 "one\ntwo\tthree")", {"type", "1024", "one\ntwo\tthree"}},
        LexCase{"LineBreakOutsideQuotesKept", R"(type 1024 a\nb)", {"type", "1024", "a\\nb"}},
        LexCase{"EscapedBackslashBeforeN", R"(store "C:\\new")", {"store", "C:\\new"}},
        LexCase{"QuotedAndPlainJoin", "ab\"c d\"ef", {"abc def"}},
        LexCase{"PercentIsPlain", "put Title 2 100%s%n", {"put", "Title", "2", "100%s%n"}},
        LexCase{"CarriageReturnIsBlank", "dump\r", {"dump"}},
        LexCase{"Utf8Kept", "put Title 2 \"Größe Ω\"", {"put", "Title", "2", "Größe Ω"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitScriptLine, RefusesAnUnclosedQuoteAndNamesWhere) {
  LexResult result = SplitScriptLine("put Title 2 \"open");
  EXPECT_FALSE(result.ok());
  EXPECT_TRUE(result.words.empty());
  EXPECT_NE(result.error.find("position 13"), std::string::npos) << result.error;
}

TEST(SplitScriptLine, AnEscapedClosingQuoteLeavesTheQuoteOpen) {
  EXPECT_FALSE(SplitScriptLine(R"(store "C:\")").ok());
}

TEST(QuoteWord, ReadsBackAsTheSameWord) {
  for (std::string word : {"", "plain", "two words", "q\"uote", "back\\slash", "end\\", "\"", "%s",
                           "two\nlines", "tab\there", "back\\nslash"}) {
    LexResult result = SplitScriptLine(QuoteWord(word));
    ASSERT_TRUE(result.ok()) << word;
    ASSERT_EQ(result.words.size(), 1u) << word;
    EXPECT_EQ(result.words[0], word);
  }
}

}  // namespace
}  // namespace mirel::cli
