// Edits and buttons.
#include <gtest/gtest.h>

#include "platform/mfc/afxwin.h"

namespace {

struct Parent : CWnd {
  std::vector<std::pair<UINT, UINT>> notes;
  BOOL OnControlNotify(UINT id, UINT code) override {
    notes.emplace_back(id, code);
    return CWnd::OnControlNotify(id, code);
  }
};

class Controls : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(parent.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0)); }
  Parent parent;
};

TEST_F(Controls, MultiLineEditGivesItsHardLines) {
  CEdit edit;
  edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | ES_WANTRETURN, CRect(0, 0, 100, 50), &parent, 1);
  edit.SetWindowText(" x \r\n\r\ny,z\r\nw");
  ASSERT_EQ(edit.GetLineCount(), 4);
  EXPECT_EQ(edit.GetLineText(0), CString(" x "));
  EXPECT_EQ(edit.GetLineText(1), CString(""));
  EXPECT_EQ(edit.GetLineText(2), CString("y,z"));
  EXPECT_EQ(edit.GetLineText(3), CString("w"));
  EXPECT_EQ(edit.GetLineText(4), CString(""));
  char buffer[8] = {};
  EXPECT_EQ(edit.GetLine(2, buffer, 2), 2);
  EXPECT_EQ(std::string(buffer, 2), "y,");
  EXPECT_EQ(edit.LineIndex(2), 7);
  EXPECT_EQ(edit.LineLength(edit.LineIndex(2)), 3);
  // Typed line breaks become CR LF; an empty edit has one empty line.
  edit.SimulateEnterText("a\nb");
  EXPECT_EQ(edit.GetWindowTextString(), CString("a\r\nb"));
  edit.SetWindowText("");
  EXPECT_EQ(edit.GetLineCount(), 1);
  EXPECT_TRUE(parent.notes.size() == 2u);  // typing notifies; setting a multi-line text does not
}

TEST_F(Controls, SingleLineEditConvertsLimitsAndNotifies) {
  CEdit edit;
  edit.Create(WS_CHILD | WS_VISIBLE | ES_UPPERCASE | ES_AUTOHSCROLL, CRect(0, 0, 100, 20), &parent, 2);
  EXPECT_TRUE(parent.notes.empty());  // creation says nothing
  edit.SetWindowText("abc");
  EXPECT_EQ(edit.GetWindowTextString(), CString("ABC"));
  EXPECT_EQ(parent.notes, (std::vector<std::pair<UINT, UINT>>{{2, EN_UPDATE}, {2, EN_CHANGE}}));
  edit.LimitText(4);
  edit.SimulateEnterText("first line\r\nsecond");
  EXPECT_EQ(edit.GetWindowTextString(), CString("FIRS"));
  // The limit never splits a UTF-8 character.
  CEdit plain;
  plain.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &parent, 3);
  plain.LimitText(3);
  plain.SimulateEnterText("a\xC3\xA9\xC3\xA9");
  EXPECT_EQ(plain.GetWindowTextString(), CString("a\xC3\xA9"));
}

TEST_F(Controls, ReadOnlyDisabledOrHiddenEditsRefuseTyping) {
  CEdit edit;
  edit.Create(WS_CHILD | WS_VISIBLE | ES_READONLY, CRect(0, 0, 100, 20), &parent, 4);
  EXPECT_FALSE(edit.SimulateEnterText("x"));
  edit.SetReadOnly(FALSE);
  EXPECT_TRUE(edit.SimulateEnterText("x"));
  edit.EnableWindow(FALSE);
  EXPECT_FALSE(edit.SimulateEnterText("y"));
  edit.EnableWindow(TRUE);
  parent.ShowWindow(SW_HIDE);
  EXPECT_FALSE(edit.SimulateEnterText("y"));
  EXPECT_EQ(edit.GetWindowTextString(), CString("x"));
}

TEST_F(Controls, ClicksToggleCheckBoxesAndReachMappedHandlers) {
  CButton check, push;
  check.Create("Check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 50, 10), &parent, 5);
  push.Create("Push", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 20, 50, 40), &parent, 6);
  int pushed = 0;
  parent.MapCommand(6, [&] { ++pushed; });
  EXPECT_TRUE(check.SimulateClick());
  EXPECT_EQ(check.GetCheck(), BST_CHECKED);
  EXPECT_TRUE(check.SimulateClick());
  EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
  EXPECT_TRUE(push.SimulateClick());
  EXPECT_EQ(pushed, 1);
  push.EnableWindow(FALSE);
  EXPECT_FALSE(push.SimulateClick());
  EXPECT_EQ(pushed, 1);
  EXPECT_EQ(CWnd::GetFocus(), &push);  // a click on a disabled button leaves the focus where it was
}

TEST_F(Controls, RadioGroupsEndAtTheNextGroupStyle) {
  CButton a, b, c, d;
  a.Create("a", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, CRect(), &parent, 7);
  b.Create("b", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(), &parent, 8);
  c.Create("c", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON, CRect(), &parent, 9);
  d.Create("d", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, CRect(), &parent, 10);
  a.SimulateClick();
  c.SimulateClick();
  b.SimulateClick();
  EXPECT_EQ(a.GetCheck(), BST_UNCHECKED);
  EXPECT_EQ(b.GetCheck(), BST_CHECKED);
  EXPECT_EQ(c.GetCheck(), BST_CHECKED);
  EXPECT_EQ(parent.GetCheckedRadioButton(7, 8), 8);
  parent.CheckRadioButton(9, 10, 10);
  EXPECT_EQ(c.GetCheck(), BST_UNCHECKED);
  EXPECT_EQ(d.GetCheck(), BST_CHECKED);
}

TEST_F(Controls, ToolTipShowsTheToolsTextOnRelayedMouseMoves) {
  CListBox list;
  list.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), &parent, 11);
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&parent, TTS_ALWAYSTIP));
  tip.AddTool(&list, "Custom Column List");
  MSG move{&list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 7)};
  tip.RelayEvent(&move);
  EXPECT_FALSE(tip.IsTipShown());  // not active yet
  tip.Activate(TRUE);
  tip.RelayEvent(&move);
  EXPECT_TRUE(tip.IsTipShown());
  EXPECT_EQ(tip.GetShownText(), CString("Custom Column List"));
  EXPECT_EQ(tip.GetShownAt(), CPoint(15, 17));
  tip.UpdateTipText("/path/a.txt", &list);
  EXPECT_EQ(tip.GetShownText(), CString("/path/a.txt"));
  tip.Pop();
  EXPECT_FALSE(tip.IsTipShown());
  MSG elsewhere{&parent, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1)};
  tip.RelayEvent(&elsewhere);
  EXPECT_FALSE(tip.IsTipShown());
  tip.SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  EXPECT_TRUE(tip.GetExStyle() & WS_EX_TOPMOST);
}

}  // namespace
