// The cell buttons: an operator column's Dependency opens the operator dialog, a Qualifier Value
// the qualifier values dialog; what they give back is the cell's value and tool tip.
#include <gtest/gtest.h>

#include "celldialogs/MathOpDlg.h"
#include "celldialogs/QualValDlg.h"
#include "rules_fixture.h"

namespace {

using qg::kRowDependency;
using qg::kRowKeyword;
using qg::kRowQualifier;
using qg::kRowQualifierValue;
using Strings = std::vector<std::string>;
namespace script = mirel::script;

class ButtonsTest : public qgtest::RulesTest {
 protected:
  // A person clicks the button of the cell, which makes it current first.
  void ClickButton(ROWCOL row, ROWCOL col) {
    grid->SetCurrentCell(row, col);
    grid->OnClickedButtonRowCol(row, col);
  }
  static Strings Items(CDialog& d, int id) {
    Strings items;
    for (const ListItem& item : dynamic_cast<CComboBox*>(d.GetDlgItem(id))->Items()) items.push_back(item.text);
    return items;
  }
  using RulesTest::Text;
  static std::string Text(CDialog& d, int id) { return d.GetDlgItem(id)->GetWindowTextString().str(); }
  std::string Tooltip(ROWCOL row, ROWCOL col) { return Cell(row, col).GetTooltipText().str(); }
  // Puts a stored qualifier value list into column col, whose keyword has qualifiers.
  void QualifierValues(ROWCOL col, const char* stored) {
    ASSERT_TRUE(Type(kRowKeyword, col, "A"));
    ASSERT_TRUE(Type(kRowQualifier, col, "QA1"));
    ASSERT_TRUE(Type(kRowQualifierValue, col, stored));
  }
};

TEST_F(ButtonsTest, RelopButtonOpensTheRelationalDialogWithTheOtherColumnsKeywords) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "B"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "RELOP"));
  ASSERT_TRUE(Type(kRowKeyword, 4, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 6, "B"));
  script.AnswerDialog(CMathOpDlg::IDD, [](CDialog& d) {
    EXPECT_EQ(d.GetWindowTextString(), "Relational Operator");
    EXPECT_EQ(Items(d, CMathOpDlg::kOperand1ComboId), (Strings{"A", "B", "B"})) << "duplicates stay";
    EXPECT_EQ(Items(d, CMathOpDlg::kOperand2ComboId), (Strings{"A", "B", "B"}));
    EXPECT_EQ(Text(d, CMathOpDlg::kOperand1ComboId), "");
    script::SelectText(d, CMathOpDlg::kOperand1ComboId, "A");
    script::SelectText(d, CMathOpDlg::kOperatorComboId, "!=");
    script::SelectText(d, CMathOpDlg::kOperand2ComboId, "B");
    script::Click(d, IDOK);
  });
  ClickButton(kRowDependency, 3);
  EXPECT_EQ(Text(kRowDependency, 3), "A!=B");
  EXPECT_EQ(Tooltip(kRowDependency, 3), "A!=B");
  EXPECT_TRUE(grid->IsModified());
}

TEST_F(ButtonsTest, KindFollowsTheMarkerWithOnlyOneColumnTheListsAreEmpty) {
  const std::pair<const char*, const char*> markers[] = {
      {"MATH-OP", "Mathematical Operator"}, {"stringop", "String Operator"}, {"relop", "Relational Operator"}};
  for (const auto& [marker, title] : markers) {
    ASSERT_TRUE(Type(kRowKeyword, 2, marker));
    script.AnswerDialog(CMathOpDlg::IDD, [title = std::string(title)](CDialog& d) {
      EXPECT_EQ(d.GetWindowTextString(), title);
      EXPECT_TRUE(Items(d, CMathOpDlg::kOperand1ComboId).empty());
      script::Click(d, IDCANCEL);
    });
    ClickButton(kRowDependency, 2);
  }
}

TEST_F(ButtonsTest, AnExistingExpressionIsPresetAndRebuilt) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "B"));
  ASSERT_TRUE(Type(kRowKeyword, 4, "MATH-OP"));
  ASSERT_TRUE(Type(kRowDependency, 4, "A+B"));
  script.AnswerDialog(CMathOpDlg::IDD, [](CDialog& d) {
    EXPECT_EQ(Text(d, CMathOpDlg::kOperand1ComboId), "A");
    EXPECT_EQ(Text(d, CMathOpDlg::kOperatorComboId), "+");
    EXPECT_EQ(Text(d, CMathOpDlg::kOperand2ComboId), "B");
    script::SelectText(d, CMathOpDlg::kOperatorComboId, "*");
    script::Type(d, CMathOpDlg::kOperand2ComboId, "2");
    script::Click(d, IDOK);
  });
  ClickButton(kRowDependency, 4);
  EXPECT_EQ(Text(kRowDependency, 4), "A*2");
  EXPECT_EQ(Tooltip(kRowDependency, 4), "A*2");
}

// An operand holding an operator character is preset whole, and choosing only another operator
// changes only the operator.
TEST_F(ButtonsTest, AnOperandWithAnOperatorCharacterIsPresetWholeAndKept) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "MATH-OP"));
  ASSERT_TRUE(Type(kRowKeyword, 4, "RELOP"));
  ASSERT_TRUE(Type(kRowDependency, 4, "MATH-OP<=A"));
  script.AnswerDialog(CMathOpDlg::IDD, [](CDialog& d) {
    EXPECT_EQ(Text(d, CMathOpDlg::kOperand1ComboId), "MATH-OP");
    EXPECT_EQ(Text(d, CMathOpDlg::kOperatorComboId), "<=");
    EXPECT_EQ(Text(d, CMathOpDlg::kOperand2ComboId), "A");
    script::SelectText(d, CMathOpDlg::kOperatorComboId, ">");
    script::Click(d, IDOK);
  });
  ClickButton(kRowDependency, 4);
  EXPECT_EQ(Text(kRowDependency, 4), "MATH-OP>A");
}

TEST_F(ButtonsTest, CancelChangesNothingAndOkWithAnOperandMissingEmptiesTheCell) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "MATH-OP"));
  ASSERT_TRUE(Type(kRowDependency, 3, "A-A"));
  const int steps = grid->GetUndoCount();
  script.AnswerDialog(CMathOpDlg::IDD, [](CDialog& d) {
    script::Type(d, CMathOpDlg::kOperand1ComboId, "");
    script::Click(d, IDCANCEL);
  });
  ClickButton(kRowDependency, 3);
  EXPECT_EQ(Text(kRowDependency, 3), "A-A");
  EXPECT_EQ(grid->GetUndoCount(), steps);

  script.AnswerDialog(CMathOpDlg::IDD, [](CDialog& d) {
    script::Type(d, CMathOpDlg::kOperand1ComboId, "");
    script::Click(d, IDOK);
  });
  ClickButton(kRowDependency, 3);
  EXPECT_EQ(Text(kRowDependency, 3), "");
  grid->Undo();
  EXPECT_EQ(Text(kRowDependency, 3), "A-A") << "the dialog's change is one undo step";
}

TEST_F(ButtonsTest, QualifierValuesRoundTripThroughTheDialog) {
  QualifierValues(2, "x,\"y,z\",w");
  script.AnswerDialog(CQualValDlg::IDD, [](CDialog& d) {
    EXPECT_EQ(Text(d, CQualValDlg::kValuesEditId), "x\r\ny,z\r\nw");
    script::Click(d, IDOK);
  });
  ClickButton(kRowQualifierValue, 2);
  EXPECT_EQ(Text(kRowQualifierValue, 2), "x,\"y,z\",w");
  EXPECT_EQ(Tooltip(kRowQualifierValue, 2), "x,\"y,z\",w");
}

TEST_F(ButtonsTest, QualifierValuesEditedEmptiedAndCancelled) {
  QualifierValues(2, "x");
  script.AnswerDialog(CQualValDlg::IDD, [](CDialog& d) {
    script::Type(d, CQualValDlg::kValuesEditId, "x\r\nR1, R2\r\n");
    script::Click(d, IDOK);
  });
  ClickButton(kRowQualifierValue, 2);
  EXPECT_EQ(Text(kRowQualifierValue, 2), "x,\"R1, R2\"");

  script.AnswerDialog(CQualValDlg::IDD, [](CDialog& d) {
    script::Type(d, CQualValDlg::kValuesEditId, "changed");
    script::Click(d, IDCANCEL);
  });
  ClickButton(kRowQualifierValue, 2);
  EXPECT_EQ(Text(kRowQualifierValue, 2), "x,\"R1, R2\"");

  script.AnswerDialog(CQualValDlg::IDD, [](CDialog& d) {
    script::Type(d, CQualValDlg::kValuesEditId, "");
    script::Click(d, IDOK);
  });
  ClickButton(kRowQualifierValue, 2);
  EXPECT_EQ(Text(kRowQualifierValue, 2), "");
}

TEST_F(ButtonsTest, ButtonsOfOtherCellsOpenNothing) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ClickButton(kRowDependency, 2);  // a choice cell: the column is no operator column
  ClickButton(kRowKeyword, 2);
  EXPECT_EQ(DialogsShown(), 0u);
}

TEST_F(ButtonsTest, AButtonOfACellThatIsNotCurrentOpensNothing) {
  // Column 2 has no qualifier, so its Qualifier Value is disabled and cannot become current;
  // a click reported for it while another button cell is current must not edit it.
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "RELOP"));
  grid->SetCurrentCell(kRowDependency, 3);
  grid->OnClickedButtonRowCol(kRowQualifierValue, 2);
  EXPECT_FALSE(grid->SetCurrentCell(kRowQualifierValue, 2));
  grid->OnClickedButtonRowCol(kRowQualifierValue, 2);
  EXPECT_EQ(DialogsShown(), 0u);
}

}  // namespace
