#include "app/scriptcommand.h"

#include <gtest/gtest.h>

#include "app/rows.h"
#include "platform/mfc/winconst.h"

namespace mirel::cli {
namespace {

TEST(ParseRow, ByLabelInAnyCaseOrByNumber) {
  EXPECT_EQ(ParseRow("Keyword"), 1u);
  EXPECT_EQ(ParseRow("qualifier value"), 4u);
  EXPECT_EQ(ParseRow("VISIBLE"), 11u);
  EXPECT_EQ(ParseRow("9"), 9u);
  EXPECT_EQ(ParseRow("011"), 11u);
}

TEST(ParseRow, RefusesWhatIsNoRow) {
  for (const char* word : {"", "0", "12", "-1", "+1", "1a", "Keywords", "Qualifier  Value", "99999999999"}) {
    EXPECT_FALSE(ParseRow(word)) << word;
  }
}

TEST(ParseNumber, DigitsOnlyBelowTwoToThe31) {
  EXPECT_EQ(ParseNumber("2147483647"), 2147483647u);
  EXPECT_FALSE(ParseNumber("2147483648"));
  EXPECT_FALSE(ParseNumber(" 2"));
  EXPECT_FALSE(ParseNumber("2 "));
}

TEST(RowLabel, NamesRowsOneToEleven) {
  EXPECT_EQ(RowLabel(1), "Keyword");
  EXPECT_EQ(RowLabel(11), "Visible");
  EXPECT_EQ(RowLabel(0), "");
  EXPECT_EQ(RowLabel(12), "");
}

TEST(ParseScriptLine, BlankLinesAndCommentsAreNoCommand) {
  for (const char* line : {"", "   ", "# a comment", "  #put Width 2 x"}) {
    ParsedLine parsed = ParseScriptLine(line);
    EXPECT_TRUE(parsed.ok()) << line;
    EXPECT_FALSE(parsed.command) << line;
  }
}

TEST(ParseScriptLine, PutReadsRowColumnAndText) {
  ParsedLine parsed = ParseScriptLine("put \"Qualifier Value\" 3 \"A, B\"");
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  ASSERT_TRUE(parsed.command);
  EXPECT_EQ(parsed.command->verb, ScriptVerb::Put);
  EXPECT_EQ(parsed.command->row, 4u);
  EXPECT_EQ(parsed.command->col, 3u);
  EXPECT_EQ(parsed.command->text, "A, B");
}

TEST(ParseScriptLine, SelectReadsTwoCorners) {
  ParsedLine parsed = ParseScriptLine("select Keyword 2 Title 4");
  ASSERT_TRUE(parsed.command) << parsed.error;
  EXPECT_EQ(parsed.command->row, 1u);
  EXPECT_EQ(parsed.command->col, 2u);
  EXPECT_EQ(parsed.command->row2, 6u);
  EXPECT_EQ(parsed.command->col2, 4u);
}

TEST(ParseScriptLine, AnswerReadsCodeAndButton) {
  struct Case { const char* line; int button; };
  for (Case c : {Case{"answer ZRREPS-252 yes", IDYES}, Case{"answer ZRREPS-252 No", IDNO},
                 Case{"answer ZRREPS-254 CANCEL", IDCANCEL}, Case{"answer ZRREPS-235 ok", IDOK}}) {
    ParsedLine parsed = ParseScriptLine(c.line);
    ASSERT_TRUE(parsed.command) << c.line << ": " << parsed.error;
    EXPECT_EQ(parsed.command->text.substr(0, 7), "ZRREPS-");
    EXPECT_EQ(parsed.command->button, c.button) << c.line;
  }
}

TEST(ParseScriptLine, PropertyCancelIsACancelInAnyCase) {
  ParsedLine cancel = ParseScriptLine("property Cancel");
  ASSERT_TRUE(cancel.command);
  EXPECT_TRUE(cancel.command->cancel);
  ParsedLine name = ParseScriptLine("property VALUE");
  ASSERT_TRUE(name.command);
  EXPECT_FALSE(name.command->cancel);
  EXPECT_EQ(name.command->text, "VALUE");
}

TEST(ParseScriptLine, VerbsWithoutWords) {
  struct Case { const char* word; ScriptVerb verb; };
  for (Case c : {Case{"clear", ScriptVerb::Clear}, Case{"cut", ScriptVerb::Cut}, Case{"copy", ScriptVerb::Copy},
                 Case{"paste", ScriptVerb::Paste}, Case{"undo", ScriptVerb::Undo}, Case{"redo", ScriptVerb::Redo},
                 Case{"insert-col", ScriptVerb::InsertCol}, Case{"delete-col", ScriptVerb::DeleteCol},
                 Case{"validate", ScriptVerb::Validate}, Case{"DUMP", ScriptVerb::Dump},
                 Case{"modified", ScriptVerb::Modified}}) {
    ParsedLine parsed = ParseScriptLine(c.word);
    ASSERT_TRUE(parsed.command) << c.word << ": " << parsed.error;
    EXPECT_EQ(parsed.command->verb, c.verb) << c.word;
    EXPECT_FALSE(ParseScriptLine(std::string(c.word) + " extra").ok()) << c.word;
  }
}

struct BadLine {
  const char* name;
  const char* line;
  const char* why;  // part of the error
};

void PrintTo(const BadLine& c, std::ostream* os) { *os << c.name; }

class ParseScriptLineErrorTest : public ::testing::TestWithParam<BadLine> {};

TEST_P(ParseScriptLineErrorTest, SaysWhatIsWrong) {
  ParsedLine parsed = ParseScriptLine(GetParam().line);
  EXPECT_FALSE(parsed.ok());
  EXPECT_FALSE(parsed.command);
  EXPECT_NE(parsed.error.find(GetParam().why), std::string::npos) << parsed.error;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ParseScriptLineErrorTest,
    ::testing::Values(BadLine{"UnknownVerb", "frobnicate", "unknown command \"frobnicate\""},
                      BadLine{"PutTextWithBlanksUnquoted", "put Title 2 two words", "quote a TEXT"},
                      BadLine{"PutWithoutText", "put Title 2", "put ROW COL TEXT"},
                      BadLine{"NoSuchRow", "put Titel 2 x", "no row \"Titel\""},
                      BadLine{"RowZero", "choices 0 2", "no row \"0\""},
                      BadLine{"ColumnNotANumber", "choices Keyword B", "no column \"B\""},
                      BadLine{"ColumnZero", "choices Keyword 0", "no column \"0\""},
                      BadLine{"BadAnswer", "answer ZRREPS-252 maybe", "no answer \"maybe\""},
                      BadLine{"EmptyCode", "answer \"\" yes", "empty message code"},
                      BadLine{"EmptyKeyword", "add \"\"", "empty name"},
                      BadLine{"EmptyStoreFile", "store \"\"", "empty name"},
                      BadLine{"SelectWithThreeWords", "select 1 2 3", "select R1 C1 R2 C2"},
                      BadLine{"UnclosedQuote", "add \"REFDES", "not closed"},
                      BadLine{"ControlIdNotANumber", "click OK", "no control id \"OK\""},
                      BadLine{"ControlIdZero", "focus 0", "no control id \"0\""},
                      BadLine{"TypeWithoutText", "type 1023", "type ID TEXT"},
                      BadLine{"DialogWithoutId", "dialog", "dialog ID"},
                      BadLine{"DialogIdNotANumber", "dialog Operator", "no dialog template id"},
                      BadLine{"UnknownKey", "key Space", "no key \"Space\""},
                      BadLine{"MenuWord", "menu cut", "none"},
                      BadLine{"EmptyFile", "file \"\"", "empty path"},
                      BadLine{"DragEmptyText", "drag \"\" Keyword 2", "empty text"},
                      BadLine{"DragWithoutCell", "drag REFDES", "drag TEXT ROW COL"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ParseScriptLine, DialogVerbsReadIdsAndTexts) {
  ParsedLine type = ParseScriptLine("type 1024 \"line one\\nline two\"");
  ASSERT_TRUE(type.command) << type.error;
  EXPECT_EQ(type.command->verb, ScriptVerb::Type);
  EXPECT_EQ(type.command->id, 1024);
  EXPECT_EQ(type.command->text, "line one\nline two");

  ParsedLine dialog = ParseScriptLine("Dialog 1081");
  ASSERT_TRUE(dialog.command) << dialog.error;
  EXPECT_EQ(dialog.command->verb, ScriptVerb::Dialog);
  EXPECT_EQ(dialog.command->id, 1081);

  ParsedLine drag = ParseScriptLine("drag REFDES Keyword 3");
  ASSERT_TRUE(drag.command) << drag.error;
  EXPECT_EQ(drag.command->text, "REFDES");
  EXPECT_EQ(drag.command->row, 1u);
  EXPECT_EQ(drag.command->col, 3u);
}

TEST(ParseScriptLine, FileAndMenuAnswersAndTheirRefusals) {
  EXPECT_TRUE(ParseScriptLine("file CANCEL").command->cancel);
  ParsedLine file = ParseScriptLine("file \"/tmp/a b.tpt\"");
  EXPECT_FALSE(file.command->cancel);
  EXPECT_EQ(file.command->text, "/tmp/a b.tpt");
  EXPECT_EQ(ParseScriptLine("menu none").command->id, 0);
  EXPECT_EQ(ParseScriptLine("menu 57634").command->id, 57634);
}

TEST(ParseKeyName, TheDialogKeysInAnyCase) {
  EXPECT_EQ(ParseKeyName("escape")->key, UINT(VK_ESCAPE));
  EXPECT_EQ(ParseKeyName("Enter")->key, UINT(VK_RETURN));
  EXPECT_EQ(ParseKeyName("f1")->key, UINT(VK_F1));
  EXPECT_FALSE(ParseKeyName("Tab")->shift);
  EXPECT_TRUE(ParseKeyName("shift+tab")->shift);
  EXPECT_EQ(ParseKeyName("Shift+Tab")->key, UINT(VK_TAB));
  EXPECT_FALSE(ParseKeyName("Shift+Enter"));
}

TEST(ScriptLanguageHelp, DocumentsEveryCommand) {
  const std::string help = ScriptLanguageHelp();
  for (const char* word : {"put ROW COL TEXT", "add KEYWORD", "add-custom NAME", "answer CODE", "property NAME|cancel",
                           "choices ROW COL", "select R1 C1 R2 C2", "clear", "cut", "copy", "paste", "undo", "redo",
                           "insert-col", "delete-col", "validate", "store FILE", "dump", "modified", "click ID", "type ID TEXT",
                           "choose ID TEXT", "dblclick ID TEXT", "dropdown ID", "key NAME", "focus ID",
                           "button ROW COL", "rclick ROW COL", "drag TEXT ROW COL", "controls", "dialog ID", "end",
                           "file PATH|cancel", "menu ID|none", "Exit status"}) {
    EXPECT_NE(help.find(word), std::string::npos) << word;
  }
}

}  // namespace
}  // namespace mirel::cli
