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

TEST(ShownFromAsked, ADialogIsNamedByItsTemplateAndAnswered) {
  AskedQuestion dialog;
  dialog.kind = QuestionKind::Dialog;
  dialog.code = "1038";
  dialog.caption = "Select Property";
  dialog.answer = IDCANCEL;
  ShownMessage shown = ShownFromAsked(dialog);
  EXPECT_EQ(shown.code, "dialog 1038");
  EXPECT_EQ(shown.text, "Select Property");
  EXPECT_EQ(shown.answer, "cancel");
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
