// The query layout page inside the template dialog: its field lists and their colours in both
// structures and in customize mode, user-defined columns, and adding fields by double click.
#include "shell/shell_fixture.h"

namespace shelltest {
namespace {

using qg::kRowKeyword;

TEST_F(ShellTest, StandardListIsSortedWithOperatorsAndBlueForTheStructure) {
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate(Write("t.tpt", TemplateText("DesignBased")).c_str()));
  RunDialog(file, [](CCreateTmpltDlg& d) {
    CListBox& list = StdFields(d);
    std::vector<std::string> texts;
    for (const ListItem& item : list.Items()) texts.push_back(item.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"BLOCK", "DESIGN", "MATH-OP", "REFDES", "RELOP", "STRINGOP", "VALUE"}));
    EXPECT_EQ(ColorOf(list, "REFDES"), CLayoutDlg::kHighlightColor);
    EXPECT_EQ(ColorOf(list, "BLOCK"), CLR_DEFAULT);
    EXPECT_EQ(ColorOf(list, "MATH-OP"), CLR_DEFAULT);
    EXPECT_TRUE(list.IsTextDragEnabled());
    EXPECT_TRUE(UserFields(d).IsTextDragEnabled());

    // Block Based recolours at once, in place, keeping the scroll position (of a list short
    // enough to scroll).
    const CRect rect = list.GetRectInParent();
    list.MoveWindow(int(rect.left), int(rect.top), int(rect.Width()), 3 * list.GetItemHeight());
    list.SetTopIndex(3);
    ASSERT_EQ(list.GetTopIndex(), 3);
    const int invalidations = list.InvalidationCount();
    list.SetCurSel(list.FindStringExact(-1, "REFDES"));
    mirel::script::Click(d, CCreateTmpltDlg::kBlockBasedId);
    EXPECT_EQ(ColorOf(list, "REFDES"), CLR_DEFAULT);
    EXPECT_EQ(list.GetItemText(list.GetCurSel()), "REFDES") << "recolouring keeps the selection";
    EXPECT_EQ(ColorOf(list, "BLOCK"), CLayoutDlg::kHighlightColor);
    EXPECT_EQ(list.GetCount(), 7);
    EXPECT_EQ(list.GetTopIndex(), 3);
    EXPECT_TRUE(list.IsRedrawEnabled());
    EXPECT_GT(list.InvalidationCount(), invalidations);
    EXPECT_TRUE(d.GetLayoutDlg()->GetGrid()->GetBlockBased());
    EXPECT_TRUE(d.IsModified());
    d.EndDialog(0);
  });
}

TEST_F(ShellTest, StructureWordIsMatchedWithoutLetterCaseAndUnknownWordsOpenDesignBased) {
  for (const auto& [word, block] : {std::pair{"blockbased", true}, std::pair{"Hierarchical", false}}) {
    CTemplateFile file;
    ASSERT_TRUE(file.loadTemplate(Write("s.tpt", TemplateText(word)).c_str()));
    RunDialog(file, [block = block, word = word](CCreateTmpltDlg& d) {
      EXPECT_EQ(d.IsDlgButtonChecked(CCreateTmpltDlg::kBlockBasedId), block ? 1u : 0u) << word;
      EXPECT_EQ(d.IsDlgButtonChecked(CCreateTmpltDlg::kDesignBasedId), block ? 0u : 1u) << word;
      EXPECT_EQ(ColorOf(StdFields(d), "BLOCK"), block ? CLayoutDlg::kHighlightColor : CLR_DEFAULT) << word;
      EXPECT_FALSE(d.IsModified()) << "opening changes nothing";
      d.EndDialog(0);
    });
  }
}

TEST_F(ShellTest, CustomizeModeHidesTheUserFieldsAndStretchesGridAndList) {
  Write("project/pins.txt", ColumnText("PINS"));
  CCustomColData column;
  CWnd host;
  ASSERT_TRUE(host.Create(nullptr, "host", WS_POPUP, RECT{0, 0, 1000, 800}, nullptr, 0));
  CLayoutDlg page(&server, &column.m_queries, queries.get(), 1, CLayoutDlg::kSubColumnCaption);
  page.SetProjectFile(CString(ProjectFile()));
  ASSERT_TRUE(page.CreateFromTemplate(&host));
  EXPECT_EQ(page.GetCaption(), "Sub-Column Definition");
  EXPECT_FALSE(page.m_bLoadFailed);
  for (const int id : {CLayoutDlg::kNewFieldId, CLayoutDlg::kEditFieldId, CLayoutDlg::kUserFieldsId,
                       CLayoutDlg::kUserFieldsGroupId}) {
    CWnd* control = page.GetDlgItem(id);
    ASSERT_NE(control, nullptr) << id;
    EXPECT_FALSE(control->IsWindowVisible()) << id;
    EXPECT_FALSE(control->IsWindowEnabled()) << id;
  }
  const LONG bottom = page.m_btnNewField.GetRectInParent().bottom;
  EXPECT_EQ(page.m_lstStdFields.GetRectInParent().bottom, bottom);
  EXPECT_EQ(page.GetGrid()->GetRectInParent().bottom, bottom);
  EXPECT_EQ(page.GetGrid()->GetCustomizeCols(), 1);
  for (const ListItem& item : page.m_lstStdFields.Items()) EXPECT_EQ(item.color, CLR_DEFAULT) << item.text;
  page.SetBlockBased(true);
  for (const ListItem& item : page.m_lstStdFields.Items()) EXPECT_EQ(item.color, CLR_DEFAULT) << item.text;
}

TEST_F(ShellTest, PageGeometryGridUnderCaptionBesideTheListAndStretchedBySize) {
  CTemplateFile file;
  RunDialog(file, [](CCreateTmpltDlg& d) {
    CLayoutDlg& page = *d.GetLayoutDlg();
    const CRect list = page.m_lstStdFields.GetRectInParent();
    const CRect caption = page.GetCaptionGrid()->GetRectInParent();
    const CRect grid = page.GetGrid()->GetRectInParent();
    CRect client;
    page.GetClientRect(&client);
    EXPECT_EQ(caption.left, list.right + 5);
    EXPECT_EQ(caption.top, list.top);
    EXPECT_EQ(caption.Height(), 20);
    EXPECT_EQ(grid.left, list.right + 5);
    EXPECT_EQ(grid.top, list.top + 20);
    EXPECT_EQ(grid.right, client.right);
    EXPECT_EQ(grid.bottom, page.m_btnNewField.GetRectInParent().bottom);
    EXPECT_EQ(page.GetDlgItem(CLayoutDlg::kGridId), page.GetGrid()) << "1093 names the grid";
    EXPECT_EQ(page.GetCaptionGrid()->GetValueRowCol(0, 0), "Query Grid");
    EXPECT_EQ(page.GetCaptionGrid()->GetDlgCtrlID(), CLayoutDlg::kCaptionGridId);

    // Wider: the page, grid and caption reach the new right edge; the buttons stay right-aligned.
    CRect before;
    d.GetWindowRect(&before);
    ASSERT_TRUE(d.SimulateUserResize(int(before.Width()) + 200, int(before.Height()) + 100));
    CRect after;
    d.GetClientRect(&after);
    EXPECT_EQ(after.Height(), before.Height()) << "the height is fixed";
    EXPECT_EQ(page.GetRectInParent().right, after.right);
    CRect pageClient;
    page.GetClientRect(&pageClient);
    EXPECT_EQ(page.GetGrid()->GetRectInParent().right, pageClient.right);
    EXPECT_EQ(page.GetCaptionGrid()->GetRectInParent().right, pageClient.right);
    EXPECT_EQ(page.GetGrid()->GetRectInParent().Height(), grid.Height());
    const CRect help = d.m_btnHelp.GetRectInParent();
    const CRect close = d.m_btnClose.GetRectInParent();
    const CRect saveAs = d.m_btnSaveAs.GetRectInParent();
    const CRect save = d.m_btnSave.GetRectInParent();
    const LONG gap = after.right - help.right;
    EXPECT_GT(gap, 0);
    EXPECT_EQ(help.left - close.right, gap);
    EXPECT_EQ(close.left - saveAs.right, gap);
    EXPECT_EQ(saveAs.left - save.right, gap);
    EXPECT_EQ(save.top, help.top);
    d.EndDialog(0);
  });
}

TEST_F(ShellTest, SecondUserColumnOfANameInAnyCaseIsRefusedWithZRREPS245) {
  Write("setup/vynsetup/tdd/custom_columns/pins.txt", ColumnText("PINS"));
  const std::string second = Write("project/pins_again.txt", ColumnText("Pins"));
  CTemplateFile file;
  RunDialog(file, [](CCreateTmpltDlg& d) {
    CListBox& list = UserFields(d);
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(list.GetItemText(0), "PINS");
    auto* data = static_cast<std::string*>(list.GetItemDataPtr(0));
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(*data, "REFDES,VALUE");
    EXPECT_NE(d.GetLayoutDlg()->GetCustomColFile("PINS").Find("pins.txt"), -1);
    d.EndDialog(0);
  });
  const auto& asked = script.Asked();
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.front().code, "ZRREPS-245");
  ASSERT_EQ(asked.front().args.size(), 3u);
  EXPECT_EQ(asked.front().args[0].Text(), "Pins");
  EXPECT_EQ(asked.front().args[1].Text(), "Pins");
  EXPECT_EQ(asked.front().args[2].Text(), second);
}

TEST_F(ShellTest, DoubleClicksAddFieldsAndOneSelectionClearsTheOther) {
  Write("project/pins.txt", ColumnText("PINS"));
  CTemplateFile file;
  RunDialog(file, [](CCreateTmpltDlg& d) {
    CQueryGrid& grid = *d.GetLayoutDlg()->GetGrid();
    mirel::script::SelectText(d, CLayoutDlg::kUserFieldsId, "PINS");
    mirel::script::SelectText(d, CLayoutDlg::kStdFieldsId, "REFDES");
    EXPECT_EQ(UserFields(d).GetCurSel(), LB_ERR);
    mirel::script::DoubleClick(d, CLayoutDlg::kStdFieldsId, StdFields(d).GetCurSel());
    EXPECT_EQ(grid.GetValueRowCol(kRowKeyword, 2), "REFDES");

    mirel::script::SelectText(d, CLayoutDlg::kUserFieldsId, "PINS");
    EXPECT_EQ(StdFields(d).GetCurSel(), LB_ERR);
    mirel::script::DoubleClick(d, CLayoutDlg::kUserFieldsId, 0);
    EXPECT_EQ(grid.GetValueRowCol(kRowKeyword, 3), "PINS");
    EXPECT_EQ(grid.GetComposedStyle(kRowKeyword, 3).GetUserAttribute(qg::kCustomColAttr).GetLongValue(), 1);
    EXPECT_TRUE(d.GetLayoutDlg()->IsGridModified());
    d.EndDialog(0);
  });
}

TEST_F(ShellTest, PageWithoutAWindowAnswersTrueAndNotModified) {
  CTmpltQueryList list;
  CLayoutDlg page(&server, &list, queries.get(), 0, 0);
  EXPECT_TRUE(page.UpdateInfo());
  EXPECT_TRUE(page.ValidateData());
  EXPECT_FALSE(page.IsGridModified());
  EXPECT_FALSE(page.m_bLoadFailed);
}

TEST_F(ShellTest, RefusedLoadEndsTheDialogAtOnce) {
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate(Write("u.tpt", TemplateText("DesignBased", "NO_SUCH_KEYWORD")).c_str()));
  script.AnswerMessage("ZRREPS-244", IDNO);
  CCreateTmpltDlg dialog(&server, &file, queries.get(), nullptr);
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_TRUE(dialog.GetLayoutDlg()->m_bLoadFailed);
}

}  // namespace
}  // namespace shelltest
