// What a host beside the dialog (the live preview) gets from the grid: a notice after every
// change of the query, the query as a save would store it, checked without a message and without
// changing a cell, and its own property names in Select Property.
#include <gtest/gtest.h>

#include "grid_state.h"
#include "rules_fixture.h"

using namespace qg;
using qgtest::CaptureState;
using qgtest::FirstDifference;
using qgtest::GridState;
using qgtest::RulesTest;

namespace {

class HostHooks : public RulesTest {
 protected:
  HostHooks() { grid->SetQueryChangedListener([this] { ++notices; }); }
  ~HostHooks() override { DeleteTmpltQueries(stored); }
  int Taken() { return std::exchange(notices, 0); }

  int notices = 0;
  CTmpltQueryList stored;
};

TEST_F(HostHooks, EveryKindOfChangeIsNoticedAndLoadingIsNot) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  EXPECT_GT(Taken(), 0) << "a keyword";
  ASSERT_TRUE(Type(kRowTitle, 2, "First"));
  EXPECT_GT(Taken(), 0) << "a format cell";
  ASSERT_TRUE(grid->Undo());
  EXPECT_GT(Taken(), 0) << "undo";
  ASSERT_TRUE(grid->Redo());
  EXPECT_GT(Taken(), 0) << "redo";
  grid->SetCurrentCell(kRowKeyword, 2);
  grid->OnEditDeletecol();
  EXPECT_GT(Taken(), 0) << "a column removed, which stores no cell of its own";
  ASSERT_TRUE(grid->Undo());
  EXPECT_GT(Taken(), 0) << "the removal undone";

  CTmpltQueryList list;
  auto* q = new CTmpltQuery;
  q->m_keyword = "A";
  list.push_back(q);
  grid->SetTemplateData(&list);
  ASSERT_EQ(grid->InitQueryFields(1), 1);
  EXPECT_EQ(Taken(), 0) << "loading is no change of the person's";
  DeleteTmpltQueries(list);
}

TEST_F(HostHooks, AnInvalidQueryIsReportedWithoutAMessageAndWithoutChangingTheGrid) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "A"));  // a second root
  const GridState before = CaptureState(*grid);
  const int modified = grid->IsModified();
  Taken();

  const std::optional<mirel::MessageRequest> verdict = grid->StoreQuietly(stored);
  ASSERT_TRUE(verdict);
  EXPECT_EQ(verdict->code, "ZRREPS-227");
  EXPECT_TRUE(Messages().empty()) << "nobody was shown it";
  EXPECT_EQ(FirstDifference(before, CaptureState(*grid)), "");
  EXPECT_EQ(grid->IsModified(), modified);
  EXPECT_EQ(Taken(), 0) << "the check is no change";
  EXPECT_EQ(stored.size(), 2u);
}

TEST_F(HostHooks, TheQueriesAreStoredAsSaveStoresThemAfterItsRenumberingWhichTheGridDoesNotSee) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 4, "B"));
  ASSERT_TRUE(Type(kRowViewOrder, 4, "4"));
  ASSERT_TRUE(Type(kRowSortOrder, 4, "4"));
  const GridState before = CaptureState(*grid);

  grid->StoreQuietly(stored);  // the empty column 3 leaves the order 3 free: B's orders close up
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored.back()->m_keyword, "B");
  EXPECT_EQ(stored.back()->m_viewOrder, 3);
  EXPECT_EQ(stored.back()->m_sortOrder, 3);
  EXPECT_EQ(FirstDifference(before, CaptureState(*grid)), "") << "the grid keeps its 4";
}

TEST_F(HostHooks, SelectPropertyOffersTheHostsNamesForTheKeywordAskedOnceEachWhateverTheCase) {
  std::vector<std::string> askedFor;
  grid->SetPropertyNameSource([&](const std::string& keyword) {
    askedFor.push_back(keyword);
    return std::vector<std::string>{"LCSC", "height", "MPN"};
  });
  queries.Add("D", {"Delta", "8", {}, {"<PROPERTY>"}, false});
  ASSERT_TRUE(Type(kRowKeyword, 2, "D"));
  std::vector<std::string> offered;
  script.AnswerDialog(CPropNameDlg::IDD, [&](CDialog& dialog) {
    auto& dlg = static_cast<CPropNameDlg&>(dialog);
    for (int i = 0; i < dlg.m_nameCombo.GetCount(); ++i) offered.push_back(dlg.m_nameCombo.GetItemText(i).str());
    mirel::script::Type(dialog, CPropNameDlg::kNameComboId, "lcsc");
    mirel::script::Click(dialog, IDOK);
  });
  ASSERT_TRUE(Type(kRowQualifier, 2, "<PROPERTY>"));

  EXPECT_EQ(askedFor, std::vector<std::string>{"D"}) << "a property qualifier is asked of its keyword's objects";
  // The dictionary's HEIGHT and VALUE, the host's LCSC and MPN; "height" is HEIGHT already.
  EXPECT_EQ(offered, (std::vector<std::string>{"HEIGHT", "LCSC", "MPN", "VALUE"}));
  EXPECT_EQ(Text(kRowQualifier, 2), "LCSC");
}

}  // namespace
