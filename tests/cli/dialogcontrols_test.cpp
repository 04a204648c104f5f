#include "app/dialogcontrols.h"

#include <gtest/gtest.h>

#include "mfc/sample_dialog.h"

namespace mirel::cli {
namespace {

// The sample dialog created (not run) with the sample page hosted inside it.
class DialogControls : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(sample::kDialogId));
    ASSERT_TRUE(page.Create(sample::kPageId, &dialog));
    dialog.ShowWindow(SW_SHOW);
    page.ShowWindow(SW_SHOW);
  }
  sample::SampleResources resources;
  sample::SampleDialog dialog;
  CDialog page;
};

std::vector<int> Ids(const std::vector<CWnd*>& controls) {
  std::vector<int> ids;
  for (const CWnd* control : controls) ids.push_back(control->GetDlgCtrlID());
  return ids;
}

TEST_F(DialogControls, TheDialogsOwnIdsWinOverThePagesAndThePageAddsTheRest) {
  CWnd* ok = FindDialogControl(dialog, IDOK);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->GetParent(), &dialog);
  CWnd* pageEdit = FindDialogControl(dialog, sample::kPageEdit);
  ASSERT_NE(pageEdit, nullptr);
  EXPECT_EQ(pageEdit->GetParent(), &page);
  EXPECT_EQ(FindDialogControl(dialog, 4711), nullptr);

  EXPECT_EQ(Ids(ListedControls(dialog)),
            (std::vector<int>{IDC_STATIC, sample::kName, sample::kEnabled, sample::kFirst, sample::kSecond, sample::kList,
                              sample::kCombo, sample::kNotes, IDC_STATIC, IDOK, IDCANCEL, ID_HELP, sample::kPageEdit,
                              sample::kPageButton}));
}

TEST_F(DialogControls, TheListingFollowsTheTemplateWhenTheTabOrderChanged) {
  CWnd* help = dialog.GetDlgItem(ID_HELP);
  help->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  const std::vector<int> ids = Ids(ListedControls(dialog));
  EXPECT_EQ(ids[11], ID_HELP);
}

TEST_F(DialogControls, JsonNamesEachKindWithItsState) {
  dialog.m_list.SetItemTextColor(0, 0xFF0000);
  dialog.m_list.SetCurSel(1);
  dialog.CheckDlgButton(sample::kEnabled, BST_CHECKED);
  dialog.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
  const nlohmann::ordered_json record = ControlsToJson(dialog);
  EXPECT_EQ(record["dialog"], sample::kDialogId);
  EXPECT_EQ(record["caption"], "Sample Dialog");
  const auto& controls = record["controls"];
  ASSERT_EQ(controls.size(), 14u);
  EXPECT_EQ(controls[0].dump(), R"({"id":-1,"kind":"static","text":"&Name:","visible":true,"enabled":true})");
  EXPECT_EQ(controls[2].dump(),
            R"({"id":102,"kind":"checkbox","text":"&Enabled","checked":true,"visible":true,"enabled":true})");
  EXPECT_EQ(controls[3]["kind"], "radio");
  EXPECT_EQ(controls[5].dump(),
            R"({"id":105,"kind":"listbox","items":[{"text":"Alpha","blue":true},{"text":"beta","blue":false},)"
            R"({"text":"gamma","blue":false}],"selected":["beta"],"visible":true,"enabled":true})");
  EXPECT_EQ(controls[6]["kind"], "combobox");
  EXPECT_EQ(controls[6]["items"].size(), 3u);
  EXPECT_EQ(controls[8]["kind"], "group");
  EXPECT_EQ(controls[10]["enabled"], false);
  EXPECT_EQ(controls[12]["kind"], "edit");

  const std::vector<std::string> text = ControlsToText(dialog);
  ASSERT_EQ(text.size(), 15u);
  EXPECT_EQ(text[0], "dialog 9001 \"Sample Dialog\"");
  EXPECT_EQ(text[3], "  102 checkbox \"&Enabled\" checked");
  EXPECT_EQ(text[6], "  105 listbox [*Alpha, beta, gamma] selected \"beta\"");
  EXPECT_EQ(text[11], "  2 button \"Cancel\" disabled");
}

TEST_F(DialogControls, ActionsAsAPersonDoesThem) {
  CWnd& name = *FindDialogControl(dialog, sample::kName);
  EXPECT_EQ(TypeIntoControl(name, "smith"), Acted::Done);
  EXPECT_EQ(name.GetWindowTextString(), CString("SMITH"));
  EXPECT_EQ(ClickControl(name), Acted::WrongKind);

  CWnd& notes = *FindDialogControl(dialog, sample::kNotes);
  EXPECT_EQ(TypeIntoControl(notes, "one\ntwo"), Acted::Done);
  EXPECT_EQ(static_cast<CEdit&>(notes).GetLineCount(), 2);

  CWnd& list = *FindDialogControl(dialog, sample::kList);
  EXPECT_EQ(ChooseEntry(list, "GAMMA"), Acted::Done);
  EXPECT_EQ(dialog.m_list.GetCurSel(), 2);
  EXPECT_EQ(ChooseEntry(list, "delta"), Acted::Refused);
  EXPECT_EQ(DoubleClickEntry(list, "alpha"), Acted::Done);
  EXPECT_EQ(dialog.listDoubleClicks, 1);
  EXPECT_EQ(DropDownAndClose(list), Acted::WrongKind);

  CWnd& combo = *FindDialogControl(dialog, sample::kCombo);
  EXPECT_EQ(DropDownAndClose(combo), Acted::Done);
  EXPECT_EQ(dialog.comboDropDowns, 1);
  EXPECT_FALSE(dialog.m_combo.GetDroppedState());
  EXPECT_EQ(ChooseEntry(combo, "refdes"), Acted::Done);
  EXPECT_EQ(combo.GetWindowTextString(), CString("REFDES"));
  EXPECT_EQ(DoubleClickEntry(combo, "REFDES"), Acted::WrongKind);

  CWnd& cancel = *FindDialogControl(dialog, IDCANCEL);
  cancel.EnableWindow(FALSE);
  EXPECT_EQ(ClickControl(cancel), Acted::Refused);
  EXPECT_EQ(FocusControl(cancel), Acted::Refused);
  EXPECT_EQ(FocusControl(name), Acted::Done);
  EXPECT_EQ(CWnd::GetFocus(), &name);
  EXPECT_EQ(ClickControl(*dialog.GetDlgItem(IDC_STATIC)), Acted::WrongKind);
}

}  // namespace
}  // namespace mirel::cli
