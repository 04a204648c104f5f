// The scripted interaction service: modal dialogs, messages, file dialogs, menus, help, and
// questions that nobody answered.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mfc/sample_dialog.h"
#include "platform/mfc/scripted.h"

namespace {

using mirel::ScriptedInteraction;
using mirel::UnansweredQuestion;
namespace script = mirel::script;

class Scripted : public ::testing::Test {
 protected:
  sample::SampleResources resources;
  ScriptedInteraction answers;
  mirel::ScopedInteraction scope{answers};
};

// Runs `f` and returns the message of the UnansweredQuestion it throws ("" when none).
template <typename F>
std::string Unanswered(F f) {
  try {
    f();
  } catch (const UnansweredQuestion& e) {
    return e.what();
  }
  return "";
}

TEST_F(Scripted, ADialogScriptWorksTheControlsAfterInitialisationAndPressesOk) {
  sample::SampleDialog dialog;
  answers.AnswerDialog(sample::kDialogId, [](CDialog& d) {
    auto& sample = static_cast<sample::SampleDialog&>(d);
    EXPECT_EQ(sample.initCount, 1);
    EXPECT_TRUE(d.IsWindowVisible());
    script::Type(d, sample::kName, "smith");
    script::SetChecked(d, sample::kEnabled, true);
    script::SetChecked(d, sample::kSecond, true);
    script::SelectText(d, sample::kList, "GAMMA");
    script::Click(d, IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_name, CString("SMITH"));
  EXPECT_EQ(dialog.m_enabled, 1);
  EXPECT_EQ(dialog.m_choice, 1);
  EXPECT_EQ(dialog.m_hWnd, nullptr);  // the window is gone after the modal run
  ASSERT_EQ(answers.Asked().size(), 1u);
  EXPECT_EQ(answers.Asked()[0].code, "9001");
  EXPECT_EQ(answers.Asked()[0].caption, "Sample Dialog");
  EXPECT_EQ(answers.Asked()[0].answer, IDOK);
  EXPECT_EQ(answers.PendingAnswers(), 0u);
}

TEST_F(Scripted, ARefusedOkKeepsTheDialogOpenForTheNextStep) {
  sample::SampleDialog dialog;
  answers.AnswerDialog(sample::kDialogId, [](CDialog& d) { script::Click(d, IDOK); })
      .AnswerMessage("TEST-EMPTY", IDOK)
      .AnswerDialog(sample::kDialogId, [](CDialog& d) {
        script::Type(d, sample::kName, "x");
        script::Click(d, IDOK);
      });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ASSERT_EQ(answers.Asked().size(), 2u);
  EXPECT_EQ(answers.Asked()[0].code, "TEST-EMPTY");
  EXPECT_EQ(answers.Asked()[1].code, "9001");
}

TEST_F(Scripted, ADialogLeftOpenByItsScriptFails) {
  sample::SampleDialog dialog;
  answers.AnswerDialog(sample::kDialogId, [](CDialog& d) { script::Type(d, sample::kName, "x"); });
  const std::string message = Unanswered([&] { dialog.DoModal(); });
  EXPECT_EQ(message, "unanswered question: dialog 9001 \"Sample Dialog\": the dialog is still open after its script");
  EXPECT_EQ(dialog.m_hWnd, nullptr);  // cleaned up all the same
}

TEST_F(Scripted, UnansweredQuestionsNameThemselves) {
  sample::SampleDialog dialog;
  EXPECT_EQ(Unanswered([&] { dialog.DoModal(); }), "unanswered question: dialog 9001 \"Sample Dialog\": no answer left in the script");

  const mirel::MessageRequest question{"ZRREPS-244", {"FOO", 3}, "Keyword FOO is unknown.", mirel::MessageButtons::YesNo};
  EXPECT_EQ(Unanswered([&] { mirel::Interaction().MessageBox(question); }),
            "unanswered question: message \"ZRREPS-244\" (Yes/No) \"Keyword FOO is unknown.\" with arguments [\"FOO\", 3]: "
            "no answer left in the script");

  answers.AnswerMessage("ZRREPS-254", IDYES);
  EXPECT_EQ(Unanswered([&] { mirel::Interaction().MessageBox(question); }),
            "unanswered question: message \"ZRREPS-244\" (Yes/No) \"Keyword FOO is unknown.\" with arguments [\"FOO\", 3]: "
            "the script's next answer is the answer Yes to message \"ZRREPS-254\"");

  answers.Clear();
  answers.AnswerDialog(1038, {});
  EXPECT_EQ(Unanswered([&] { dialog.DoModal(); }),
            "unanswered question: dialog 9001 \"Sample Dialog\": the script's next answer is the script for dialog 1038");

  EXPECT_NE(Unanswered([&] { CFileDialog(TRUE).DoModal(); }), "");
  EXPECT_NE(Unanswered([&] {
              CMenu menu;
              menu.LoadMenu(sample::kMenuId);
              menu.GetSubMenu(0)->TrackPopupMenu(0, 0, 0, nullptr);
            }),
            "");
}

TEST_F(Scripted, MessagesAreAnsweredInOrderWithinTheirButtons) {
  answers.AnswerMessage("ZRREPS-254", IDCANCEL).AnswerMessage("ZRREPS-244", IDCANCEL);
  const mirel::MessageRequest close{"ZRREPS-254", {"template"}, "Save?", mirel::MessageButtons::YesNoCancel};
  EXPECT_EQ(mirel::Interaction().MessageBox(close), IDCANCEL);
  // Information with only OK needs no answer, even while another answer waits.
  EXPECT_EQ(mirel::Interaction().MessageBox({"ZRREPS-238", {}, "Gap", mirel::MessageButtons::Ok}), IDOK);
  const mirel::MessageRequest yesNo{"ZRREPS-244", {"FOO"}, "Unknown", mirel::MessageButtons::YesNo};
  EXPECT_NE(Unanswered([&] { mirel::Interaction().MessageBox(yesNo); }).find("which is not one of its buttons"), std::string::npos);
  answers.SetStandingAnswer("ZRREPS-244", IDNO);
  EXPECT_EQ(mirel::Interaction().MessageBox(yesNo), IDNO);
  EXPECT_EQ(mirel::Interaction().MessageBox(yesNo), IDNO);
  answers.SetAcknowledgeOkMessages(false);
  EXPECT_NE(Unanswered([&] { mirel::Interaction().MessageBox({"ZRREPS-238", {}, "Gap", mirel::MessageButtons::Ok}); }), "");
  EXPECT_EQ(answers.Asked().size(), 4u);
}

TEST_F(Scripted, DialogsOpenedFromADialogTakeTheNextAnswers) {
  sample::SampleDialog outer;
  outer.MapCommand(sample::kPageButton, [] {});
  answers.AnswerDialog(sample::kDialogId, [](CDialog& d) {
           sample::SampleDialog inner(&d);
           EXPECT_EQ(inner.DoModal(), IDCANCEL);
           script::Click(d, IDCANCEL);
         })
      .AnswerDialog(sample::kDialogId, [](CDialog& d) { script::Click(d, IDCANCEL); });
  EXPECT_EQ(outer.DoModal(), IDCANCEL);
  ASSERT_EQ(answers.Asked().size(), 2u);  // the inner one closed first
}

TEST_F(Scripted, ADialogEndedDuringInitialisationTakesNoAnswer) {
  struct Quitter : CDialog {
    Quitter() : CDialog(sample::kDialogId) {}
    BOOL OnInitDialog() override {
      CDialog::OnInitDialog();
      EndDialog(0);
      return FALSE;
    }
  } dialog;
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_TRUE(answers.Asked().empty());
}

TEST_F(Scripted, ScriptActionsRefuseWhatAPersonCouldNotDo) {
  sample::SampleDialog dialog;
  ASSERT_TRUE(dialog.Create(sample::kDialogId));
  dialog.GetDlgItem(IDOK)->EnableWindow(FALSE);
  EXPECT_EQ(Unanswered([&] { script::Click(dialog, IDOK); }),
            "unanswered question: dialog 9001 \"Sample Dialog\": control 1 refuses to be clicked (hidden, disabled or read-only)");
  EXPECT_NE(Unanswered([&] { script::Click(dialog, 999); }).find("does not have"), std::string::npos);
  EXPECT_NE(Unanswered([&] { script::Type(dialog, sample::kEnabled, "x"); }).find("takes no typing"), std::string::npos);
  EXPECT_NE(Unanswered([&] { script::SelectText(dialog, sample::kList, "delta"); }).find("no entry"), std::string::npos);
  EXPECT_NE(Unanswered([&] { script::SetChecked(dialog, sample::kFirst, false); }), "");
}

TEST_F(Scripted, FileDialogsGetAPathOrACancel) {
  const auto folder = std::filesystem::temp_directory_path() / "mirel_scripted_test";
  std::filesystem::create_directories(folder);
  const std::string existing = (folder / "a.tpt").string();
  std::ofstream(existing) << "x";

  answers.AnswerFile((folder / "new").string()).CancelFile().AnswerFile((folder / "missing.txt").string()).AnswerFile(existing);
  CFileDialog save(FALSE, "tpt", nullptr, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST,
                   "Template File (*.tpt)|*.tpt|All Files (*.*)|*.*||");
  save.m_ofn.lpstrTitle = "Save Template File As";
  save.m_ofn.lpstrInitialDir = "/projects";
  const mirel::FileDialogRequest request = save.Request();
  EXPECT_FALSE(request.open);
  EXPECT_EQ(request.title, "Save Template File As");
  EXPECT_EQ(request.initialFolder, "/projects");
  EXPECT_EQ(request.defaultExtension, "tpt");
  EXPECT_TRUE(request.overwritePrompt);
  EXPECT_TRUE(request.noChangeDir);
  EXPECT_EQ(request.filters.size(), 2u);
  ASSERT_EQ(save.DoModal(), IDOK);
  EXPECT_EQ(save.GetPathName(), CString((folder / "new.tpt").string()));  // the default extension added
  EXPECT_EQ(save.GetFileName(), CString("new.tpt"));
  EXPECT_EQ(save.GetFileExt(), CString("tpt"));
  EXPECT_EQ(save.GetFileTitle(), CString("new"));
  EXPECT_EQ(save.GetFolderPath(), CString(folder.string()));
  EXPECT_EQ(save.DoModal(), IDCANCEL);

  CFileDialog open(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, "Title Page File (*.txt;*.zrr)|*.txt;*.zrr||");
  EXPECT_NE(Unanswered([&] { open.DoModal(); }).find("which is no existing file"), std::string::npos);
  EXPECT_EQ(open.DoModal(), IDOK);
  EXPECT_EQ(open.GetPathName(), CString(existing));
  EXPECT_EQ(answers.Asked().back().answerText, existing);
  std::filesystem::remove_all(folder);
}

TEST_F(Scripted, HelpIsRecordedWithTheDialogsContext) {
  sample::SampleDialog dialog;
  answers.AnswerDialog(sample::kDialogId, [](CDialog& d) {
    script::Click(d, ID_HELP);
    script::Key(*d.GetDlgItem(sample::kName), VK_F1);
    script::Click(d, IDCANCEL);
  });
  dialog.DoModal();
  ASSERT_EQ(answers.HelpCalls().size(), 2u);
  for (const auto& call : answers.HelpCalls()) {
    EXPECT_EQ(call.context, 0x20000u + sample::kDialogId);
    EXPECT_EQ(call.command, HELP_CONTEXT);
  }
}

TEST_F(Scripted, TheObserverSeesEveryAnsweredQuestion) {
  std::vector<std::string> seen;
  answers.SetObserver([&](const mirel::AskedQuestion& q) { seen.push_back(q.code + "=" + std::to_string(q.answer)); });
  answers.AnswerMessage("ZRREPS-244", IDYES);
  mirel::Interaction().MessageBox({"ZRREPS-244", {}, "", mirel::MessageButtons::YesNo});
  EXPECT_EQ(seen, std::vector<std::string>{"ZRREPS-244=6"});
}

TEST_F(Scripted, ObserversSeeTheOpeningTheHelpAndWhatFileDialogsAndMenusShowed) {
  std::vector<std::string> seen;
  mirel::FileDialogRequest fileAsked;
  std::vector<mirel::MenuItemView> menuShown;
  answers.SetOpenObserver([&](CDialog& d) { seen.push_back("open " + d.GetWindowTextString().str()); });
  answers.SetHelpObserver([&](const mirel::HelpRequest& r) { seen.push_back("help " + std::to_string(r.context)); });
  answers.SetObserver([&](const mirel::AskedQuestion& q) {
    seen.push_back(q.code + "=" + std::to_string(q.answer));
    if (q.kind == mirel::QuestionKind::FileDialog) fileAsked = q.file;
    if (q.kind == mirel::QuestionKind::Menu) menuShown = q.menu;
  });
  sample::SampleDialog dialog;
  answers.AnswerDialog(sample::kDialogId, [&](CDialog& d) {
    script::Key(*d.GetDlgItem(sample::kName), VK_F1);
    CFileDialog save(FALSE, "tpt", nullptr, OFN_OVERWRITEPROMPT, "Template File (*.tpt)|*.tpt||");
    save.m_ofn.lpstrTitle = "Save As";
    save.DoModal();
    CMenu menu;
    menu.LoadMenu(sample::kMenuId);
    menu.GetSubMenu(0)->TrackPopupMenu(0, 0, 0, nullptr);
    script::Click(d, IDCANCEL);
  });
  answers.CancelFile().AnswerMenu(sample::kCmdOne);
  dialog.DoModal();
  EXPECT_EQ(seen, (std::vector<std::string>{"open Sample Dialog", "help " + std::to_string(0x20000 + sample::kDialogId),
                                            "save=2", "menu=" + std::to_string(sample::kCmdOne), "9001=2"}));
  EXPECT_EQ(fileAsked.title, "Save As");
  EXPECT_EQ(fileAsked.defaultExtension, "tpt");
  ASSERT_EQ(menuShown.size(), 3u);
  EXPECT_FALSE(menuShown[2].enabled);
}

TEST_F(Scripted, ADialogEndedDuringInitialisationIsObservedWithItsResult) {
  struct Quitter : CDialog {
    Quitter() : CDialog(sample::kDialogId) {}
    BOOL OnInitDialog() override {
      CDialog::OnInitDialog();
      EndDialog(IDCANCEL);
      return FALSE;
    }
  } dialog;
  std::vector<std::string> seen;
  answers.SetOpenObserver([&](CDialog&) { seen.push_back("open"); });
  answers.SetObserver([&](const mirel::AskedQuestion& q) { seen.push_back(q.code + "=" + std::to_string(q.answer)); });
  dialog.DoModal();
  EXPECT_EQ(seen, std::vector<std::string>{"9001=2"});
  EXPECT_TRUE(answers.Asked().empty());
}

TEST_F(Scripted, WhileDismissingNobodyIsAskedAndNothingIsRecorded) {
  answers.SetDismissing(true);
  sample::SampleDialog dialog;
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.initCount, 0);
  EXPECT_EQ(mirel::Interaction().MessageBox({"ZRREPS-254", {}, "Save?", mirel::MessageButtons::YesNoCancel}), IDCANCEL);
  EXPECT_EQ(mirel::Interaction().MessageBox({"ZRREPS-244", {}, "Load?", mirel::MessageButtons::YesNo}), IDNO);
  EXPECT_EQ(CFileDialog(TRUE).DoModal(), IDCANCEL);
  EXPECT_TRUE(answers.Asked().empty());
  EXPECT_EQ(answers.PendingAnswers(), 0u);
}

}  // namespace
