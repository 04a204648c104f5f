// A new query grid in a host window, realised on Qt offscreen and written as a picture into the
// build tree (screenshots/query_grid.png) for people to look at.
#include <gtest/gtest.h>

#include "gui/gui_support.h"

#include "querygrid/querygrid_fixture.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPixmap>

#include "platform/gridqt/gxqtpeer.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"

namespace {

TEST(QueryGridWindow, NewGridScreenshot) {
  guitest::Application();
  mirel::qt::QtPlatform platform(false);
  mirel::gridqt::RegisterGridPeer();
  mirel::ScriptedInteraction script;
  mirel::ScopedInteraction answers(script);
  mirel::AddResourceModule(mirel::LibraryResources());
  auto queries = qgtest::MakeQueryServer();
  qgtest::WatchedPropertyServer properties({{10, {"VALUE"}}});
  qgtest::FakeServer server(&properties);

  CWnd host;
  ASSERT_TRUE(host.Create(nullptr, "Query grid", WS_POPUP | WS_CAPTION, RECT{0, 0, 1300, 240}, nullptr, 0));
  CQueryGrid grid(&server, queries.get());
  ASSERT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, RECT{0, 0, 1300, 240}, &host, 1093));
  grid.InitGrid();
  host.ShowWindow(SW_SHOW);
  for (int i = 0; i < 3; ++i) QApplication::processEvents();

  QWidget* window = mirel::qt::WidgetOf(&host);
  ASSERT_NE(window, nullptr);
  ASSERT_NE(mirel::gridqt::ViewOf(grid), nullptr) << "the grid has its view";
  const QPixmap picture = window->grab();
  ASSERT_FALSE(picture.isNull());
  ASSERT_TRUE(QDir().mkpath(guitest::ScreenshotFolder()));
  const QString file = guitest::ScreenshotFolder() + "/query_grid.png";
  ASSERT_TRUE(picture.save(file, "PNG")) << file.toStdString();
  EXPECT_EQ(QImage(file).size(), picture.size());

  // The last report column reaches the window's right edge.
  const int right = grid.GetColLeft(grid.GetColCount()) + grid.GetColWidth(grid.GetColCount());
  EXPECT_EQ(right, int(grid.GetGridRect().right) - 1);
}

}  // namespace
