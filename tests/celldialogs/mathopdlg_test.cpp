// The operator dialog: kinds, presetting an existing expression, the operand lists and the result.
#include <gtest/gtest.h>

#include "celldialogs/MathOpDlg.h"
#include "dialog_fixture.h"

namespace {

using Strings = std::vector<std::string>;
namespace script = mirel::script;
constexpr int kOp = CMathOpDlg::kOperatorComboId;
constexpr int kLeft = CMathOpDlg::kOperand1ComboId;
constexpr int kRight = CMathOpDlg::kOperand2ComboId;

class MathOpDlgTest : public celltest::DialogTest {
 protected:
  // Runs the dialog with `work` as the person; the expression after OK, "(cancelled)" otherwise.
  std::string Run(int kind, const char* left, const char* op, const char* right, const mirel::ScriptedInteraction::DialogScript& work) {
    CMathOpDlg dialog(&candidates, left, right, op, kind);
    script.AnswerDialog(CMathOpDlg::IDD, work);
    return dialog.DoModal() == IDOK ? dialog.GetExpression().str() : "(cancelled)";
  }
  void Offer(std::initializer_list<const char*> keywords) {
    candidates.RemoveAll();
    for (const char* keyword : keywords) candidates.AddTail(keyword);
  }
  CStringList candidates{10};
};

TEST_F(MathOpDlgTest, RelationalExpressionIsPresetAndKeptByOk) {
  Offer({"A", "B", "C"});
  const std::string result = Run(CMathOpDlg::kRelational, "A", ">=", "B", [](CDialog& d) {
    EXPECT_EQ(d.GetWindowTextString(), "Relational Operator");
    EXPECT_EQ(Text(d, CMathOpDlg::kTitleId), "Relational Operator");
    EXPECT_EQ(Items(d, kOp), (Strings{"!=", "<", "<=", "=", ">", ">="}));
    EXPECT_EQ(Text(d, kLeft), "A");
    EXPECT_EQ(Text(d, kOp), ">=");
    EXPECT_EQ(Text(d, kRight), "B");
    script::Click(d, IDOK);
  });
  EXPECT_EQ(result, "A>=B");
}

TEST_F(MathOpDlgTest, KindsGiveTheirTitleAndOperators) {
  CMathOpDlg math(&candidates, "", "", "", CMathOpDlg::kMathematical);
  EXPECT_EQ(math.GetTitle(), "Mathematical Operator");
  EXPECT_EQ(Strings(math.GetOperators().begin(), math.GetOperators().end()), (Strings{"*", "+", "-", "/"}));
  CMathOpDlg relational(&candidates, "", "", "", CMathOpDlg::kRelational);
  EXPECT_EQ(Strings(relational.GetOperators().begin(), relational.GetOperators().end()),
            (Strings{"<", "<=", "=", ">=", ">", "!="}));
  for (int kind : {2, 7, -1}) {
    CMathOpDlg string(&candidates, "", "", "", kind);
    EXPECT_EQ(string.GetTitle(), "String Operator") << kind;
    EXPECT_EQ(Strings(string.GetOperators().begin(), string.GetOperators().end()), (Strings{"."})) << kind;
  }
}

TEST_F(MathOpDlgTest, EmptyExpressionSelectsTheFirstOperatorAndOkWithoutOperandsGivesNothing) {
  Offer({"A", "B"});
  const std::string result = Run(CMathOpDlg::kMathematical, "", "", "", [](CDialog& d) {
    EXPECT_EQ(Text(d, kOp), "*");
    EXPECT_EQ(Text(d, kLeft), "");
    EXPECT_EQ(Text(d, kRight), "");
    EXPECT_EQ(Items(d, kLeft), (Strings{"A", "B"}));
    script::Click(d, IDOK);
  });
  EXPECT_EQ(result, "");
}

TEST_F(MathOpDlgTest, OneOperandOnlyGivesNothing) {
  Offer({"A", "B"});
  EXPECT_EQ(Run(CMathOpDlg::kMathematical, "", "", "", [](CDialog& d) {
              script::SelectText(d, kLeft, "A");
              script::Type(d, kRight, "   ");
              script::Click(d, IDOK);
            }),
            "");
}

TEST_F(MathOpDlgTest, OperandsTypedByHandAreAccepted) {
  Offer({"PRICE", "QTY"});
  const std::string result = Run(CMathOpDlg::kMathematical, "", "", "", [](CDialog& d) {
    script::SelectText(d, kLeft, "price");
    script::SelectText(d, kOp, "/");
    script::Type(d, kRight, "100");
    script::Click(d, IDOK);
  });
  EXPECT_EQ(result, "PRICE/100");
}

TEST_F(MathOpDlgTest, AnOperandNoLongerOfferedIsAddedAndSelected) {
  Offer({"B"});
  const std::string result = Run(CMathOpDlg::kMathematical, "GONE", "+", "B", [](CDialog& d) {
    EXPECT_EQ(Items(d, kLeft), (Strings{"B", "GONE"}));
    EXPECT_EQ(Text(d, kLeft), "GONE");
    EXPECT_EQ(Items(d, kRight), (Strings{"B"})) << "only the side that had it";
    script::Click(d, IDOK);
  });
  EXPECT_EQ(result, "GONE+B");
}

TEST_F(MathOpDlgTest, AnOperandThatBeginsAnotherKeywordIsNotTakenForIt) {
  Offer({"REFDES", "PIN"});
  const std::string result = Run(CMathOpDlg::kString, "REF", ".", "PIN", [](CDialog& d) {
    EXPECT_EQ(Text(d, kLeft), "REF");
    EXPECT_EQ(Items(d, kLeft), (Strings{"PIN", "REF", "REFDES"}));
    script::Click(d, IDOK);
  });
  EXPECT_EQ(result, "REF.PIN");
}

TEST_F(MathOpDlgTest, OpeningOneListLeavesOutTheOtherSidesChoiceOnce) {
  Offer({"A", "B", "C", "B"});
  Run(CMathOpDlg::kRelational, "", "", "", [](CDialog& d) {
    script::SelectText(d, kRight, "B");
    script::SelectText(d, kLeft, "C");
    script::DropDown(d, kLeft);
    EXPECT_EQ(Items(d, kLeft), (Strings{"A", "B", "C"})) << "the second B stays";
    EXPECT_EQ(Text(d, kLeft), "C") << "the choice is kept";
    script::DropDown(d, kRight);
    EXPECT_EQ(Items(d, kRight), (Strings{"A", "B", "B"}));
    EXPECT_EQ(Text(d, kRight), "B");
    script::Click(d, IDCANCEL);
  });
}

TEST_F(MathOpDlgTest, OpeningAListDropsTextTypedThere) {
  Offer({"A", "B"});
  const std::string result = Run(CMathOpDlg::kMathematical, "", "", "", [](CDialog& d) {
    script::Type(d, kLeft, "12");
    script::DropDown(d, kLeft);
    EXPECT_EQ(Text(d, kLeft), "");
    script::SelectText(d, kLeft, "A");
    script::SelectText(d, kRight, "B");
    script::Click(d, IDOK);
  });
  EXPECT_EQ(result, "A*B");
}

TEST_F(MathOpDlgTest, WithoutCandidatesTheListsAreEmpty) {
  CMathOpDlg dialog(nullptr, "", "", "", CMathOpDlg::kRelational);
  script.AnswerDialog(CMathOpDlg::IDD, [](CDialog& d) {
    EXPECT_TRUE(Items(d, kLeft).empty());
    script::DropDown(d, kRight);
    EXPECT_TRUE(Items(d, kRight).empty());
    script::Click(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.GetExpression(), "");
}

}  // namespace
