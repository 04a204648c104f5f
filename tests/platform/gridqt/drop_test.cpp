// Text dragged onto the view reaches the core's drop callbacks at the cell under the mouse.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "sample_grid.h"

namespace gridqt_test {
namespace {

class Drops : public ::testing::Test {
 protected:
  Drops() : shown(grid) {
    CGXGridDropTarget target;
    target.Register(&grid, 0xD8);
    mime.setText("VOLTAGE");
  }
  // Enters, moves to `pos`; true when the move was accepted.
  bool DragTo(const QPoint& pos) {
    QDragEnterEvent enter(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown.Viewport(), &enter);
    QDragMoveEvent move(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown.Viewport(), &move);
    return move.isAccepted();
  }
  bool DropAt(const QPoint& pos) {
    QDropEvent drop(QPointF(pos), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown.Viewport(), &drop);
    return drop.isAccepted();
  }
  SampleGrid grid;
  ShownView shown;
  QMimeData mime;
};

TEST_F(Drops, TextDroppedOnACellReachesOnGridDrop) {
  const QPoint pos = shown.CenterOf(kTitle, 3);
  EXPECT_TRUE(DragTo(pos));
  EXPECT_TRUE(DropAt(pos));
  ASSERT_EQ(grid.drops.size(), 1u);
  EXPECT_EQ(grid.drops[0].x, pos.x()) << "in the grid's client pixels";
  EXPECT_EQ(grid.drops[0].y, pos.y());
  EXPECT_EQ(grid.GetValueRowCol(kTitle, 3), "VOLTAGE");
}

TEST_F(Drops, ReadOnlyCellRefusesTheDrag) {
  const QPoint pos = shown.CenterOf(kQualifier, 5);
  EXPECT_FALSE(DragTo(pos));
  EXPECT_FALSE(DropAt(pos));
  EXPECT_EQ(grid.GetValueRowCol(kQualifier, 5), "VALUE");
}

TEST_F(Drops, GridThatTakesNoDropsRefusesThem) {
  SampleGrid other;
  ShownView view(other);
  const QPoint pos = view.CenterOf(kTitle, 3);
  QDragMoveEvent move(pos, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view.Viewport(), &move);
  EXPECT_FALSE(move.isAccepted());
  QDropEvent drop(QPointF(pos), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view.Viewport(), &drop);
  EXPECT_TRUE(other.drops.empty());
  EXPECT_EQ(other.GetValueRowCol(kTitle, 3), "Value");
}

TEST_F(Drops, DataWithoutTextIsRefused) {
  QMimeData image;
  image.setData("image/png", QByteArray("x"));
  const QPoint pos = shown.CenterOf(kTitle, 3);
  QDragEnterEvent enter(pos, Qt::CopyAction, &image, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(shown.Viewport(), &enter);
  EXPECT_FALSE(enter.isAccepted());
}

}  // namespace
}  // namespace gridqt_test
