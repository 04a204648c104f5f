// The message service: the shipped texts fit the arguments each code is raised with, hostile
// arguments are shown as typed, missing texts still show the code and its arguments, and the
// answer given is one of the buttons offered.
#include <gtest/gtest.h>

#include <map>

#include "hostapi/errorhandler.h"
#include "platform/mfc/afxstr.h"
#include "tests/host/scratch.h"

namespace {

using mirel::test::ScratchDir;
using mirel::test::WriteFile;

class FakeInteraction : public mirel::IInteraction {
 public:
  int MessageBox(const mirel::MessageRequest& request) override {
    asked.push_back(request);
    return answer;
  }
  std::vector<mirel::MessageRequest> asked;
  int answer = IDOK;
};

class MessageService : public testing::Test {
 protected:
  void SetUp() override {
    mirel::SetInteraction(&fake);
    ASSERT_EQ(CZRErrorHandler::LoadMessageFile("tdd/crpterrors.txt"), 1) << CZRErrorHandler::GetLastLoadError();
  }
  void TearDown() override {
    mirel::SetInteraction(nullptr);
    CZRErrorHandler::LoadMessageFile("tdd/crpterrors.txt");
  }
  FakeInteraction fake;
};

// The conversions of a printf text, in order ('s', 'd', ...), %% left out.
std::string Conversions(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    size_t j = i + 1;
    while (j < text.size() && std::string_view("-+ #0123456789.").find(text[j]) != std::string_view::npos) ++j;
    if (j < text.size() && text[j] != '%') out += text[j];
    i = j;
  }
  return out;
}

// Every code the library raises and the kinds of the arguments it passes ('s' text, 'd' number).
const std::map<std::string, std::string> kRaised = {
    {"ZRREPS-225", "s"}, {"ZRREPS-226", ""},    {"ZRREPS-227", ""},    {"ZRREPS-228", "ss"},
    {"ZRREPS-229", "sss"}, {"ZRREPS-233", ""},  {"ZRREPS-234", "s"},   {"ZRREPS-235", "s"},
    {"ZRREPS-236", "s"}, {"ZRREPS-237", ""},    {"ZRREPS-238", "sdd"}, {"ZRREPS-239", "s"},
    {"ZRREPS-241", "d"}, {"ZRREPS-242", "s"},   {"ZRREPS-243", ""},    {"ZRREPS-244", "s"},
    {"ZRREPS-245", "sss"}, {"ZRREPS-246", ""},  {"ZRREPS-247", ""},    {"ZRREPS-248", "sssss"},
    {"ZRREPS-251", "s"}, {"ZRREPS-252", "s"},   {"ZRREPS-254", "s"},   {"ZRREPS-257", "s"},
};

TEST_F(MessageService, EveryRaisedCodeHasATextThatFitsItsArguments) {
  for (const auto& [code, kinds] : kRaised) {
    const std::string text = CZRErrorHandler::GetMessageTemplate(code.c_str());
    EXPECT_GT(text.size(), 20u) << code << " needs a helpful text";
    EXPECT_EQ(Conversions(text), kinds) << code << ": " << text;
  }
}

TEST_F(MessageService, FormatsAShippedMessage) {
  EXPECT_EQ(CZRErrorHandler::FormatMessage("ZRREPS-241", {3}),
            "No column has the Sort Order 3. The Sort Orders must number the columns 1, 2, 3 ... without gaps or repeats.");
  const std::string t = CZRErrorHandler::FormatMessage("ZRREPS-251", {"REFDES"});
  EXPECT_NE(t.find("%REFDES%"), std::string::npos) << t;
}

struct Hostile {
  const char* name;
  mirel::FormatArgs args;
  std::vector<std::string> shown;
};

class HostileArguments : public MessageService, public testing::WithParamInterface<Hostile> {};

TEST_P(HostileArguments, AreShownAsTyped) {
  const std::string text = CZRErrorHandler::FormatMessage("ZRREPS-228", GetParam().args);
  for (const std::string& s : GetParam().shown) EXPECT_NE(text.find(s), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, HostileArguments,
    testing::Values(Hostile{"PercentS", {"%s%n", "%d%x%p"}, {"keyword %s%n cannot depend on %d%x%p."}},
                    Hostile{"Missing", {}, {"The keyword  cannot depend on ."}},
                    Hostile{"OneOfTwo", {"REFDES"}, {"keyword REFDES cannot depend on ."}},
                    Hostile{"TooMany", {"A", "B", "C", 4}, {"keyword A cannot depend on B."}},
                    Hostile{"NumberForText", {12, -3}, {"keyword 12 cannot depend on -3."}},
                    Hostile{"Huge", {std::string(100000, 'x'), "D"}, {std::string(100000, 'x'), "depend on D."}},
                    Hostile{"Utf8", {"Größe", "日本"}, {"keyword Größe cannot depend on 日本."}}),
    [](const testing::TestParamInfo<Hostile>& info) { return std::string(info.param.name); });

TEST_F(MessageService, TextForANumberGetsWhatWasPassed) {
  // A %d given a text shows the text instead of reading a number that is not there.
  EXPECT_NE(CZRErrorHandler::FormatMessage("ZRREPS-241", {"three"}).find("Sort Order three."), std::string::npos);
}

TEST_F(MessageService, MissingTextStillShowsCodeAndArguments) {
  CZRErrorHandler::UnloadMessages();
  EXPECT_EQ(CZRErrorHandler::GetMessageTemplate("ZRREPS-244"), "");
  EXPECT_EQ(CZRErrorHandler::FormatMessage("ZRREPS-244", {"FOO%s", 3}), "ZRREPS-244: \"FOO%s\", 3");
  EXPECT_EQ(CZRErrorHandler::FormatMessage("ZRREPS-226", {}), "ZRREPS-226");
  EXPECT_EQ(CZRErrorHandler::FormatMessage("ZRREPS-999", {"x"}), "ZRREPS-999: \"x\"");
  EXPECT_EQ(CZRErrorHandler::FormatMessage(nullptr, {}), "");
}

TEST_F(MessageService, ShowsThroughTheInteractionService) {
  fake.answer = IDOK;
  EXPECT_EQ(CZRErrorHandler::MessageBoxOk("ZRREPS-235", CString("Width")), IDOK);
  ASSERT_EQ(fake.asked.size(), 1u);
  const mirel::MessageRequest& r = fake.asked[0];
  EXPECT_EQ(r.code, "ZRREPS-235");
  EXPECT_EQ(r.buttons, mirel::MessageButtons::Ok);
  ASSERT_EQ(r.args.size(), 1u);
  EXPECT_EQ(r.args[0].Text(), "Width");
  EXPECT_EQ(r.text, CZRErrorHandler::FormatMessage("ZRREPS-235", {"Width"}));
}

struct Answer {
  mirel::MessageButtons buttons;
  int given;
  int returned;
};

class Answers : public MessageService, public testing::WithParamInterface<Answer> {};

TEST_P(Answers, AreAlwaysOneOfTheButtonsOffered) {
  fake.answer = GetParam().given;
  int result = 0;
  switch (GetParam().buttons) {
    case mirel::MessageButtons::Ok: result = CZRErrorHandler::MessageBoxOk("ZRREPS-233"); break;
    case mirel::MessageButtons::YesNo: result = CZRErrorHandler::MessageBoxYesNo("ZRREPS-252", "A"); break;
    case mirel::MessageButtons::YesNoCancel:
      result = CZRErrorHandler::MessageBoxYesNoCancel("ZRREPS-254", "template");
      break;
  }
  EXPECT_EQ(result, GetParam().returned);
  ASSERT_EQ(fake.asked.size(), 1u);
  EXPECT_EQ(fake.asked[0].buttons, GetParam().buttons);
}

using B = mirel::MessageButtons;
INSTANTIATE_TEST_SUITE_P(Buttons, Answers,
                         testing::Values(Answer{B::Ok, IDOK, IDOK}, Answer{B::Ok, IDCANCEL, IDOK},
                                         Answer{B::YesNo, IDYES, 6}, Answer{B::YesNo, IDNO, 7},
                                         Answer{B::YesNo, IDCANCEL, 7}, Answer{B::YesNoCancel, IDYES, 6},
                                         Answer{B::YesNoCancel, IDNO, 7}, Answer{B::YesNoCancel, IDCANCEL, 2},
                                         Answer{B::YesNoCancel, 12345, 2}));

// ---- The message file ----------------------------------------------------------------------

TEST_F(MessageService, ReadsEscapesCommentsAndWindowsLineEnds) {
  ScratchDir dir;
  WriteFile(dir / "m.txt", "# comment\r\n\r\nA-1\tfirst\\nsecond\\tthird \\\\ \\x\r\nB-2\t\r\n");
  ASSERT_EQ(CZRErrorHandler::LoadMessageFile((dir / "m.txt").c_str()), 1) << CZRErrorHandler::GetLastLoadError();
  EXPECT_EQ(CZRErrorHandler::GetMessageTemplate("A-1"), "first\nsecond\tthird \\ \\x");
  EXPECT_EQ(CZRErrorHandler::GetMessageTemplate("ZRREPS-225"), "");  // a load replaces the texts
  EXPECT_EQ(CZRErrorHandler::FormatMessage("B-2", {"arg"}), "B-2: \"arg\"");  // an empty text is no text
}

struct BadFile {
  const char* name;
  std::string content;
  std::string reason;
};

class RefusedMessageFile : public MessageService, public testing::WithParamInterface<BadFile> {};

TEST_P(RefusedMessageFile, KeepsThePreviousTexts) {
  ScratchDir dir;
  WriteFile(dir / "m.txt", GetParam().content);
  EXPECT_EQ(CZRErrorHandler::LoadMessageFile((dir / "m.txt").c_str()), 0);
  EXPECT_NE(CZRErrorHandler::GetLastLoadError().find(GetParam().reason), std::string::npos)
      << CZRErrorHandler::GetLastLoadError();
  EXPECT_NE(CZRErrorHandler::GetMessageTemplate("ZRREPS-225"), "");
}

INSTANTIATE_TEST_SUITE_P(Reasons, RefusedMessageFile,
                         testing::Values(BadFile{"NoTab", "A-1\tok\nA-2 no tab\n", "line 2: expected CODE<TAB>text"},
                                         BadFile{"Twice", "A-1\tone\na-1\ttwo\n", "line 2: a-1 is given twice"},
                                         BadFile{"BadCode", "A 1\ttext\n", "line 1: \"A 1\" is not a message code"},
                                         BadFile{"NotUtf8", "A-1\tok\nA-2\t\xfe\n", "line 2, column 5"}),
                         [](const testing::TestParamInfo<BadFile>& info) { return std::string(info.param.name); });

TEST_F(MessageService, AMissingFileIsReported) {
  EXPECT_EQ(CZRErrorHandler::LoadMessageFile("tdd/no-such-file.txt"), 0);
  EXPECT_NE(CZRErrorHandler::GetLastLoadError().find("tdd/no-such-file.txt: not found"), std::string::npos);
  EXPECT_EQ(CZRErrorHandler::LoadMessageFile(nullptr), 0);
  EXPECT_NE(CZRErrorHandler::GetMessageTemplate("ZRREPS-225"), "");
}

}  // namespace
