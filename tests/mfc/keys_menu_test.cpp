// Dialog keys and pop-up menus.
#include <gtest/gtest.h>

#include "mfc/sample_dialog.h"
#include "platform/mfc/scripted.h"
#include "resources/library_resources.h"

namespace {

namespace script = mirel::script;

class DialogKeys : public ::testing::Test {
 protected:
  sample::SampleResources resources;
  mirel::ScriptedInteraction answers;
  mirel::ScopedInteraction scope{answers};
};

TEST_F(DialogKeys, EscapeCancelsEnterPressesTheDefaultButtonTabMoves) {
  sample::SampleDialog dialog;
  answers.AnswerDialog(sample::kDialogId, [](CDialog& d) {
    CWnd* name = d.GetDlgItem(sample::kName);
    EXPECT_EQ(CWnd::GetFocus(), name);  // the first tab stop has the focus
    script::Key(*name, VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(sample::kEnabled));
    script::Key(*CWnd::GetFocus(), VK_TAB, true);
    EXPECT_EQ(CWnd::GetFocus(), name);
    // Enter in a multi-line edit with ES_WANTRETURN stays in the edit.
    d.GetDlgItem(sample::kNotes)->SetFocus();
    script::Key(*CWnd::GetFocus(), VK_RETURN);
    EXPECT_TRUE(d.IsModalSessionRunning());
    script::Key(*name, VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);

  answers.AnswerDialog(sample::kDialogId, [](CDialog& d) {
    script::Type(d, sample::kName, "n");
    script::Key(*d.GetDlgItem(sample::kName), VK_RETURN);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(DialogKeys, ADisabledDefaultButtonMakesEnterDoNothing) {
  sample::SampleDialog dialog;
  ASSERT_TRUE(dialog.Create(sample::kDialogId));
  dialog.GetDlgItem(IDOK)->EnableWindow(FALSE);
  int oks = 0;
  dialog.MapCommand(IDOK, [&] { ++oks; });
  EXPECT_TRUE(mirel::SimulateKeyDown(*dialog.GetDlgItem(sample::kName), VK_RETURN));
  EXPECT_EQ(oks, 0);
  dialog.GetDlgItem(IDOK)->EnableWindow(TRUE);
  mirel::SimulateKeyDown(*dialog.GetDlgItem(sample::kName), VK_RETURN);
  EXPECT_EQ(oks, 1);
}

// A control that wants every key (as the grid does), and a dialog that takes Esc first.
struct Greedy : CWnd {
  std::vector<UINT> keys;
  UINT OnGetDlgCode() override { return DLGC_WANTALLKEYS; }
  void OnKeyDown(UINT ch, UINT, UINT) override { keys.push_back(ch); }
};

TEST_F(DialogKeys, ControlsThatWantAllKeysGetThemAndPreTranslateComesFirst) {
  struct Dialog : sample::SampleDialog {
    int escapes = 0;
    BOOL PreTranslateMessage(MSG* msg) override {
      if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE && msg->hwnd->GetDlgCtrlID() == sample::kName) {
        ++escapes;
        return TRUE;
      }
      return CDialog::PreTranslateMessage(msg);
    }
  } dialog;
  ASSERT_TRUE(dialog.Create(sample::kDialogId));
  Greedy greedy;
  greedy.Create(nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 0, 10, 10), &dialog, 500);
  EXPECT_FALSE(mirel::SimulateKeyDown(greedy, VK_TAB));
  EXPECT_FALSE(mirel::SimulateKeyDown(greedy, VK_ESCAPE));
  EXPECT_EQ(greedy.keys, (std::vector<UINT>{VK_TAB, VK_ESCAPE}));
  EXPECT_TRUE(mirel::SimulateKeyDown(*dialog.GetDlgItem(sample::kName), VK_ESCAPE));
  EXPECT_EQ(dialog.escapes, 1);
  EXPECT_EQ(GetKeyState(VK_SHIFT), 0);
}

TEST_F(DialogKeys, KeysInAChildPageAreTheContainingDialogs) {
  sample::SampleDialog dialog;
  ASSERT_TRUE(dialog.Create(sample::kDialogId));
  CDialog page(sample::kPageId);
  ASSERT_TRUE(page.Create(sample::kPageId, &dialog));
  int pageCancels = 0, dialogCancels = 0;
  page.MapCommand(IDCANCEL, [&] { ++pageCancels; });
  dialog.MapCommand(IDCANCEL, [&] { ++dialogCancels; });
  mirel::SimulateKeyDown(*page.GetDlgItem(sample::kPageEdit), VK_ESCAPE);
  EXPECT_EQ(pageCancels, 0);
  EXPECT_EQ(dialogCancels, 1);
}

TEST(PopupMenus, TheEditMenuResourceHasItsItemsInOrder) {
  mirel::AddResourceModule(mirel::LibraryResources());
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(1061));
  ASSERT_EQ(menu.GetMenuItemCount(), 1);
  CString text;
  menu.GetMenuString(0, text, MF_BYPOSITION);
  EXPECT_EQ(text, CString("&Edit"));
  CMenu* edit = menu.GetSubMenu(0);
  ASSERT_NE(edit, nullptr);
  const std::vector<std::pair<UINT, const char*>> expected{
      {57635, "Cu&t\tCtrl+X"}, {57634, "&Copy\tCtrl+C"}, {57637, "&Paste\tCtrl+V"}, {0, ""},
      {57632, "C&lear\tDel"},  {0, ""}, {32776, "&Insert Col \tCtrl+I"}, {32777, "&Delete Col\tCtrl+Del"},
      {0, ""}, {57643, "&Undo\tCtrl+Z"}, {57644, "&Redo\tCtrl+Y"}};
  ASSERT_EQ(edit->GetMenuItemCount(), int(expected.size()));
  for (int i = 0; i < edit->GetMenuItemCount(); ++i) {
    EXPECT_EQ(edit->GetMenuItemID(i), expected[size_t(i)].first) << i;
    edit->GetMenuString(UINT(i), text, MF_BYPOSITION);
    EXPECT_EQ(text, CString(expected[size_t(i)].second)) << i;
    if (expected[size_t(i)].first == 0) {
      EXPECT_TRUE(edit->GetMenuState(UINT(i), MF_BYPOSITION) & MF_SEPARATOR);
    }
  }
  EXPECT_TRUE(mirel::RemoveResourceModule(mirel::LibraryResources()));
  EXPECT_FALSE(menu.LoadMenu(1061));
}

TEST(PopupMenus, GrayedItemsAndTheChosenCommandReachingItsOwner) {
  sample::SampleResources resources;
  mirel::ScriptedInteraction answers;
  mirel::ScopedInteraction scope(answers);
  CWnd owner;
  owner.Create(nullptr, "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
  std::vector<UINT> commands;
  owner.MapCommand(sample::kCmdOne, [&] { commands.push_back(sample::kCmdOne); });
  owner.MapCommand(sample::kCmdTwo, [&] { commands.push_back(sample::kCmdTwo); });

  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(sample::kMenuId));
  CMenu* popup = menu.GetSubMenu(0);
  EXPECT_FALSE(popup->IsItemEnabled(sample::kCmdTwo));
  EXPECT_EQ(menu.EnableMenuItem(sample::kCmdTwo, MF_BYCOMMAND | MF_ENABLED), MF_GRAYED);  // found through the pop-up
  EXPECT_EQ(popup->EnableMenuItem(sample::kCmdOne, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED), MF_ENABLED);
  EXPECT_EQ(popup->EnableMenuItem(12345, MF_GRAYED), 0xFFFFFFFFu);

  answers.AnswerMenu(sample::kCmdTwo).AnswerMenu(0).AnswerMenu(sample::kCmdOne).AnswerMenu(sample::kCmdTwo);
  EXPECT_TRUE(popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 10, 20, &owner));
  EXPECT_FALSE(popup->TrackPopupMenu(TPM_LEFTALIGN, 10, 20, &owner));  // dismissed
  try {
    popup->TrackPopupMenu(0, 0, 0, &owner);
    ADD_FAILURE() << "a grayed command was chosen";
  } catch (const mirel::UnansweredQuestion& e) {
    EXPECT_NE(std::string(e.what()).find("command 40001, which is grayed"), std::string::npos);
  }
  EXPECT_EQ(popup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), BOOL(sample::kCmdTwo));
  EXPECT_EQ(commands, std::vector<UINT>{sample::kCmdTwo});  // TPM_RETURNCMD sends nothing
}

}  // namespace
