// The column editor: the name checks, Save and Save As, what a saved file holds, a failed save,
// help and the keys that close it.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>

#include "customcols/CustomColDlg.h"
#include "dialog_fixture.h"
#include "host/atomicwrite.h"
#include "host/vocabularyserver.h"
#include "startup/tddversion.h"

namespace cctest {
namespace {

using mirel::script::Click;
using mirel::script::Type;

class Editor : public ColumnDialogs {
 protected:
  // Runs the editor on file, with work as the person; the editor always ends cancelled.
  void Run(CCustomColFile& file, mirel::ScriptedInteraction::DialogScript work, IZRQueryServer* server = nullptr) {
    script.AnswerDialog(CCustomColDlg::IDD, std::move(work));
    CCustomColDlg editor(&file, nullptr, server ? server : queryServer);
    EXPECT_EQ(editor.DoModal(), IDCANCEL);
  }
  // Types name, clicks button (after `queue` has queued what the click needs), closes.
  void TypeAndClick(CCustomColFile& file, const std::string& name, int button, std::function<void()> queue = {},
                    IZRQueryServer* server = nullptr) {
    Run(file, [&](CDialog& dialog) {
      Type(dialog, CCustomColDlg::kNameEditId, name);
      if (queue) queue();
      Click(dialog, button);
      CloseDropping(dialog);
    }, server);
  }
};

// ---- the name checks -----------------------------------------------------------------------------

struct NameCase {
  std::string typed;
  std::vector<std::string> messages;  // empty: the column is saved
  std::string saved;
  friend void PrintTo(const NameCase& c, std::ostream* os) { *os << '"' << c.typed << '"'; }
};

class NameChecks : public Editor, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameChecks, ShowTheFirstFailureOnlyOrSaveTheTrimmedName) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  const std::string before = mirel::test::ReadFile(path);
  auto file = Load(path);
  ASSERT_TRUE(file);
  TypeAndClick(*file, GetParam().typed, CCustomColDlg::kSaveId);
  EXPECT_EQ(Messages(), GetParam().messages);
  if (GetParam().messages.empty()) {
    EXPECT_EQ(Load(path)->getCustomColData()->m_name, GetParam().saved);
  } else {
    EXPECT_EQ(mirel::test::ReadFile(path), before);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Editor, NameChecks,
    ::testing::Values(NameCase{"", {"ZRREPS-225(Custom Column Name)"}, ""},
                      NameCase{"   ", {"ZRREPS-225(Custom Column Name)"}, ""},
                      NameCase{"PIN LIST", {"ZRREPS-237()"}, ""},
                      NameCase{"  REF DES ", {"ZRREPS-237()"}, ""},  // the blank is found before the keyword
                      NameCase{"refdes", {"ZRREPS-236(REFDES)"}, ""},
                      NameCase{" Pin_Numbers  ", {}, "PIN_NUMBERS"},
                      NameCase{"PIN\tLIST", {}, "PIN\tLIST"}));  // only blanks are refused

TEST_F(Editor, StandardKeywordRefusedInAnyLetterCase) {
  std::string error;
  auto server = mirel::VocabularyQueryServer::LoadFromText(
      R"({ "format": "mirel-vocabulary", "formatVersion": 1,
           "propertyMarkers": { "qualifier": "<PROPERTY>", "keyword": "PROPERTY" },
           "specialWidths": { "PROP": "20", "MATH-OP": "12", "RELOP": "12", "STRINGOP": "20" },
           "keywords": [ { "name": "Pin_List", "title": "Pins", "width": "10" } ] })",
      "mixed case", error);
  ASSERT_TRUE(server) << error;
  CCustomColFile file;
  TypeAndClick(file, "pin_list", CCustomColDlg::kSaveAsId, {}, server.get());
  EXPECT_EQ(Messages(), (std::vector<std::string>{"ZRREPS-236(PIN_LIST)"}));
}

// ---- Save and Save As ---------------------------------------------------------------------------

TEST_F(Editor, NewColumnSaveStaysDisabledUntilASaveAsSucceeds) {
  const std::string path = otherDir + "/new.txt";
  CCustomColFile file;
  Run(file, [&](CDialog& dialog) {
    EXPECT_FALSE(Enabled(dialog, CCustomColDlg::kSaveId));
    EXPECT_TRUE(Enabled(dialog, CCustomColDlg::kSaveAsId));
    Type(dialog, CCustomColDlg::kNameEditId, "my_pins");
    script.CancelFile();
    Click(dialog, CCustomColDlg::kSaveAsId);
    EXPECT_FALSE(Enabled(dialog, CCustomColDlg::kSaveId));
    script.AnswerFile(otherDir + "/no-such-folder/new.txt").AnswerMessage("ZRREPS-260", IDOK);
    Click(dialog, CCustomColDlg::kSaveAsId);
    EXPECT_FALSE(Enabled(dialog, CCustomColDlg::kSaveId)) << "a failed Save As leaves Save as it was";
    EXPECT_FALSE(std::filesystem::exists(path));
    script.AnswerFile(path);
    Click(dialog, CCustomColDlg::kSaveAsId);
    EXPECT_TRUE(Enabled(dialog, CCustomColDlg::kSaveId));
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(file.getCustomColFile(), path) << Questions();
  ASSERT_TRUE(Load(path));
  EXPECT_EQ(Load(path)->getCustomColData()->m_name, "MY_PINS");
}

TEST_F(Editor, SaveAsAsksForATextFileInTheCurrentFolder) {
  CCustomColFile file;
  TypeAndClick(file, "PINS", CCustomColDlg::kSaveAsId, [&] { script.CancelFile(); });
  ASSERT_EQ(recorder.fileDialogs.size(), 1u);
  const mirel::FileDialogRequest& asked = recorder.fileDialogs[0];
  EXPECT_FALSE(asked.open);
  EXPECT_EQ(asked.title, "Save Custom Column As");
  EXPECT_EQ(asked.filters, mirel::ParseFileFilter(CCustomColDlg::kSaveAsFilter));
  EXPECT_EQ(asked.defaultExtension, "txt");
  EXPECT_EQ(asked.fileName, "");
  EXPECT_EQ(std::filesystem::path(asked.initialFolder), std::filesystem::current_path());
  EXPECT_TRUE(asked.overwritePrompt && asked.hideReadOnly && asked.noChangeDir);
}

TEST_F(Editor, ReadOnlyFileKeepsSaveDisabled) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const bool writable = access(path.c_str(), W_OK) == 0;  // root writes anything
  auto file = Load(path);
  Run(*file, [&](CDialog& dialog) {
    EXPECT_EQ(Enabled(dialog, CCustomColDlg::kSaveId), writable);
    Click(dialog, IDCANCEL);
  });
}

TEST_F(Editor, SavedFileCarriesTrimmedNameVersionAndSubColumns) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  auto original = Load(path);
  auto file = Load(path);
  const std::string copy = otherDir + "/copy.txt";
  TypeAndClick(*file, "  pin_list2 ", CCustomColDlg::kSaveAsId, [&] { script.AnswerFile(copy); });
  auto saved = Load(copy);
  ASSERT_TRUE(saved);
  EXPECT_EQ(saved->getCustomColData()->m_name, "PIN_LIST2");
  EXPECT_EQ(saved->getCustomColData()->m_version, GetTddVersion().str());
  EXPECT_TRUE(EqualTmpltQueries(saved->getCustomColData()->m_queries, original->getCustomColData()->m_queries));
  EXPECT_EQ(Load(path)->getCustomColData()->m_name, "PINLIST");  // the opened file is left alone
}

TEST_F(Editor, ClosingAsksThenNoSavesNothing) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  const std::string before = mirel::test::ReadFile(path);
  auto file = Load(path);
  Run(*file, [&](CDialog& dialog) {
    EXPECT_EQ(Text(dialog, CCustomColDlg::kNameEditId), "PINLIST");
    Type(dialog, CCustomColDlg::kNameEditId, "OTHER");
    script.AnswerMessage("ZRREPS-254", IDNO);
    Click(dialog, IDCANCEL);
  });
  ASSERT_EQ(script.Asked().size(), 2u) << Questions();
  EXPECT_EQ(script.Asked()[0].code, "ZRREPS-254") << "asked before the editor is done";
  EXPECT_EQ(mirel::test::ReadFile(path), before);
}

TEST_F(Editor, FailedSaveIsReportedWithThePathAndTheReason) {
  const std::string path = otherDir + "/no-such-folder/pins.txt";
  CCustomColFile file;
  TypeAndClick(file, "PINS", CCustomColDlg::kSaveAsId, [&] { script.AnswerFile(path); });
  ASSERT_EQ(script.Asked().size(), 3u) << Questions();  // file dialog, message, the editor
  const mirel::AskedQuestion& message = script.Asked()[1];
  EXPECT_EQ(message.code, "ZRREPS-260");
  ASSERT_EQ(message.args.size(), 2u);
  EXPECT_EQ(message.args[0].Text(), path);
  EXPECT_FALSE(message.args[1].Text().empty());
  EXPECT_FALSE(std::filesystem::exists(path));
}

// The disk failing under Save (through the writer's test seam): the reason is shown, the old file
// stays whole with no temporary file beside it, and the editor keeps the change for the next try.
class InjectedSaveFailure : public Editor, public ::testing::WithParamInterface<mirel::testing::SaveStep> {
 protected:
  void TearDown() override { mirel::testing::FailSaveStep(std::nullopt); }
};

TEST_P(InjectedSaveFailure, TellsWhyKeepsTheOldFileAndTheChange) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  const std::string before = mirel::test::ReadFile(path);
  const auto filesIn = [](const std::string& dir) {
    return std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator());
  };
  const auto files = filesIn(otherDir);
  auto file = Load(path);
  ASSERT_TRUE(file);
  Run(*file, [&](CDialog& dialog) {
    script.AnswerMessage("ZRREPS-260", IDOK);
    Type(dialog, CCustomColDlg::kNameEditId, "RENAMED");
    mirel::testing::FailSaveStep(GetParam(), EIO);
    Click(dialog, CCustomColDlg::kSaveId);
    mirel::testing::FailSaveStep(std::nullopt);
    EXPECT_EQ(mirel::test::ReadFile(path), before);
    EXPECT_EQ(filesIn(otherDir), files) << "no temporary file is left";
    EXPECT_FALSE(dialog.HasEnded());
    Click(dialog, CCustomColDlg::kSaveId);
    Click(dialog, IDCANCEL);
  });
  ASSERT_EQ(Messages().size(), 1u) << Questions();
  const mirel::AskedQuestion& message = script.Asked().front();
  EXPECT_EQ(message.code, "ZRREPS-260");
  ASSERT_EQ(message.args.size(), 2u);
  EXPECT_EQ(message.args[0].Text(), path);
  EXPECT_NE(message.args[1].Text().find(std::strerror(EIO)), std::string::npos) << message.args[1].Text();
  EXPECT_EQ(Load(path)->getCustomColData()->m_name, "RENAMED");
}

std::string StepName(const ::testing::TestParamInfo<mirel::testing::SaveStep>& info) {
  static const char* const names[] = {"Write", "FileSync", "Rename", "FolderSync"};
  return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Steps, InjectedSaveFailure,
                         ::testing::Values(mirel::testing::SaveStep::Write, mirel::testing::SaveStep::FileSync,
                                           mirel::testing::SaveStep::Rename, mirel::testing::SaveStep::FolderSync),
                         StepName);

// ---- help and keys -------------------------------------------------------------------------------

TEST_F(Editor, HelpButtonAndF1OpenTheEditorsHelp) {
  CCustomColFile file;
  Run(file, [&](CDialog& dialog) {
    Click(dialog, ID_HELP);
    mirel::script::Key(*CWnd::GetFocus(), VK_F1);
    Click(dialog, IDCANCEL);
  });
  ASSERT_EQ(script.HelpCalls().size(), 2u);
  for (const mirel::HelpRequest& help : script.HelpCalls()) {
    EXPECT_EQ(help.context, 132134u);
    EXPECT_EQ(help.command, UINT(HELP_CONTEXT));
  }
}

TEST_F(Editor, EnterNeverEndsTheEditorAndEscapeCancels) {
  CCustomColFile file;
  Run(file, [&](CDialog& dialog) {
    mirel::script::Key(*dialog.GetDlgItem(CCustomColDlg::kNameEditId), VK_RETURN);
    EXPECT_FALSE(dialog.HasEnded());
    mirel::script::Key(*dialog.GetDlgItem(CCustomColDlg::kNameEditId), VK_ESCAPE);
    EXPECT_TRUE(dialog.HasEnded());
  });
}

}  // namespace
}  // namespace cctest
