#include "app/output.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace mirel::cli {
namespace {

// Everything an Output printed.
class Captured {
 public:
  Captured() : m_file(std::tmpfile()) {}
  ~Captured() { std::fclose(m_file); }
  std::FILE* File() { return m_file; }
  std::string Text() {
    std::fflush(m_file);
    std::rewind(m_file);
    std::string text;
    for (int c; (c = std::fgetc(m_file)) != EOF;) text += char(c);
    return text;
  }

 private:
  std::FILE* m_file;
};

ShownMessage ViewOrderMessage() {
  return ShownMessage{"ZRREPS-238", {std::string("Incorrect view order"), 1, 3}, "Incorrect view order must be 1 to 3",
                      std::nullopt};
}

TEST(MessageToJson, CodeTypedArgumentsTextAndNoAnswerForAnOkMessage) {
  EXPECT_EQ(MessageToJson(ViewOrderMessage()).dump(),
            R"({"code":"ZRREPS-238","args":["Incorrect view order",1,3],"text":"Incorrect view order must be 1 to 3"})");
}

TEST(MessageToJson, AQuestionCarriesItsAnswer) {
  ShownMessage question{"ZRREPS-244", {std::string("FOO")}, "Load FOO?", std::string("no")};
  EXPECT_EQ(MessageToJson(question).dump(), R"({"code":"ZRREPS-244","args":["FOO"],"text":"Load FOO?","answer":"no"})");
}

TEST(MessageToText, OneLineWithTheAnswerAfterAnArrow) {
  ShownMessage question{"ZRREPS-252", {std::string("NET")}, "Others depend on NET.\nContinue?", std::string("yes")};
  EXPECT_EQ(MessageToText(question), "ZRREPS-252: Others depend on NET. Continue? -> yes");
  EXPECT_EQ(MessageToText(ViewOrderMessage()), "ZRREPS-238: Incorrect view order must be 1 to 3");
}

TEST(ShownFromAsked, AMessageKeepsItsArgumentsAndAnswersOnlyQuestions) {
  AskedQuestion ok;
  ok.code = "ZRREPS-235";
  ok.caption = "The Width must be a whole number";
  ok.args = {std::string("Width")};
  ok.answer = IDOK;
  ShownMessage shown = ShownFromAsked(ok);
  EXPECT_EQ(shown.code, "ZRREPS-235");
  EXPECT_EQ(shown.text, ok.caption);
  ASSERT_EQ(shown.args.size(), 1u);
  EXPECT_FALSE(shown.answer);

  AskedQuestion yesNo = ok;
  yesNo.buttons = MessageButtons::YesNo;
  yesNo.answer = IDNO;
  EXPECT_EQ(ShownFromAsked(yesNo).answer, "no");
}

AskedQuestion SaveAsQuestion() {
  AskedQuestion asked;
  asked.kind = QuestionKind::FileDialog;
  asked.code = "save";
  asked.file.open = false;
  asked.file.title = "Save Template File As";
  asked.file.filters = ParseFileFilter("Template File (*.tpt)|*.tpt|All Files (*.*)|*.*||");
  asked.file.initialFolder = "/work/p";
  asked.file.defaultExtension = "tpt";
  return asked;
}

TEST(QuestionToJson, ADialogEndsWithItsResultAndIsNamedWhenUnanswered) {
  AskedQuestion dialog;
  dialog.kind = QuestionKind::Dialog;
  dialog.code = "1038";
  dialog.caption = "Select Property";
  dialog.answer = IDCANCEL;
  EXPECT_EQ(QuestionToJson(dialog).dump(), R"({"dialog":1038,"ended":2})");
  EXPECT_EQ(QuestionToJson(dialog, false).dump(), R"({"dialog":1038,"caption":"Select Property"})");
  EXPECT_EQ(QuestionToText(dialog), "dialog 1038 ended: cancel");
}

TEST(QuestionToJson, AFileDialogCarriesWhatWasAskedAndAPathOrNull) {
  AskedQuestion asked = SaveAsQuestion();
  asked.answer = IDOK;
  asked.answerText = "/work/p/new.tpt";
  EXPECT_EQ(QuestionToJson(asked).dump(),
            R"({"fileDialog":{"open":false,"title":"Save Template File As","filter":"Template File (*.tpt)|*.tpt|)"
            R"(All Files (*.*)|*.*||","folder":"/work/p","defaultExtension":"tpt"},"answer":"/work/p/new.tpt"})");
  asked.answer = IDCANCEL;
  EXPECT_TRUE(QuestionToJson(asked)["answer"].is_null());
  EXPECT_FALSE(QuestionToJson(asked, false).contains("answer"));
  EXPECT_EQ(QuestionToText(asked).substr(0, 44), "save file dialog \"Save Template File As\" fil");
  EXPECT_EQ(QuestionToText(asked).substr(QuestionToText(asked).size() - 9), "-> cancel");
}

TEST(QuestionToJson, AMenuListsItsCommandsWithoutSeparators) {
  AskedQuestion asked;
  asked.kind = QuestionKind::Menu;
  asked.code = "menu";
  MenuItemView cut{"Cu&t\tCtrl+X", 57635, false, false, false, {}};
  MenuItemView separator{"", 0, true, true, false, {}};
  MenuItemView copy{"&Copy\tCtrl+C", 57634, false, true, false, {}};
  asked.menu = {cut, separator, copy};
  asked.answer = 57634;
  EXPECT_EQ(QuestionToJson(asked).dump(),
            R"({"menu":[{"id":57635,"text":"Cu&t\tCtrl+X","enabled":false},)"
            R"({"id":57634,"text":"&Copy\tCtrl+C","enabled":true}],"answer":57634})");
  asked.answer = 0;
  EXPECT_TRUE(QuestionToJson(asked)["answer"].is_null());
  EXPECT_EQ(QuestionToText(asked), "menu [57635 \"Cu&t Ctrl+X\" grayed, 57634 \"&Copy Ctrl+C\"] -> none");
}

TEST(FilterString, EmptyWithoutFiltersAndDoubleBarAtTheEnd) {
  EXPECT_EQ(FilterString({}), "");
  EXPECT_EQ(FilterString(ParseFileFilter("Title Page File (*.txt;*.zrr)|*.txt; *.zrr||")),
            "Title Page File (*.txt;*.zrr)|*.txt;*.zrr||");
}

TEST(Output, DialogHelpSavedAndDropRecordsInBothFormats) {
  Captured text, json;
  Output textOut(text.File(), OutputFormat::Text);
  Output jsonOut(json.File(), OutputFormat::Json);
  for (Output* out : {&textOut, &jsonOut}) {
    out->DialogOpened(1081, "Relational Operator");
    out->Help(0x203FD);
    out->Saved("/tmp/a.tpt");
    out->DropRefused();
  }
  EXPECT_EQ(text.Text(), "dialog 1081 opened: Relational Operator\nhelp 132093\nsaved /tmp/a.tpt\ndrop refused\n");
  EXPECT_EQ(json.Text(),
            "{\"dialog\":1081,\"caption\":\"Relational Operator\"}\n{\"help\":132093}\n{\"saved\":\"/tmp/a.tpt\"}\n"
            "{\"drop\":\"refused\"}\n");
}

TEST(JsonLine, TextThatIsNotUtf8DoesNotThrow) {
  nlohmann::ordered_json value = {{"text", std::string("bad \xff byte")}};
  EXPECT_EQ(JsonLine(value), "{\"text\":\"bad \xEF\xBF\xBD byte\"}");
}

TEST(Output, RefusedAndChoicesInBothFormats) {
  Captured text, json;
  Output textOut(text.File(), OutputFormat::Text);
  Output jsonOut(json.File(), OutputFormat::Json);
  const std::vector<Choice> choices{{"NET", false}, {"REFDES", true}};
  for (Output* out : {&textOut, &jsonOut}) {
    out->Refused("put");
    out->Choices(choices);
    out->Message(ViewOrderMessage());
  }
  EXPECT_EQ(text.Text(),
            "refused put\nchoices: 2\n  NET\n* REFDES\nZRREPS-238: Incorrect view order must be 1 to 3\n");
  EXPECT_EQ(json.Text(),
            "{\"refused\":\"put\"}\n"
            "{\"choices\":[{\"text\":\"NET\",\"blue\":false},{\"text\":\"REFDES\",\"blue\":true}]}\n"
            "{\"code\":\"ZRREPS-238\",\"args\":[\"Incorrect view order\",1,3],"
            "\"text\":\"Incorrect view order must be 1 to 3\"}\n");
}

TEST(Output, APercentInATextIsPrintedAsItStands) {
  Captured text;
  Output out(text.File(), OutputFormat::Text);
  out.Line("100%s %n %d");
  EXPECT_EQ(text.Text(), "100%s %n %d\n");
}

}  // namespace
}  // namespace mirel::cli
