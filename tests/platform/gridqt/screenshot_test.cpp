// Offscreen screenshots of the sample grid for people to look at, written into the build tree.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLineEdit>

#include "sample_grid.h"

namespace gridqt_test {
namespace {

QString ScreenshotPath(const char* name) {
  const QByteArray build = qgetenv("MIREL_BUILD_DIR");
  const QString dir = (build.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(build)) + "/screenshots";
  QDir().mkpath(dir);
  return dir + "/" + name;
}

QImage Shoot(ShownView& shown, const char* name) {
  ShownView::Settle();
  const QImage image = shown.view.grab().toImage();
  EXPECT_TRUE(image.save(ScreenshotPath(name))) << name;
  return image;
}

TEST(Screenshot, SampleGridIsWrittenIntoTheBuildTree) {
  SampleGrid grid;
  ShownView shown(grid);
  shown.view.setFocus();
  const QImage image = Shoot(shown, "sample_grid.png");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), shown.view.size());
  EXPECT_TRUE(QImage(ScreenshotPath("sample_grid.png")).size() == image.size());
}

TEST(Screenshot, ScrolledGridKeepsItsLabelColumn) {
  SampleGrid grid;
  ShownView shown(grid, QSize(420, 240));
  grid.SetLeftCol(4);
  const QImage image = Shoot(shown, "sample_grid_scrolled.png");
  // The labels still stand right of the captions; the first report column shown is column 4.
  EXPECT_EQ(shown.view.CellRect(kKeyword, 1).left(), 20);
  EXPECT_EQ(shown.view.CellRect(kKeyword, 4).left(), 20 + 96);
  EXPECT_TRUE(shown.view.CellRect(kKeyword, 3).isEmpty());
}

TEST(Screenshot, CellBeingEdited) {
  SampleGrid grid;
  ShownView shown(grid);
  grid.SetCurrentCell(kTitle, 4);
  ASSERT_TRUE(shown.view.StartEditing());
  shown.view.Editor()->setText("Manufacturer part");
  Shoot(shown, "sample_grid_editing.png");
}

}  // namespace
}  // namespace gridqt_test
