// The query validation dialog: its grid made at opening from the query grid, and Validate.
#include <gtest/gtest.h>

#include "tests/validation/GridFixture.h"
#include "validation/QueryValidationDlg.h"

namespace {

using mirel::test::SubColumn;
using namespace qg;
namespace script = mirel::script;

IZRQueryServer* ShippedVocabulary() {
  IZRQueryServer* server = IZRQueryServer::InitQueryServer();
  EXPECT_NE(server, nullptr) << "tdd/vocabulary.json not found on the setup path (MIREL_ROOT)";
  return server;
}

class ValidationDialog : public mirel::test::GridTest {
 protected:
  ValidationDialog() : GridTest(ShippedVocabulary()) {}

  // Runs the dialog with `work` as the person.
  int Run(const std::function<void(CQueryValidationDlg&)>& work) {
    CQueryValidationDlg dialog(&grid);
    script.AnswerDialog(CQueryValidationDlg::IDD, [&work](CDialog& d) { work(dynamic_cast<CQueryValidationDlg&>(d)); });
    return int(dialog.DoModal());
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> codes;
    for (const auto& asked : script.Asked())
      if (asked.kind == mirel::QuestionKind::Message) codes.push_back(asked.code);
    return codes;
  }
};

TEST_F(ValidationDialog, OpensOnTheExpandedQueryInItsOwnGridWindow) {
  Define("PINLIST", {SubColumn("PIN_NUMBER", "", 1, 1, "Pin"), SubColumn("PIN_NAME", "PIN_NUMBER", 2, 2, "Name")});
  PutColumn(2, {"PART_NUMBER", "", "Part", "1", "1"});
  PutColumn(3, {"REFDES", "PART_NUMBER", "Ref", "2", "2"});
  PutCustomColumn(4, {"PINLIST", "REFDES", "", "3", "3"});
  PutColumn(5, {"QUANTITY", "PART_NUMBER", "Qty", "4", "4"});
  const int result = Run([](CQueryValidationDlg& d) {
    CValidationGrid* v = d.GetValidationGrid();
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(d.GetDlgItem(int(CValidationGrid::kWindowId)), static_cast<CWnd*>(v));
    EXPECT_TRUE(v->IsWindowVisible());
    EXPECT_EQ(Text(*v, kRowKeyword, 4), "PIN_NUMBER");
    EXPECT_EQ(Text(*v, kRowKeyword, 5), "PIN_NAME");
    EXPECT_EQ(Text(*v, kRowKeyword, 6), "QUANTITY");
    EXPECT_EQ(Text(*v, kRowViewOrder, 6), "5") << "renumbered for the expansion";
    EXPECT_FALSE(v->IsLockUpdate()) << "drawn, not off screen";
    EXPECT_FALSE(d.GetDlgItem(IDOK)->IsWindowVisible());
    script::Click(d, CQueryValidationDlg::kValidateButtonId);
    script::Click(d, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(Messages().empty()) << testing::PrintToString(Messages());
}

TEST_F(ValidationDialog, ValidatePressedTwiceShowsTheProblemTwice) {
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutColumn(3, {"REFDES", "", "", "2", "2"});
  Run([](CQueryValidationDlg& d) {
    script::Click(d, CQueryValidationDlg::kValidateButtonId);
    script::Click(d, CQueryValidationDlg::kValidateButtonId);
    EXPECT_TRUE(d.IsModalSessionRunning()) << "the dialog stays open";
    script::Click(d, IDCANCEL);
  });
  EXPECT_EQ(Messages(), (std::vector<std::string>{"ZRREPS-227", "ZRREPS-227"}));
}

TEST_F(ValidationDialog, EditsInItsGridAreValidatedAndReadButNeverCopiedBack) {
  PutColumn(2, {"REFDES", "", "", "1", "1"});
  PutColumn(3, {"REFDES", "", "", "2", "2"});
  CQueryValidationDlg dialog(&grid);
  script.AnswerDialog(CQueryValidationDlg::IDD, [](CDialog& d) {
    auto& v = *dynamic_cast<CQueryValidationDlg&>(d).GetValidationGrid();
    ASSERT_TRUE(v.SetValueRange(CGXRange(kRowKeyword, 3), "VALUE"));
    ASSERT_TRUE(v.SetValueRange(CGXRange(kRowDependency, 3), "REFDES"));
    script::Click(d, CQueryValidationDlg::kValidateButtonId);
    script::Click(d, IDCANCEL);
  });
  dialog.DoModal();
  EXPECT_TRUE(Messages().empty()) << testing::PrintToString(Messages());
  EXPECT_EQ(QueryText(kRowKeyword, 3), "REFDES");
  std::unique_ptr<std::list<CValidationGridData*>> columns(dialog.GetValidationGrid()->GetGridObjects());
  ASSERT_EQ(columns->size(), 2u);
  EXPECT_EQ(columns->back()->m_query->m_keyword, "VALUE");
  for (CValidationGridData* column : *columns) {
    delete column->m_query;
    delete column;
  }
}

}  // namespace
