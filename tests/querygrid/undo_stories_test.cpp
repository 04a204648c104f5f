// One edit, one undo step: undo gives back the grid exactly as it was before the edit, with
// everything the edit's rules changed (locks, dependents, titles, orders), and redo exactly as
// it was after. Each story is a fault that taking back only the edited cell used to leave.
#include <gtest/gtest.h>

#include <algorithm>

#include "grid_state.h"
#include "hostapi/templatedata.h"
#include "rules_fixture.h"

using namespace qg;
using qgtest::CaptureState;
using qgtest::FirstDifference;
using qgtest::GridState;
using qgtest::RulesTest;

namespace {

class UndoStory : public RulesTest {
 protected:
  // The query as Save would write it.
  const CTmpltQuery* Stored(const std::string& keyword) {
    grid->SetTemplateData(&stored);
    grid->UpdateInfo();
    auto found = std::find_if(stored.begin(), stored.end(), [&](const CTmpltQuery* q) { return q->m_keyword == keyword; });
    return found == stored.end() ? nullptr : *found;
  }
  ~UndoStory() override { DeleteTmpltQueries(stored); }

  CTmpltQueryList stored;
};

TEST_F(UndoStory, UndoneUserDefinedColumnLeftItsCellsLockedAndTheNextKeywordWithoutFormat) {
  Register("PINLIST", {{"B", ""}});
  grid->AddKeyword("A", 0);
  const GridState before = CaptureState(*grid);

  ASSERT_TRUE(Type(kRowKeyword, 3, "PINLIST"));
  ASSERT_EQ(Text(kRowDependency, 3), "A");
  ASSERT_TRUE(Cell(kRowWidth, 3).GetReadOnly());
  const GridState typed = CaptureState(*grid);

  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(FirstDifference(before, CaptureState(*grid)), "");
  ASSERT_TRUE(grid->Redo());
  EXPECT_EQ(FirstDifference(typed, CaptureState(*grid)), "");
  ASSERT_TRUE(grid->Undo());

  // The column is an unused one again: the next keyword brings the usual format, editable.
  ASSERT_TRUE(Type(kRowKeyword, 3, "C"));
  EXPECT_EQ(Text(kRowWidth, 3), "7");
  EXPECT_EQ(Text(kRowAlignment, 3), "LEFT");
  EXPECT_EQ(Text(kRowTotal, 3), "0");
  EXPECT_EQ(Text(kRowVisible, 3), "1");
  EXPECT_TRUE(Type(kRowWidth, 3, "9"));
  const CTmpltQuery* c = Stored("C");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->m_width, 9);
  EXPECT_TRUE(c->m_visible);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(UndoStory, UndoneKeywordLeftADependencyThatALaterEditAskedAbout) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  const GridState before = CaptureState(*grid);
  ASSERT_TRUE(Type(kRowKeyword, 3, "B"));
  ASSERT_EQ(Text(kRowDependency, 3), "A");

  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(FirstDifference(before, CaptureState(*grid)), "");

  // Nothing depends on A any more, so replacing it asks nothing and goes through.
  EXPECT_TRUE(Type(kRowKeyword, 2, "C"));
  EXPECT_EQ(Text(kRowKeyword, 2), "C");
  EXPECT_TRUE(Messages().empty());
}

TEST_F(UndoStory, UndoneColumnDeletionLeftItsDependentsEmpty) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  ASSERT_TRUE(Type(kRowKeyword, 3, "B"));
  ASSERT_TRUE(Type(kRowKeyword, 4, "C"));
  ASSERT_EQ(Text(kRowDependency, 4), "A");
  const GridState before = CaptureState(*grid);
  const int steps = grid->GetUndoCount();

  script.AnswerMessage("ZRREPS-252", IDYES);
  ASSERT_TRUE(grid->SetCurrentCell(kRowKeyword, 2));
  grid->OnEditDeletecol();
  ASSERT_EQ(Text(kRowKeyword, 2), "B");
  EXPECT_EQ(Text(kRowDependency, 2), "");
  EXPECT_EQ(Text(kRowDependency, 3), "");
  EXPECT_EQ(grid->GetUndoCount(), steps + 1);
  const GridState deleted = CaptureState(*grid);

  grid->OnEditUndo();
  EXPECT_EQ(FirstDifference(before, CaptureState(*grid)), "");
  EXPECT_EQ(Text(kRowDependency, 3), "A");
  grid->OnEditRedo();  // asks nothing: an unanswered question would throw
  EXPECT_EQ(FirstDifference(deleted, CaptureState(*grid)), "");
  EXPECT_EQ(Messages().size(), 1u);
}

TEST_F(UndoStory, UndoAndRedoLeftASavedQueryUnmodified) {
  ASSERT_TRUE(Type(kRowKeyword, 2, "A"));
  auto saved = [this] { grid->SetTemplateModified(0); };

  saved();
  grid->OnEditUndo();
  EXPECT_EQ(grid->IsModified(), 1);
  saved();
  grid->OnEditRedo();
  EXPECT_EQ(grid->IsModified(), 1);

  // The keys reach the same undo and redo.
  saved();
  EXPECT_TRUE(grid->ProcessKeys(CGXKeyEvent{'Z', GX_MOD_CTRL}));
  EXPECT_EQ(grid->IsModified(), 1);
  saved();
  EXPECT_TRUE(grid->ProcessKeys(CGXKeyEvent{'Y', GX_MOD_CTRL}));
  EXPECT_EQ(grid->IsModified(), 1);

  // Nothing to redo: nothing changes, and the query stays as saved.
  saved();
  EXPECT_FALSE(grid->Redo());
  EXPECT_EQ(grid->IsModified(), 0);
}

TEST_F(UndoStory, UnlockingAReplacedUserDefinedColumnIsPartOfTheReplacingStep) {
  Register("PINLIST");
  ASSERT_TRUE(Type(kRowKeyword, 2, "PINLIST"));
  const GridState custom = CaptureState(*grid);
  // Typed from elsewhere (a paste into the Keyword cell while another cell is current).
  ASSERT_TRUE(grid->SetCurrentCell(kRowTitle, 5));
  ASSERT_TRUE(grid->SetValueRange(CGXRange(kRowKeyword, 2), "A"));
  EXPECT_EQ(CustomMark(2), 0);
  EXPECT_FALSE(Cell(kRowWidth, 2).GetReadOnly());

  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(FirstDifference(custom, CaptureState(*grid)), "");
}

TEST_F(UndoStory, LoadingIsNoStepAndAnAddedFieldIsOne) {
  CTmpltQueryList queries;
  auto* a = new CTmpltQuery;
  a->m_keyword = "A";
  queries.push_back(a);
  grid->SetTemplateData(&queries);
  ASSERT_EQ(grid->InitQueryFields(0), 1);
  EXPECT_FALSE(grid->CanUndo());
  const GridState loaded = CaptureState(*grid);

  grid->AddKeyword("C", 0);
  ASSERT_EQ(Text(kRowDependency, 3), "A");
  ASSERT_TRUE(grid->Undo());
  EXPECT_EQ(FirstDifference(loaded, CaptureState(*grid)), "");
  EXPECT_FALSE(grid->CanUndo());
  grid->SetTemplateData(nullptr);
  DeleteTmpltQueries(queries);
}

}  // namespace
