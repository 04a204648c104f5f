// List and combo boxes: the platform's sorting and searching, item data and colours,
// selection, notifications.
#include <gtest/gtest.h>

#include "platform/mfc/afxwin.h"

namespace {

// A parent window that counts its controls' notifications.
struct Parent : CWnd {
  std::vector<std::pair<UINT, UINT>> notes;
  BOOL OnControlNotify(UINT id, UINT code) override {
    notes.emplace_back(id, code);
    return TRUE;
  }
};

class Lists : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 300), nullptr, 0));
    ASSERT_TRUE(sorted.Create(WS_CHILD | WS_VISIBLE | LBS_SORT, CRect(0, 0, 100, 65), &parent, 10));
    ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_SORT, CRect(0, 0, 100, 100), &parent, 11));
  }
  Parent parent;
  CListBox sorted;
  CComboBox combo;
};

struct SortCase {
  std::vector<const char*> added;
  std::vector<const char*> expected;
};

class SortedOrder : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortedOrder, ListAndComboSortWithoutRegardToCase) {
  Parent parent;
  parent.Create(nullptr, "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
  CListBox list;
  list.Create(WS_CHILD | LBS_SORT, CRect(0, 0, 10, 10), &parent, 1);
  CComboBox combo;
  combo.Create(WS_CHILD | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 10, 10), &parent, 2);
  CListBox batch;  // the same entries in one ReplaceItems: the same order, equal entries included
  batch.Create(WS_CHILD | LBS_SORT, CRect(0, 0, 10, 10), &parent, 3);
  std::vector<ListItem> items;
  for (const char* text : GetParam().added) {
    list.AddString(text);
    combo.AddString(text);
    items.push_back({text});
  }
  batch.ReplaceItems(items);
  ASSERT_EQ(list.GetCount(), int(GetParam().expected.size()));
  ASSERT_EQ(batch.GetCount(), int(GetParam().expected.size()));
  for (size_t i = 0; i < GetParam().expected.size(); ++i) {
    EXPECT_EQ(list.GetItemText(int(i)), CString(GetParam().expected[i])) << i;
    EXPECT_EQ(combo.GetItemText(int(i)), CString(GetParam().expected[i])) << i;
    EXPECT_EQ(batch.GetItemText(int(i)), CString(GetParam().expected[i])) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortedOrder,
    ::testing::Values(SortCase{{"beta", "Alpha", "gamma"}, {"Alpha", "beta", "gamma"}},
                      SortCase{{"REFDES", "refdes2", "RefDes"}, {"REFDES", "RefDes", "refdes2"}},  // equal: kept in order
                      SortCase{{"MATH-OP", "MATH_OP", "MATHOP"}, {"MATH-OP", "MATHOP", "MATH_OP"}},  // '-' < 'O' < '_'
                      SortCase{{"b", "", "a"}, {"", "a", "b"}},
                      SortCase{{"_x", "Zed", "zeb"}, {"zeb", "Zed", "_x"}}));  // '_' folds after letters

struct SearchCase {
  const char* how;
  int startAfter;
  const char* text;
  int expected;
};

class Searching : public ::testing::TestWithParam<SearchCase> {};

TEST_P(Searching, FindsByPrefixOrExactlyIgnoringCaseAndWrapping) {
  Parent parent;
  parent.Create(nullptr, "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
  CListBox list;
  list.Create(WS_CHILD, CRect(0, 0, 10, 10), &parent, 1);
  for (const char* text : {"REFDES", "REF", "PINNUMBER", "refdes", "PROP"}) list.AddString(text);
  const SearchCase& c = GetParam();
  const int found = std::string(c.how) == "prefix" ? list.FindString(c.startAfter, c.text) : list.FindStringExact(c.startAfter, c.text);
  EXPECT_EQ(found, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, Searching,
                         ::testing::Values(SearchCase{"prefix", -1, "ref", 0}, SearchCase{"prefix", 0, "ref", 1},
                                           SearchCase{"prefix", 1, "REF", 3}, SearchCase{"prefix", 3, "ref", 0},
                                           SearchCase{"prefix", -1, "P", 2}, SearchCase{"prefix", 2, "p", 4},
                                           SearchCase{"prefix", -1, "REFDESX", LB_ERR},
                                           SearchCase{"prefix", 99, "pin", 2},  // a start past the end searches all
                                           SearchCase{"exact", -1, "ref", 1}, SearchCase{"exact", -1, "Refdes", 0},
                                           SearchCase{"exact", 0, "refdes", 3}, SearchCase{"exact", 3, "REFDES", 0},
                                           SearchCase{"exact", -1, "RE", LB_ERR}));

TEST_F(Lists, SelectionFollowsItsItemAcrossInsertAndDelete) {
  for (const char* text : {"b", "d"}) sorted.AddString(text);
  sorted.SetCurSel(1);  // "d"
  sorted.AddString("a");
  EXPECT_EQ(sorted.GetCurSel(), 2);
  sorted.AddString("e");
  EXPECT_EQ(sorted.GetCurSel(), 2);
  sorted.DeleteString(0);
  EXPECT_EQ(sorted.GetCurSel(), 1);
  sorted.DeleteString(1);
  EXPECT_EQ(sorted.GetCurSel(), LB_ERR);
  EXPECT_EQ(sorted.SetCurSel(7), LB_ERR);
  EXPECT_EQ(sorted.DeleteString(9), LB_ERR);
  EXPECT_TRUE(parent.notes.empty());  // programmatic changes notify nobody
}

TEST_F(Lists, ReplacingTheItemsKeepsTheirColoursAndClearsTheSelectionAsResetContentDoes) {
  for (const char* text : {"b", "D", "f"}) sorted.AddString(text);
  sorted.SetCurSel(1);
  sorted.ReplaceItems({{"e"}, {"d", 7, RGB(0, 0, 255)}, {"A"}, {"D"}});
  const std::vector<std::string> expected{"A", "d", "D", "e"};
  ASSERT_EQ(sorted.GetCount(), int(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(sorted.GetItemText(int(i)).str(), expected[i]) << i;
  EXPECT_EQ(sorted.GetItemTextColor(1), COLORREF(0xFF0000));
  EXPECT_EQ(sorted.GetItemData(1), 7u);
  EXPECT_EQ(sorted.GetItemTextColor(2), CLR_DEFAULT);
  EXPECT_EQ(sorted.GetCurSel(), LB_ERR);

  sorted.SetCurSel(2);  // the same entries again: still no selection
  sorted.ReplaceItems({{"D"}, {"A"}, {"d", 7, RGB(0, 0, 255)}, {"e"}});
  EXPECT_EQ(sorted.GetItemText(1), CString("D")) << "equal entries keep the order they came in";
  EXPECT_EQ(sorted.GetCurSel(), LB_ERR);
  sorted.ReplaceItems({});
  EXPECT_EQ(sorted.GetCount(), 0);
}

TEST_F(Lists, InsertStringNeverSortsAndItemDataAndColoursStayWithTheItem) {
  sorted.AddString("b");
  sorted.AddString("c");
  EXPECT_EQ(sorted.InsertString(0, "z"), 0);
  EXPECT_EQ(sorted.InsertString(-1, "a"), 3);
  EXPECT_EQ(sorted.InsertString(9, "x"), LB_ERR);
  sorted.SetItemData(1, 77);
  sorted.SetItemTextColor(1, RGB(0, 0, 255));
  sorted.InsertString(0, "y");
  EXPECT_EQ(sorted.GetItemData(2), 77u);
  EXPECT_EQ(sorted.GetItemTextColor(2), COLORREF(0xFF0000));
  EXPECT_EQ(sorted.GetItemTextColor(0), CLR_DEFAULT);
  EXPECT_EQ(sorted.GetItemData(42), DWORD_PTR(LB_ERR));
}

TEST_F(Lists, TopIndexItemRectsAndHitTesting) {
  for (int i = 0; i < 10; ++i) sorted.AddString(std::to_string(i).c_str());
  EXPECT_EQ(sorted.GetItemHeight(), 13);  // 65 pixels: 5 rows
  EXPECT_EQ(sorted.SetTopIndex(3), LB_OKAY);
  EXPECT_EQ(sorted.GetTopIndex(), 3);
  sorted.SetTopIndex(9);
  EXPECT_EQ(sorted.GetTopIndex(), 5);  // the last page stays full
  BOOL outside = FALSE;
  EXPECT_EQ(sorted.ItemFromPoint(CPoint(5, 14), outside), 6u);
  EXPECT_FALSE(outside);
  sorted.SetTopIndex(0);
  sorted.SetCurSel(7);  // scrolled into view
  EXPECT_EQ(sorted.GetTopIndex(), 3);
  CRect rect;
  sorted.GetItemRect(4, &rect);
  EXPECT_EQ(rect, CRect(0, 13, 100, 26));
  CListBox few;
  few.Create(WS_CHILD, CRect(0, 0, 100, 65), &parent, 12);
  few.AddString("only");
  few.ItemFromPoint(CPoint(5, 40), outside);
  EXPECT_TRUE(outside);
}

TEST_F(Lists, UserActionsNotifyTheParent) {
  sorted.AddString("a");
  sorted.AddString("b");
  EXPECT_TRUE(sorted.SimulateSelect(1));
  EXPECT_TRUE(sorted.SimulateDoubleClick(0));
  const std::vector<std::pair<UINT, UINT>> expected{{10, LBN_SELCHANGE}, {10, LBN_SELCHANGE}, {10, LBN_DBLCLK}};
  EXPECT_EQ(parent.notes, expected);
  EXPECT_EQ(sorted.GetCurSel(), 0);
  sorted.EnableWindow(FALSE);
  EXPECT_FALSE(sorted.SimulateSelect(1));
  EXPECT_FALSE(sorted.SimulateSelect(5));
}

TEST_F(Lists, ComboSelectStringSelectsTheFirstEntryBeginningWithTheText) {
  for (const char* text : {"REFDES", "REF", "RELOP", "PROP"}) combo.AddString(text);
  // Sorted: PROP, REF, REFDES, RELOP.
  EXPECT_EQ(combo.SelectString(-1, "ref"), 1);
  EXPECT_EQ(combo.GetWindowTextString(), CString("REF"));
  EXPECT_EQ(combo.SelectString(1, "ref"), 2);  // searches after the start
  EXPECT_EQ(combo.SelectString(-1, "rel"), 3);
  EXPECT_EQ(combo.SelectString(-1, "XYZ"), CB_ERR);
  EXPECT_EQ(combo.GetCurSel(), 3);  // unchanged by a failed search
  EXPECT_EQ(combo.GetWindowTextString(), CString("RELOP"));
  combo.SetCurSel(-1);
  EXPECT_EQ(combo.GetWindowTextString(), CString(""));
  combo.ResetContent();
  EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(Lists, ComboTypingKeepsTheSelectionOnlyWhileTheListIsOpen) {
  for (const char* text : {"A", "B", "BETA"}) combo.AddString(text);
  combo.SetCurSel(0);
  ASSERT_TRUE(combo.SimulateEnterText("be"));
  EXPECT_EQ(combo.GetCurSel(), CB_ERR);
  EXPECT_EQ(combo.GetWindowTextString(), CString("be"));
  ASSERT_TRUE(combo.SimulateDropDown());
  combo.SimulateEnterText("be");
  EXPECT_EQ(combo.GetCurSel(), 2);
  EXPECT_TRUE(combo.SimulateSelect(1));
  EXPECT_FALSE(combo.GetDroppedState());
  const std::vector<std::pair<UINT, UINT>> expected{
      {11, CBN_EDITUPDATE}, {11, CBN_EDITCHANGE}, {11, CBN_DROPDOWN}, {11, CBN_EDITUPDATE},
      {11, CBN_EDITCHANGE}, {11, CBN_SELCHANGE},  {11, CBN_CLOSEUP}};
  EXPECT_EQ(parent.notes, expected);
}

TEST_F(Lists, UpperCaseComboConvertsEntriesAndTextAndKeepsItsLimit) {
  CComboBox upper;
  upper.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_SORT | CBS_UPPERCASE, CRect(0, 0, 100, 100), &parent, 13);
  upper.AddString("value");
  upper.AddString("Part_Number");
  EXPECT_EQ(upper.GetItemText(0), CString("PART_NUMBER"));
  EXPECT_EQ(upper.GetItemText(1), CString("VALUE"));
  upper.LimitText(5);
  upper.SimulateEnterText("height");
  EXPECT_EQ(upper.GetWindowTextString(), CString("HEIGH"));
  upper.SetWindowText("mixed Case");
  EXPECT_EQ(upper.GetWindowTextString(), CString("MIXED CASE"));  // no limit on programmatic text
}

TEST_F(Lists, DropDownListTakesNoTypingAndShowsOnlyEntries) {
  CComboBox list;
  list.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_SORT, CRect(0, 0, 100, 100), &parent, 14);
  for (const char* op : {"*", "+", "-", "/"}) list.AddString(op);
  EXPECT_FALSE(list.SimulateEnterText("x"));
  list.SetWindowText("-");
  EXPECT_EQ(list.GetCurSel(), 2);
  list.SetWindowText("x");
  EXPECT_EQ(list.GetCurSel(), CB_ERR);
  EXPECT_EQ(list.GetWindowTextString(), CString(""));
}

}  // namespace
