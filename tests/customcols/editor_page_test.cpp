// The column editor's sub-column page: customize mode, the grid's validation after the name,
// sizing, the Escape key, a refused load; and the layout page's field buttons that open the
// editor.
#include <gtest/gtest.h>

#include "customcols/CustomColDlg.h"
#include "customcols/UserDefColAPI.h"
#include "dialog_fixture.h"
#include "hostapi/zrcontrols.h"
#include "platform/grid/gxwnd.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridIds.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

namespace cctest {
namespace {

using mirel::script::Click;
using mirel::script::Type;

class EditorPage : public ColumnDialogs {
 protected:
  void Run(CCustomColFile& file, std::function<void(CCustomColDlg&)> work) {
    script.AnswerDialog(CCustomColDlg::IDD, [&work](CDialog& d) { work(static_cast<CCustomColDlg&>(d)); });
    CCustomColDlg editor(&file, nullptr, queryServer);
    EXPECT_EQ(editor.DoModal(), IDCANCEL);
  }
};

TEST_F(EditorPage, SubColumnsOnAPageInCustomizeModeBetweenNameAndButtons) {
  auto file = Load(PutColumn(otherDir, "pins.txt", "PINLIST"));
  Run(*file, [&](CCustomColDlg& editor) {
    CLayoutDlg* page = editor.GetPage();
    ASSERT_TRUE(page && page->GetSafeHwnd());
    EXPECT_EQ(page->GetParent(), &editor);
    EXPECT_EQ(page->GetCaption(), "Sub-Column Definition");
    EXPECT_EQ(page->GetCustomizeMode(), 1);
    EXPECT_TRUE(page->IsWindowVisible());
    EXPECT_FALSE(page->m_lstUserFields.IsWindowVisible());
    EXPECT_FALSE(page->m_btnNewField.IsWindowVisible());
    EXPECT_EQ(page->GetGrid()->GetValueRowCol(qg::kRowKeyword, qg::kFirstReportCol), "PIN_NUMBER");
    // Right after the name in the tab order; between the name and the buttons; to the right edge.
    CWnd* name = editor.GetDlgItem(CCustomColDlg::kNameEditId);
    EXPECT_EQ(name->GetWindow(GW_HWNDNEXT), page);
    const CRect at = page->GetRectInParent();
    CRect client;
    editor.GetClientRect(&client);
    EXPECT_EQ(at.left, CZRWinAPI::ConvertToCorrectDLU(5, 1));
    EXPECT_EQ(at.top, name->GetRectInParent().bottom + CZRWinAPI::ConvertToCorrectDLU(6, 1));
    EXPECT_EQ(at.right, client.right);
    EXPECT_EQ(at.bottom, editor.GetDlgItem(CCustomColDlg::kSaveId)->GetRectInParent().top);
    Click(editor, IDCANCEL);
  });
}

TEST_F(EditorPage, GridIsValidatedAfterTheNameAndOnlyWhenTheNamePasses) {
  CCustomColFile file;
  Run(file, [&](CCustomColDlg& editor) {
    CQueryGrid& grid = *editor.GetPage()->GetGrid();
    grid.SetValueRange(CGXRange(qg::kRowKeyword, qg::kFirstReportCol), "REFDES");
    grid.SetValueRange(CGXRange(qg::kRowViewOrder, qg::kFirstReportCol), "7");
    Type(editor, CCustomColDlg::kNameEditId, "");
    Click(editor, CCustomColDlg::kSaveAsId);
    const size_t nameOnly = script.Asked().size();
    Type(editor, CCustomColDlg::kNameEditId, "MY_REFS");
    Click(editor, CCustomColDlg::kSaveAsId);  // the grid refuses: no file dialog
    EXPECT_EQ(nameOnly, 1u) << Questions();
    CloseDropping(editor);
  });
  const std::vector<std::string> messages = Messages();
  ASSERT_EQ(messages.size(), 2u) << Questions();
  EXPECT_EQ(messages[0], "ZRREPS-225(Custom Column Name)");
  EXPECT_EQ(script.Asked()[1].code, "ZRREPS-238");
}

TEST_F(EditorPage, SavedSubColumnsComeFromTheGrid) {
  auto file = Load(PutColumn(otherDir, "pins.txt", "PINLIST"));
  Run(*file, [&](CCustomColDlg& editor) {
    editor.GetPage()->GetGrid()->AddKeyword("PIN_NAME", 0);
    Click(editor, CCustomColDlg::kSaveId);
    Click(editor, IDCANCEL);
  });
  auto saved = Load(otherDir + "/pins.txt");
  ASSERT_TRUE(saved);
  std::vector<std::string> keywords;
  for (const CTmpltQuery* query : saved->getCustomColData()->m_queries) keywords.push_back(query->m_keyword);
  EXPECT_EQ(keywords, (std::vector<std::string>{"PIN_NUMBER", "PIN_NAME"}));
}

TEST_F(EditorPage, HeightStaysAtItsMinimumWideningStretchesPageAndRightAlignsTheButtons) {
  CCustomColFile file;
  Run(file, [&](CCustomColDlg& editor) {
    // The tracking sizes are the whole window's: the client is that less the frame and caption.
    const int minWidth = CZRWinAPI::ConvertToCorrectDLU(525, 1) - int(editor.NonClientExtent().cx);
    const int minHeight = CZRWinAPI::ConvertToCorrectDLU(475, 0) - int(editor.NonClientExtent().cy);
    editor.SimulateUserResize(minWidth + 200, minHeight + 300);
    CRect client;
    editor.GetClientRect(&client);
    EXPECT_EQ(client.Height(), minHeight);
    EXPECT_EQ(client.Width(), minWidth + 200);
    editor.SimulateUserResize(10, 10);
    editor.GetClientRect(&client);
    EXPECT_EQ(client.Width(), minWidth);
    EXPECT_EQ(client.Height(), minHeight);

    editor.SimulateUserResize(minWidth + 120, minHeight);
    editor.GetClientRect(&client);
    EXPECT_EQ(editor.GetPage()->GetRectInParent().right, client.right);
    const int gap = CZRWinAPI::ConvertToCorrectDLU(6, 1);
    LONG right = client.right - gap;
    const CRect help = editor.GetDlgItem(ID_HELP)->GetRectInParent();
    for (const int id : {int(ID_HELP), int(IDCANCEL), CCustomColDlg::kSaveAsId, CCustomColDlg::kSaveId}) {
      const CRect button = editor.GetDlgItem(id)->GetRectInParent();
      EXPECT_EQ(button.right, right) << id;
      EXPECT_EQ(button.Width(), help.Width()) << id;
      EXPECT_EQ(button.top, help.top) << id;
      right = button.left - gap;
    }
    Click(editor, IDCANCEL);
  });
}

TEST_F(EditorPage, EscapeCancelsACellEditFirstAndClosesFromTheGrid) {
  CCustomColFile file;
  Run(file, [&](CCustomColDlg& editor) {
    CQueryGrid& grid = *editor.GetPage()->GetGrid();
    grid.SetFocus();
    grid.SetInPlaceEditing(TRUE);  // an editor of the window layer is open over a cell
    EXPECT_TRUE(mirel::SimulateKeyDown(grid, VK_ESCAPE) == false);
    EXPECT_FALSE(editor.HasEnded());

    // An editing control that is a window of its own, inside the grid.
    grid.SetInPlaceEditing(FALSE);
    CEdit cell;
    cell.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 16), &grid, 1);
    cell.SetFocus();
    mirel::script::Key(cell, VK_ESCAPE);
    EXPECT_FALSE(editor.HasEnded());
    EXPECT_EQ(CWnd::GetFocus(), &grid);
    cell.DestroyWindow();

    mirel::script::Key(grid, VK_ESCAPE);
    EXPECT_TRUE(editor.HasEnded());
  });
}

TEST_F(EditorPage, RefusedLoadClosesTheEditorAndKeepsTheFile) {
  const std::string path = Put(otherDir, "odd.txt", ColumnText("ODD", "NO_SUCH_KEYWORD"));
  const std::string before = mirel::test::ReadFile(path);
  script.AnswerMessage("ZRREPS-244", IDNO);
  EXPECT_EQ(CUserDefColAPI::LaunchCustomColDlg(nullptr, CString(path)), "");
  EXPECT_EQ(mirel::test::ReadFile(path), before);
  EXPECT_EQ(script.PendingAnswers(), 0u) << Questions();
}

// ---- the layout page's field buttons ------------------------------------------------------------

class FieldButtons : public ColumnDialogs {
 protected:
  void Run(std::function<void(CCreateTmpltDlg&, CLayoutDlg&)> work) {
    CTemplateFile file;
    CCreateTmpltDlg dialog(nullptr, &file, queryServer, nullptr);
    dialog.SetProjectFile(CString(projectDir + "/board.prj"));
    script.AnswerDialog(CCreateTmpltDlg::IDD, [&work](CDialog& d) {
      auto& host = static_cast<CCreateTmpltDlg&>(d);
      work(host, *host.GetLayoutDlg());
      host.EndDialog(IDCANCEL);
    });
    dialog.DoModal();
  }
  static std::vector<std::string> UserFields(CLayoutDlg& page) {
    std::vector<std::string> names;
    for (const ListItem& item : page.m_lstUserFields.Items()) names.push_back(item.text);
    return names;
  }
  // The editor's part: renames the column and saves it as `path`.
  mirel::ScriptedInteraction::DialogScript SaveAs(std::string name, std::string path) {
    return [this, name, path](CDialog& editor) {
      Type(editor, CCustomColDlg::kNameEditId, name);
      script.AnswerFile(path);
      Click(editor, CCustomColDlg::kSaveAsId);
      Click(editor, IDCANCEL);
    };
  }
};

TEST_F(FieldButtons, NewFieldSavedAsJoinsTheList) {
  Run([&](CCreateTmpltDlg&, CLayoutDlg& page) {
    script.AnswerDialog(CCustomColDlg::IDD, SaveAs("PAIRS", otherDir + "/pairs.txt"));
    Click(page, CLayoutDlg::kNewFieldId);
    EXPECT_EQ(UserFields(page), (std::vector<std::string>{"PAIRS"}));
    EXPECT_EQ(page.GetCustomColFile("PAIRS"), otherDir + "/pairs.txt");
    script.AnswerDialog(CCustomColDlg::IDD, [](CDialog& editor) { Click(editor, IDCANCEL); });
    Click(page, CLayoutDlg::kNewFieldId);  // closed unsaved: nothing added
    EXPECT_EQ(UserFields(page), (std::vector<std::string>{"PAIRS"}));
  });
}

TEST_F(FieldButtons, EditFieldSavedUnderANewNameKeepsOldAndNewColumns) {
  const std::string pins = PutColumn(otherDir, "pins.txt", "PINLIST");
  Run([&](CCreateTmpltDlg&, CLayoutDlg& page) {
    Click(page, CLayoutDlg::kEditFieldId);  // no selection: nothing opens
    mirel::script::Select(page, CLayoutDlg::kUserFieldsId, 0);
    script.AnswerDialog(CCustomColDlg::IDD, SaveAs("PINS_TOO", otherDir + "/pins2.txt"));
    Click(page, CLayoutDlg::kEditFieldId);
    EXPECT_EQ(UserFields(page), (std::vector<std::string>{"PINLIST", "PINS_TOO"}));
    EXPECT_EQ(page.GetCustomColFile("PINLIST"), pins);
    EXPECT_EQ(page.GetCustomColFile("PINS_TOO"), otherDir + "/pins2.txt");
    EXPECT_NE(page.GetGrid()->GetCustomColData("PINS_TOO"), nullptr);
  });
}

TEST_F(FieldButtons, EditFieldSavedInPlaceListsTheColumnUnderItsNewName) {
  const std::string pins = PutColumn(otherDir, "pins.txt", "PINLIST");
  Run([&](CCreateTmpltDlg&, CLayoutDlg& page) {
    mirel::script::Select(page, CLayoutDlg::kUserFieldsId, 0);
    script.AnswerDialog(CCustomColDlg::IDD, [](CDialog& editor) {
      Type(editor, CCustomColDlg::kNameEditId, "RENAMED");
      Click(editor, CCustomColDlg::kSaveId);
      Click(editor, IDCANCEL);
    });
    Click(page, CLayoutDlg::kEditFieldId);
    EXPECT_EQ(UserFields(page), (std::vector<std::string>{"RENAMED"}));
    EXPECT_EQ(page.GetCustomColFile("RENAMED"), pins);
  });
}

}  // namespace
}  // namespace cctest
