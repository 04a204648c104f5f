// In-place editing: what is typed reaches the core through StoreEditText (so through
// StoreStyleRowCol), a refused store keeps the old value, Escape keeps it too; combo cells
// complete typed text and drop down the shared list.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>

#include "sample_grid.h"

namespace gridqt_test {
namespace {

class Editing : public ::testing::Test {
 protected:
  Editing() : shown(grid) {
    grid.SetCurrentCell(kTitle, 2);
    grid.cellStores = 0;
    grid.storedValues.clear();
  }
  QLineEdit* Editor() const { return shown.view.Editor(); }
  void Type(const QString& text) { QTest::keyClicks(Editor(), text); }
  SampleGrid grid;
  ShownView shown;
};

TEST_F(Editing, TypingStartsAnEditThatEnterStoresThroughTheCore) {
  QTest::keyClick(&shown.view, Qt::Key_P);
  ASSERT_TRUE(shown.view.IsEditing());
  EXPECT_EQ(Editor()->text(), "p");
  Type("art");
  QTest::keyClick(Editor(), Qt::Key_Return);
  EXPECT_FALSE(shown.view.IsEditing());
  EXPECT_EQ(grid.GetValueRowCol(kTitle, 2), "part");
  ASSERT_EQ(grid.storedValues.size(), 1u);
  EXPECT_EQ(grid.storedValues[0], "part");
  EXPECT_EQ(grid.GetUndoCount(), 1);
  ROWCOL row = 0, col = 0;
  grid.GetCurrentCell(row, col);
  EXPECT_EQ(row, kViewOrder) << "Enter then moves down through ProcessKeys";
}

TEST_F(Editing, RefusedStoreKeepsTheOldValue) {
  grid.refuseStores = true;
  ASSERT_TRUE(shown.view.StartEditing());
  Editor()->setText("refused");
  EXPECT_FALSE(shown.view.EndEditing(true));
  EXPECT_EQ(grid.cellStores, 1) << "the store was asked for";
  EXPECT_EQ(grid.GetValueRowCol(kTitle, 2), "Reference");
  EXPECT_FALSE(shown.view.IsEditing());
  EXPECT_EQ(grid.GetUndoCount(), 0);
}

TEST_F(Editing, EscapeCancelsWithoutStoring) {
  QTest::keyClick(&shown.view, Qt::Key_F2);
  ASSERT_TRUE(shown.view.IsEditing());
  EXPECT_EQ(Editor()->text(), "Reference");
  EXPECT_EQ(Editor()->selectedText(), "Reference") << "F2 opens the value selected";
  Editor()->setText("changed");
  QTest::keyClick(Editor(), Qt::Key_Escape);
  EXPECT_FALSE(shown.view.IsEditing());
  EXPECT_EQ(grid.cellStores, 0);
  EXPECT_EQ(grid.GetValueRowCol(kTitle, 2), "Reference");
  EXPECT_EQ(grid.endEditings, 1) << "the core hears the edit end";
}

TEST_F(Editing, UnchangedTextIsNotStoredAgain) {
  ASSERT_TRUE(shown.view.StartEditing());
  EXPECT_TRUE(shown.view.EndEditing(true));
  EXPECT_EQ(grid.cellStores, 0);
  EXPECT_EQ(grid.endEditings, 1);
}

TEST_F(Editing, TabStoresAndMovesRight) {
  ASSERT_TRUE(shown.view.StartEditing());
  Editor()->setText("Ref");
  QTest::keyClick(Editor(), Qt::Key_Tab);
  EXPECT_EQ(grid.GetValueRowCol(kTitle, 2), "Ref");
  EXPECT_TRUE(grid.IsCurrentCell(kTitle, 3));
}

TEST_F(Editing, MovingTheCurrentCellConfirmsTheEditInItsOwnCell) {
  ASSERT_TRUE(shown.view.StartEditing());
  Editor()->setText("moved away");
  grid.SetCurrentCell(kWidth, 3);
  EXPECT_FALSE(shown.view.IsEditing());
  EXPECT_EQ(grid.GetValueRowCol(kTitle, 2), "moved away");
  EXPECT_EQ(grid.GetValueRowCol(kWidth, 3), "16");
}

TEST_F(Editing, LockedAndLabelCellsDoNotOpen) {
  grid.SetCurrentCell(kQualifier, 5);  // read-only
  EXPECT_FALSE(shown.view.StartEditing());
  QTest::keyClick(&shown.view, Qt::Key_X);
  EXPECT_FALSE(shown.view.IsEditing());
  EXPECT_EQ(grid.cellStores, 0);
}

TEST_F(Editing, ComboCompletesTypedTextFromItsList) {
  grid.SetCurrentCell(kDependency, 2);
  QTest::keyClick(&shown.view, Qt::Key_R);
  ASSERT_TRUE(shown.view.IsEditing());
  Type("e");
  EXPECT_EQ(Editor()->text(), "REFDES");
  EXPECT_EQ(Editor()->selectedText(), "FDES") << "what was added is selected, so typing on replaces it";
  QTest::keyClick(Editor(), Qt::Key_Backspace);
  EXPECT_EQ(Editor()->text(), "RE") << "deleting never completes; the completion's spelling stays";
  Type("f");
  QTest::keyClick(Editor(), Qt::Key_Return);
  EXPECT_EQ(grid.GetValueRowCol(kDependency, 2), "REFDES");
}

TEST_F(Editing, DropDownShowsTheListWithItsColoursAndStoresThePick) {
  grid.SetCurrentCell(kDependency, 2);
  ASSERT_TRUE(shown.view.OpenDropDown());
  QListWidget* list = shown.view.DropDown();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), grid.ListBox().GetCount());
  for (int i = 0; i < list->count(); ++i) {
    EXPECT_EQ(list->item(i)->text().toStdString(), grid.ListBox().GetItemText(i).str());
    const bool blue = grid.ListBox().GetItemTextColor(i) == kBlue;
    EXPECT_EQ(list->item(i)->foreground().color() == QColor(0, 0, 255), blue) << i;
  }
  const int qty = grid.ListBox().FindStringExact(-1, "QTY");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(qty)).center());
  EXPECT_EQ(shown.view.DropDown(), nullptr);
  EXPECT_EQ(grid.GetValueRowCol(kDependency, 2), "QTY");
  EXPECT_EQ(grid.ListBox().GetCurSel(), qty);
}

TEST_F(Editing, ArrowOfAComboCellOpensItsDropDown) {
  // A combo's arrow is a child of the cell: its click comes back from the core as a drop-down.
  const QRect cell = shown.view.CellRect(kAlignment, 3);
  QTest::mouseClick(shown.Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.right() - 6, cell.center().y()));
  EXPECT_TRUE(grid.IsCurrentCell(kAlignment, 3));
  ASSERT_NE(shown.view.DropDown(), nullptr);
  QTest::keyClick(shown.view.DropDown(), Qt::Key_Escape);
  EXPECT_EQ(shown.view.DropDown(), nullptr);
  EXPECT_TRUE(shown.view.IsEditing()) << "closing the list leaves the edit open";
}

}  // namespace
}  // namespace gridqt_test
