// The User Defined Columns dialog: what it lists, the location it shows, the editor it opens and
// the tool tip over the list.
#include <gtest/gtest.h>

#include "customcols/CustomColDlg.h"
#include "customcols/CustomColMainDlg.h"
#include "customcols/UserDefColAPI.h"
#include "dialog_fixture.h"

namespace cctest {
namespace {

using mirel::script::Click;
using mirel::script::Type;

class ColumnList : public ColumnDialogs {
 protected:
  // Runs the list dialog for the project file with work as the person.
  void Run(mirel::ScriptedInteraction::DialogScript work) {
    script.AnswerDialog(CCustomColMainDlg::IDD, std::move(work));
    CCustomColMainDlg dialog(nullptr, CString(projectFile));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
  static std::vector<std::string> Items(CDialog& dialog) {
    std::vector<std::string> items;
    for (const ListItem& item : List(dialog).Items()) items.push_back(item.text);
    return items;
  }
  static CListBox& List(CDialog& dialog) {
    return *static_cast<CListBox*>(dialog.GetDlgItem(CCustomColMainDlg::kColumnListId));
  }
  static std::string Location(CDialog& dialog) { return Text(dialog, CCustomColMainDlg::kLocationId); }
  // The editor's part: checks the name it opened on, then saves as `saveAs` under `name`.
  mirel::ScriptedInteraction::DialogScript EditorSavesAs(std::string opened, std::string name, std::string saveAs) {
    return [this, opened, name, saveAs](CDialog& editor) {
      EXPECT_EQ(Text(editor, CCustomColDlg::kNameEditId), opened);
      Type(editor, CCustomColDlg::kNameEditId, name);
      script.AnswerFile(saveAs);
      Click(editor, CCustomColDlg::kSaveAsId);
      Click(editor, IDCANCEL);
    };
  }

  std::string projectFile = Put(projectDir, "board.prj", "project");
};

TEST_F(ColumnList, SortedFirstFoundOfANameWinsFirstEntrySelected) {
  const std::string setupZeta = PutColumn(setupDir, "zeta.txt", "Zeta");
  PutColumn(projectDir, "zeta-too.txt", "ZETA");  // the same name in another letter case
  const std::string alpha = PutColumn(otherDir, "alpha.txt", "ALPHA");
  PutColumn(otherDir, "mid.txt", "  Mid  ");
  Put(otherDir, "broken.txt", "{ not a column");
  Run([&](CDialog& dialog) {
    EXPECT_EQ(Items(dialog), (std::vector<std::string>{"ALPHA", "Mid", "Zeta"}));
    EXPECT_EQ(List(dialog).GetCurSel(), 0);
    EXPECT_EQ(Location(dialog), alpha);
    mirel::script::Select(dialog, CCustomColMainDlg::kColumnListId, 2);
    EXPECT_EQ(Location(dialog), setupZeta);
    Click(dialog, IDCANCEL);
  });
}

TEST_F(ColumnList, NoColumnsAnywhereEditOpensANewColumn) {
  Run([&](CDialog& dialog) {
    EXPECT_TRUE(Items(dialog).empty());
    EXPECT_EQ(List(dialog).GetCurSel(), LB_ERR);
    EXPECT_EQ(Location(dialog), "");
    script.AnswerDialog(CCustomColDlg::IDD, [](CDialog& editor) {
      EXPECT_EQ(Text(editor, CCustomColDlg::kNameEditId), "");
      EXPECT_FALSE(Enabled(editor, CCustomColDlg::kSaveId));
      Click(editor, IDCANCEL);
    });
    Click(dialog, CCustomColMainDlg::kEditId);
    Click(dialog, IDCANCEL);
  });
}

TEST_F(ColumnList, EditOpensTheShownFileAndListsWhatIsSavedUnderANewFile) {
  PutColumn(otherDir, "pins.txt", "PINLIST");
  const std::string copy = otherDir + "/aaa.txt";
  Run([&](CDialog& dialog) {
    script.AnswerDialog(CCustomColDlg::IDD, EditorSavesAs("PINLIST", "ANODES", copy));
    Click(dialog, CCustomColMainDlg::kEditId);
    EXPECT_EQ(Items(dialog), (std::vector<std::string>{"ANODES", "PINLIST"}));
    EXPECT_EQ(List(dialog).GetCurSel(), 0);
    EXPECT_EQ(Location(dialog), copy);
    Click(dialog, IDCANCEL);
  });
}

TEST_F(ColumnList, NewColumnSavedUnderAListedNameClearsTheSelection) {
  const std::string pins = PutColumn(otherDir, "pins.txt", "PINLIST");
  Run([&](CDialog& dialog) {
    script.AnswerDialog(CCustomColDlg::IDD, EditorSavesAs("", "pinlist", otherDir + "/again.txt"));
    Click(dialog, CCustomColMainDlg::kNewId);
    EXPECT_EQ(Items(dialog), (std::vector<std::string>{"PINLIST"}));
    EXPECT_EQ(List(dialog).GetCurSel(), LB_ERR);
    EXPECT_EQ(Location(dialog), pins);
    Click(dialog, IDCANCEL);
  });
}

TEST_F(ColumnList, ColumnRenamedInPlaceKeepsItsOldEntry) {
  const std::string pins = PutColumn(otherDir, "pins.txt", "PINLIST");
  Run([&](CDialog& dialog) {
    script.AnswerDialog(CCustomColDlg::IDD, [](CDialog& editor) {
      Type(editor, CCustomColDlg::kNameEditId, "RENAMED");
      Click(editor, CCustomColDlg::kSaveId);
      Click(editor, IDCANCEL);
    });
    Click(dialog, CCustomColMainDlg::kEditId);
    EXPECT_EQ(Items(dialog), (std::vector<std::string>{"PINLIST"}));
    EXPECT_EQ(Location(dialog), pins);
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(pins)), "RENAMED");
}

TEST_F(ColumnList, ToolTipShowsTheFileUnderTheMouseAndHidesBelowTheLast) {
  const std::string alpha = PutColumn(otherDir, "alpha.txt", "ALPHA");
  const std::string beta = PutColumn(projectDir, "beta.txt", "BETA");
  script.AnswerDialog(CCustomColMainDlg::IDD, [&](CDialog& dialog) {
    auto& main = static_cast<CCustomColMainDlg&>(dialog);
    CListBox& list = List(dialog);
    const int rowHeight = list.GetItemHeight();
    auto moveTo = [&](int y) {
      MSG msg;
      msg.hwnd = &list;
      msg.message = WM_MOUSEMOVE;
      msg.lParam = MAKELPARAM(3, y);
      mirel::WalkPreTranslateTree(&msg);
    };
    moveTo(rowHeight + rowHeight / 2);
    EXPECT_TRUE(main.GetToolTip().IsTipShown());
    EXPECT_EQ(main.GetToolTip().GetShownText(), beta);
    moveTo(rowHeight / 2);
    EXPECT_EQ(main.GetToolTip().GetShownText(), alpha);
    moveTo(2 * rowHeight + 2);
    EXPECT_FALSE(main.GetToolTip().IsTipShown());
    Click(dialog, IDCANCEL);
  });
  CCustomColMainDlg dialog(nullptr, CString(projectFile));
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(ColumnList, HelpOpensTheListsHelp) {
  Run([](CDialog& dialog) {
    Click(dialog, ID_HELP);
    Click(dialog, IDCANCEL);
  });
  ASSERT_EQ(script.HelpCalls().size(), 1u);
  EXPECT_EQ(script.HelpCalls()[0].context, 132148u);
}

}  // namespace
}  // namespace cctest
