// Dialog data exchange, both ways.
#include <gtest/gtest.h>

#include "mfc/sample_dialog.h"
#include "platform/mfc/scripted.h"

namespace {

class DataExchange : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(sample::kDialogId));
    dialog.ShowWindow(SW_SHOW);  // a modeless dialog is shown by its owner
  }
  sample::SampleResources resources;
  mirel::ScriptedInteraction script;
  mirel::ScopedInteraction scope{script};
  sample::SampleDialog dialog;
};

TEST_F(DataExchange, MembersReachTheControlsAndComeBack) {
  dialog.m_name = "abc";
  dialog.m_enabled = 1;
  dialog.m_choice = 1;
  dialog.m_notes = "one\r\ntwo";
  ASSERT_TRUE(dialog.UpdateData(FALSE));
  EXPECT_EQ(dialog.GetDlgItem(sample::kName)->GetWindowTextString(), CString("ABC"));  // upper-case edit
  EXPECT_EQ(dialog.IsDlgButtonChecked(sample::kEnabled), 1u);
  EXPECT_EQ(dialog.IsDlgButtonChecked(sample::kFirst), 0u);
  EXPECT_EQ(dialog.IsDlgButtonChecked(sample::kSecond), 1u);

  mirel::script::Type(dialog, sample::kName, "xyz");
  mirel::script::Click(dialog, sample::kEnabled);
  mirel::script::Click(dialog, sample::kFirst);
  ASSERT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.m_name, CString("XYZ"));
  EXPECT_EQ(dialog.m_enabled, 0);
  EXPECT_EQ(dialog.m_choice, 0);
  EXPECT_EQ(dialog.IsDlgButtonChecked(sample::kSecond), 0u);  // the radio group cleared it
  EXPECT_EQ(dialog.m_notes, CString("one\r\ntwo"));
}

TEST_F(DataExchange, RadioGroupWithNothingCheckedGivesMinusOne) {
  dialog.m_choice = -1;
  dialog.UpdateData(FALSE);
  dialog.m_choice = 5;
  dialog.UpdateData(TRUE);
  EXPECT_EQ(dialog.m_choice, -1);
}

TEST_F(DataExchange, LengthLimitBindsTypingAndRefusesLongerTextsOnSave) {
  auto* edit = static_cast<CEdit*>(dialog.GetDlgItem(sample::kName));
  EXPECT_EQ(edit->GetLimitText(), 10u);  // set by the load in OnInitDialog
  mirel::script::Type(dialog, sample::kName, "abcdefghijklmno");
  EXPECT_EQ(edit->GetWindowTextString(), CString("ABCDEFGHIJ"));
  // A program may set a longer text; saving it is refused with a message.
  edit->SetWindowText("ABCDEFGHIJK");
  dialog.m_name = "kept";
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.m_name, CString("ABCDEFGHIJK"));  // members before the refusal are exchanged
  ASSERT_EQ(script.Asked().size(), 1u);
  EXPECT_EQ(script.Asked()[0].code, "MFC-DDV-MAXCHARS");
  EXPECT_EQ(script.Asked()[0].caption, "Please enter no more than 10 characters.");
}

TEST_F(DataExchange, ControlBindingHappensOnceAndKeepsTheControlsState) {
  dialog.m_list.SetCurSel(1);
  dialog.UpdateData(TRUE);
  EXPECT_EQ(dialog.GetDlgItem(sample::kList), &dialog.m_list);
  EXPECT_EQ(dialog.m_list.GetCurSel(), 1);
  EXPECT_EQ(dialog.m_list.GetItemText(0), CString("Alpha"));
}

TEST(DataExchangeFailures, AMissingControlFailsTheExchange) {
  sample::SampleResources resources;
  struct Broken : CDialog {
    Broken() : CDialog(sample::kDialogId) {}
    CString value;
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, 4711, value); }
  } dialog;
  ASSERT_TRUE(dialog.Create(sample::kDialogId));
  EXPECT_FALSE(dialog.UpdateData(TRUE));
}

TEST(DataExchangeFailures, IntegerTextThatIsNoNumberIsRefused) {
  sample::SampleResources resources;
  mirel::ScriptedInteraction script;
  mirel::ScopedInteraction scope(script);
  struct Numbers : CDialog {
    Numbers() : CDialog(sample::kDialogId) {}
    int value = 7;
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, sample::kNotes, value); }
  } dialog;
  ASSERT_TRUE(dialog.Create(sample::kDialogId));
  EXPECT_EQ(dialog.GetDlgItem(sample::kNotes)->GetWindowTextString(), CString("7"));
  dialog.GetDlgItem(sample::kNotes)->SetWindowText(" 42 ");
  EXPECT_TRUE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.value, 42);
  dialog.GetDlgItem(sample::kNotes)->SetWindowText("4x");
  EXPECT_FALSE(dialog.UpdateData(TRUE));
  EXPECT_EQ(dialog.value, 42);
  EXPECT_EQ(script.Asked().back().code, "MFC-DDX-INTEGER");
}

}  // namespace
