// The qualifier values dialog: one value a line in, the stored comma form out.
#include <gtest/gtest.h>

#include "celldialogs/QualValDlg.h"
#include "dialog_fixture.h"

namespace {

namespace script = mirel::script;
constexpr int kEdit = CQualValDlg::kValuesEditId;

class QualValDlgTest : public celltest::DialogTest {
 protected:
  // Types `lines` over the values and presses OK; the stored form, or "(open)" when the
  // dialog refused them (it is then cancelled).
  std::string Enter(const std::string& lines, const char* initial = "") {
    CQualValDlg dialog(initial);
    script.AnswerDialog(CQualValDlg::IDD, [&lines](CDialog& d) {
      script::Type(d, kEdit, lines);
      script::Click(d, IDOK);
      if (d.IsModalSessionRunning()) script::Click(d, IDCANCEL);
    });
    return dialog.DoModal() == IDOK ? dialog.m_strValues.str() : "(open)";
  }
  std::vector<std::string> MessageArgs() const {
    std::vector<std::string> args;
    for (const mirel::AskedQuestion& asked : script.Asked())
      if (asked.kind == mirel::QuestionKind::Message) args.push_back(asked.code + " " + asked.args.at(0).ToString());
    return args;
  }
};

TEST_F(QualValDlgTest, ShowsThePromptAndTheValuesOneALine) {
  CQualValDlg dialog("x\r\ny,z\r\nw");
  script.AnswerDialog(CQualValDlg::IDD, [](CDialog& d) {
    EXPECT_EQ(d.GetWindowTextString(), "Qualifier Values");
    EXPECT_EQ(Text(d, CQualValDlg::kPromptId), CQualValDlg::kPrompt);
    auto& edit = *dynamic_cast<CEdit*>(d.GetDlgItem(kEdit));
    EXPECT_EQ(edit.GetLineCount(), 3);
    EXPECT_EQ(edit.GetLineText(1), "y,z");
    script::Click(d, IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strValues, "x,\"y,z\",w") << "OK without changes";
}

TEST_F(QualValDlgTest, LinesAreTrimmedEmptyOnesSkippedAndCommasQuoted) {
  EXPECT_EQ(Enter("  x \r\n\r\ny,z\r\n\tw\t\r\n"), "x,\"y,z\",w");
  EXPECT_EQ(Enter("A*\r\n[0-9]+"), "A*,[0-9]+") << "patterns pass unchecked";
}

TEST_F(QualValDlgTest, AnEmptiedEditGivesNothing) {
  EXPECT_EQ(Enter("", "x\r\ny"), "");
  EXPECT_EQ(Enter(" \r\n\r\n "), "");
}

TEST_F(QualValDlgTest, AQuoteIsRefusedAndTheDialogStaysOpenForCorrection) {
  CQualValDlg dialog("x");
  script.AnswerDialog(CQualValDlg::IDD, [](CDialog& d) {
    script::Type(d, kEdit, "x\r\nsay \"hi\"");
    script::Click(d, IDOK);
  });
  script.AnswerDialog(CQualValDlg::IDD, [](CDialog& d) {
    EXPECT_EQ(Text(d, kEdit), "x\r\nsay \"hi\"") << "the text stays as typed";
    script::Type(d, kEdit, "x\r\nsay hi");
    script::Click(d, IDOK);
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strValues, "x,say hi");
  EXPECT_EQ(MessageArgs(), (std::vector<std::string>{"ZRREPS-234 \""}));
}

TEST_F(QualValDlgTest, ATabInsideAValueIsRefusedThoughTabsAroundItAreTrimmed) {
  EXPECT_EQ(Enter("\tab\t"), "ab");
  EXPECT_EQ(Enter("a\tb"), "(open)");
  EXPECT_EQ(MessageArgs(), (std::vector<std::string>{"ZRREPS-234 \\t"}));
}

TEST_F(QualValDlgTest, OnlyTheFirstOffendingLineIsReported) {
  EXPECT_EQ(Enter("ok\r\na\"b\r\nc\td"), "(open)");
  EXPECT_EQ(MessageArgs(), (std::vector<std::string>{"ZRREPS-234 \""}));
}

TEST_F(QualValDlgTest, CancelKeepsTheValuesGiven) {
  CQualValDlg dialog("x\r\ny");
  script.AnswerDialog(CQualValDlg::IDD, [](CDialog& d) {
    script::Type(d, kEdit, "z");
    script::Click(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.m_strValues, "x\r\ny");
}

}  // namespace
