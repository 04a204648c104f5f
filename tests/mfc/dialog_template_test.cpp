// Dialogs built from templates: controls, ids, texts, geometry, tab order, child pages.
#include <gtest/gtest.h>

#include "mfc/sample_dialog.h"

namespace {

class DialogFromTemplate : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create(sample::kDialogId)); }
  sample::SampleResources resources;
  sample::SampleDialog dialog;
};

TEST_F(DialogFromTemplate, BuildsEveryControlWithItsKindIdAndText) {
  struct Expected {
    int id;
    const char* kind;
    const char* text;
  };
  const Expected expected[] = {
      {IDC_STATIC, "Static", "&Name:"}, {sample::kName, "Edit", ""},      {sample::kEnabled, "Button", "&Enabled"},
      {sample::kFirst, "Button", "&First"}, {sample::kSecond, "Button", "&Second"}, {sample::kList, "ListBox", ""},
      {sample::kCombo, "ComboBox", ""},  {sample::kNotes, "Edit", ""},     {IDC_STATIC, "Button", "Options"},
      {IDOK, "Button", "OK"},           {IDCANCEL, "Button", "Cancel"}, {ID_HELP, "Button", "&Help"},
  };
  ASSERT_EQ(dialog.Children().size(), std::size(expected));
  for (size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    const CWnd* control = dialog.Children()[i];
    EXPECT_EQ(control->GetDlgCtrlID(), expected[i].id);
    EXPECT_STREQ(control->GetWindowKind(), expected[i].kind);
    EXPECT_EQ(control->GetWindowTextString(), CString(expected[i].text));
    EXPECT_EQ(control->GetParent(), &dialog);
  }
  EXPECT_EQ(dialog.GetWindowTextString(), CString("Sample Dialog"));
}

TEST_F(DialogFromTemplate, ConvertsDialogUnitsWithTheWindowlessBaseUnits) {
  EXPECT_EQ(dialog.GetBaseUnits(), CSize(6, 13));
  CRect client;
  dialog.GetClientRect(&client);
  EXPECT_EQ(client, CRect(0, 0, 300, 244));
  EXPECT_EQ(dialog.GetDlgItem(sample::kName)->GetRectInParent(), CRect(60, 11, 210, 31));
  // A combo box is as high as its closed field; the template height is its list's.
  auto* combo = static_cast<CComboBox*>(dialog.GetDlgItem(sample::kCombo));
  EXPECT_EQ(combo->GetRectInParent(), CRect(158, 85, 290, 106));
  EXPECT_EQ(combo->GetDroppedHeight(), 97);
  CRect r(0, 0, 4, 8);
  dialog.MapDialogRect(&r);
  EXPECT_EQ(r, CRect(0, 0, 6, 13));
}

TEST_F(DialogFromTemplate, KeepsStylesAndDataExchangeBindsMembersInPlace) {
  EXPECT_TRUE(dialog.GetDlgItem(sample::kName)->GetStyle() & ES_UPPERCASE);
  EXPECT_TRUE(static_cast<CButton*>(dialog.GetDlgItem(IDOK))->IsDefaultButton());
  // OnInitDialog bound the members: the list box at index 5 is now the member object.
  EXPECT_EQ(dialog.Children()[5], &dialog.m_list);
  EXPECT_EQ(dialog.GetDlgItem(sample::kList), &dialog.m_list);
  EXPECT_TRUE(dialog.m_list.GetStyle() & LBS_SORT);
  EXPECT_EQ(dialog.m_list.GetRectInParent(), CRect(11, 85, 146, 150));
  EXPECT_EQ(dialog.m_list.GetCount(), 3);
}

TEST_F(DialogFromTemplate, TabOrderFollowsTheTemplateAndSkipsWhatCannotTakeInput) {
  std::vector<int> order;
  CWnd* at = nullptr;
  for (int i = 0; i < 10; ++i) {
    at = dialog.GetNextDlgTabItem(at);
    order.push_back(at->GetDlgCtrlID());
  }
  const std::vector<int> expected{sample::kName, sample::kEnabled, sample::kFirst, sample::kSecond, sample::kList,
                                  sample::kCombo, sample::kNotes, IDOK, IDCANCEL, ID_HELP};
  EXPECT_EQ(order, expected);
  EXPECT_EQ(dialog.GetNextDlgTabItem(dialog.GetDlgItem(ID_HELP))->GetDlgCtrlID(), sample::kName);  // wraps
  EXPECT_EQ(dialog.GetNextDlgTabItem(dialog.GetDlgItem(sample::kName), TRUE)->GetDlgCtrlID(), ID_HELP);

  dialog.GetDlgItem(sample::kEnabled)->EnableWindow(FALSE);
  dialog.GetDlgItem(sample::kFirst)->ShowWindow(SW_HIDE);
  EXPECT_EQ(dialog.GetNextDlgTabItem(dialog.GetDlgItem(sample::kName))->GetDlgCtrlID(), sample::kSecond);
}

TEST_F(DialogFromTemplate, ChildPageJoinsTheTabOrderWhereItIsPlaced) {
  CDialog page(sample::kPageId);
  ASSERT_TRUE(page.Create(sample::kPageId, &dialog));
  EXPECT_TRUE(page.GetStyle() & WS_CHILD);
  EXPECT_FALSE(page.IsWindowVisible());  // its template is not visible
  EXPECT_EQ(dialog.GetNextDlgTabItem(dialog.GetDlgItem(sample::kEnabled))->GetDlgCtrlID(), sample::kFirst);
  page.ShowWindow(SW_SHOW);
  EXPECT_EQ(page.GetParent(), &dialog);
  CWnd* check = dialog.GetDlgItem(sample::kEnabled);
  const CRect before = page.GetRectInParent();
  page.SetWindowPos(check, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(page.GetRectInParent(), before);
  EXPECT_EQ(check->GetWindow(GW_HWNDNEXT), &page);
  // Tabbing from the check box enters the page (its hidden button is skipped), then goes on.
  CWnd* next = dialog.GetNextDlgTabItem(check);
  EXPECT_EQ(next->GetDlgCtrlID(), sample::kPageEdit);
  next = dialog.GetNextDlgTabItem(next);
  EXPECT_EQ(next->GetDlgCtrlID(), sample::kPageButton);
  EXPECT_EQ(dialog.GetNextDlgTabItem(next)->GetDlgCtrlID(), sample::kFirst);
  page.ShowWindow(SW_HIDE);
  EXPECT_EQ(dialog.GetNextDlgTabItem(check)->GetDlgCtrlID(), sample::kFirst);
}

TEST_F(DialogFromTemplate, WindowRectsAreScreenCoordinatesOfTheChain) {
  dialog.MoveWindow(100, 50, 300, 244);
  CDialog page(sample::kPageId);
  ASSERT_TRUE(page.Create(sample::kPageId, &dialog));
  page.MoveWindow(10, 20, 180, 65);
  CRect rect;
  page.GetDlgItem(sample::kPageEdit)->GetWindowRect(&rect);
  EXPECT_EQ(rect.TopLeft(), CPoint(100 + 10 + 8, 50 + 20 + 8));
  dialog.ScreenToClient(&rect);
  EXPECT_EQ(rect.TopLeft(), CPoint(18, 28));
}

TEST_F(DialogFromTemplate, DestroyingTheWindowKeepsMembersButDropsTheirWindows) {
  EXPECT_TRUE(IsWindow(dialog.m_list.m_hWnd));
  dialog.DestroyWindow();
  EXPECT_FALSE(IsWindow(dialog.m_hWnd));
  EXPECT_EQ(dialog.m_list.m_hWnd, nullptr);
  EXPECT_TRUE(dialog.Children().empty());
  // A second creation binds the members again.
  ASSERT_TRUE(dialog.Create(sample::kDialogId));
  EXPECT_EQ(dialog.GetDlgItem(sample::kList), &dialog.m_list);
  EXPECT_EQ(dialog.initCount, 2);
}

TEST(DialogTemplate, MissingTemplateFailsCreationAndModal) {
  CDialog dialog(424242);
  EXPECT_FALSE(dialog.Create(424242));
  EXPECT_EQ(dialog.DoModal(), -1);
}

TEST(WindowModel, SetWindowPosPlacesAfterSiblingsAndAtTheEnds) {
  CWnd parent;
  ASSERT_TRUE(parent.Create(nullptr, "parent", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0));
  CWnd a, b, c;
  a.Create(nullptr, "a", WS_CHILD, CRect(0, 0, 1, 1), &parent, 1);
  b.Create(nullptr, "b", WS_CHILD, CRect(0, 0, 1, 1), &parent, 2);
  c.Create(nullptr, "c", WS_CHILD, CRect(0, 0, 1, 1), &parent, 3);
  const auto ids = [&] {
    std::vector<int> v;
    for (const CWnd* w : parent.Children()) v.push_back(w->GetDlgCtrlID());
    return v;
  };
  c.SetWindowPos(&a, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(ids(), (std::vector<int>{1, 3, 2}));
  a.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(ids(), (std::vector<int>{3, 2, 1}));
  a.SetWindowPos(&CWnd::wndTop, 5, 6, 7, 8, 0);
  EXPECT_EQ(ids(), (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(a.GetRectInParent(), CRect(5, 6, 12, 14));
  b.SetWindowPos(nullptr, 1, 1, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
  EXPECT_EQ(ids(), (std::vector<int>{1, 3, 2}));
  EXPECT_EQ(b.GetRectInParent(), CRect(1, 1, 2, 2));
}

TEST(WindowModel, SizeChangesReachOnSizeAndUserResizeHonoursTrackingSizes) {
  struct Sized : CWnd {
    std::vector<CSize> sizes;
    void OnSize(UINT, int cx, int cy) override { sizes.emplace_back(cx, cy); }
    void OnGetMinMaxInfo(MINMAXINFO* info) override {
      info->ptMinTrackSize = {200, 100};
      info->ptMaxTrackSize.y = 100;
    }
  } wnd;
  wnd.Create(nullptr, "", WS_POPUP | WS_THICKFRAME, CRect(0, 0, 300, 100), nullptr, 0);
  wnd.MoveWindow(0, 0, 300, 100);  // same size: no OnSize
  wnd.MoveWindow(10, 10, 320, 100);
  ASSERT_TRUE(wnd.SimulateUserResize(50, 400));
  EXPECT_EQ(wnd.sizes, (std::vector<CSize>{{300, 100}, {320, 100}, {200, 100}}));
  ASSERT_TRUE(wnd.SimulateUserResize(900, 50));
  EXPECT_EQ(wnd.sizes.back(), CSize(900, 100));
}

TEST(WindowModel, RedrawLockAndInvalidationAreVisible) {
  CWnd wnd;
  wnd.Create(nullptr, "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
  wnd.SetRedraw(FALSE);
  EXPECT_FALSE(wnd.IsRedrawEnabled());
  wnd.SendMessage(WM_SETREDRAW, TRUE);
  EXPECT_TRUE(wnd.IsRedrawEnabled());
  wnd.Invalidate();
  wnd.RedrawWindow();
  EXPECT_EQ(wnd.InvalidationCount(), 2);
}

}  // namespace
