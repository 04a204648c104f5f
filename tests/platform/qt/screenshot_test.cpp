// Writes a picture of the sample dialog into the build tree, for people to look at:
// <build>/screenshots/sample_dialog.png.
#include <QDir>
#include <QImage>
#include <QPixmap>

#include "platform/qt/qt_fixture.h"

namespace {

TEST_F(QtTest, SampleDialogScreenshot) {
  sample::SampleDialog dialog;
  ASSERT_TRUE(dialog.Create(sample::kDialogId));
  dialog.m_name = "Bill of Materials";
  dialog.m_enabled = 1;
  dialog.m_choice = 1;
  dialog.m_notes = "first line\r\nsecond line";
  dialog.UpdateData(FALSE);
  dialog.m_list.SetItemTextColor(dialog.m_list.FindStringExact(-1, "beta"), RGB(0, 0, 255));
  dialog.m_list.SetCurSel(0);
  dialog.m_combo.SelectString(-1, "REF");
  dialog.ShowWindow(SW_SHOW);
  QWidget* window = mirel::qt::WidgetOf(&dialog);
  ASSERT_NE(window, nullptr);
  const QPixmap picture = window->grab();
  const CRect rect = dialog.GetRectInParent();
  EXPECT_EQ(picture.size(), QSize(int(rect.Width()), int(rect.Height())));

  const QByteArray build = qgetenv("MIREL_BUILD_DIR");
  const QString folder = (build.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(build)) + "/screenshots";
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString file = folder + "/sample_dialog.png";
  ASSERT_TRUE(picture.save(file, "PNG")) << file.toStdString();
  EXPECT_FALSE(QImage(file).isNull());
}

}  // namespace
