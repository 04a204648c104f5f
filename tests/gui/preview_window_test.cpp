// The Report Preview window beside the Create Report Template dialog, realised on Qt offscreen as
// mirel edit TEMPLATE --design FILE shows them: a real table of the sample board's report that
// the dialog's modality does not block, nothing in it clipped, and a picture of both for the
// README (screenshots/preview.png in the build tree).
#include <gtest/gtest.h>

#include "gui/gui_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QWindow>

#include "app/previewsession.h"
#include "app/previewwindow.h"
#include "design/Design.h"
#include "host/hostserver.h"
#include "hostapi/queryserver.h"
#include "hostapi/zrcontrols.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/mfc/scripted.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#include "resources/library_resources.h"
#include "shell/CreateTmpltDlg.h"

namespace {

std::string Source(const std::string& path) { return (guitest::FolderOf("MIREL_SOURCE_DIR") + "/").toStdString() + path; }

// The sample board shipped for trying the preview.
std::string SampleBoard() { return Source("share/mirel/samples/mirel_demo.json"); }

bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > 5000) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

// Hears whether a window is blocked by a modal one.
class BlockedWatch final : public QObject {
 public:
  bool blocked = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowBlocked) blocked = true;
    if (event->type() == QEvent::WindowUnblocked) blocked = false;
    return false;
  }
};

// Counts a widget's paints.
class PaintCounter final : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// A widget shows all of its content: it is as large as it asks to be, and lies inside `window`.
void ExpectWhole(const QWidget* widget, const QWidget* window) {
  SCOPED_TRACE(widget->metaObject()->className() + (" " + widget->objectName()).toStdString());
  const QSize hint = widget->minimumSizeHint().expandedTo(widget->sizeHint());
  EXPECT_GE(widget->width(), hint.width());
  EXPECT_GE(widget->height(), widget->minimumSizeHint().height());
  const QRect rect(widget->mapTo(window, QPoint(0, 0)), widget->size());
  EXPECT_TRUE(QRect(QPoint(0, 0), window->size()).contains(rect)) << "outside its window";
}

TEST(PreviewWindow, TheSampleBoardBesideTheDialogWholeAndUnblocked) {
  const std::string board = SampleBoard();
  guitest::Application();
  mirel::qt::QtPlatform platform(false);
  mirel::gridqt::RegisterGridPeer();
  const SIZE units = mirel::qt::QtBackend().DialogBaseUnits("MS Shell Dlg", 8);
  CZRWinAPI::SetDialogBaseUnits(int(units.cx), int(units.cy));
  mirel::ScriptedInteraction script;
  mirel::ScopedInteraction answers(script);
  mirel::AddResourceModule(mirel::LibraryResources());

  IZRQueryServer* queries = IZRQueryServer::InitQueryServer();
  ASSERT_NE(queries, nullptr) << "the shipped vocabulary";
  mirel::HostServer server(nullptr);
  const std::string example = Source("share/examples/bill_of_materials.tpt");
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate(example.c_str())) << file.getLastError();

  mirel::cli::QtPoster poster;
  mirel::cli::PreviewSession preview(*queries, poster, mirel::preview::Controller::kDefaultBackgroundFrom);
  std::string error;
  ASSERT_TRUE(preview.OpenDesign(board, error)) << error;
  mirel::cli::PreviewWindow window(preview);
  BlockedWatch watch;
  window.installEventFilter(&watch);
  PaintCounter tablePaints;
  window.Table().viewport()->installEventFilter(&tablePaints);
  CCreateTmpltDlg dialog(&server, &file, queries, nullptr);
  dialog.SetProjectFile(CString(example));
  preview.Attach(dialog, [&window](CCreateTmpltDlg& opened) { window.FollowDialog(opened); });

  QString saved;
  script.AnswerDialog(CCreateTmpltDlg::IDD, [&](CDialog& d) {
    QWidget* dialogWindow = mirel::qt::WidgetOf(&d);
    ASSERT_NE(dialogWindow, nullptr);
    dialogWindow->setWindowModality(Qt::ApplicationModal);  // as the program runs it
    dialogWindow->show();
    ASSERT_TRUE(WaitFor([&] { return preview.Shown().report && tablePaints.paints > 0; }))
        << "no report: " << preview.Shown().error;

    // A window of its own beside the dialog, which the dialog's modality lets through.
    EXPECT_TRUE(window.isWindow());
    EXPECT_TRUE(window.isVisible());
    EXPECT_GE(window.frameGeometry().left(), dialogWindow->frameGeometry().right());
    ASSERT_EQ(QGuiApplication::modalWindow(), dialogWindow->windowHandle());
    EXPECT_FALSE(watch.blocked) << "the dialog's modality blocks the preview";
    QCheckBox* fitted = window.findChild<QCheckBox*>();
    ASSERT_NE(fitted, nullptr);
    QTest::mouseClick(fitted, Qt::LeftButton);
    EXPECT_TRUE(preview.Controller().Choice().fittedOnly);
    QTest::mouseClick(fitted, Qt::LeftButton);
    EXPECT_FALSE(preview.Controller().Choice().fittedOnly);
    ASSERT_TRUE(WaitFor([&] { return !preview.Controller().Running() && preview.Shown().report; }));

    // A real table: the template's titles, one row a report row, the design's name shown.
    const mirel::preview::ReportTable& table = *preview.Shown().report->table;
    QTableView& view = window.Table();
    ASSERT_EQ(view.model()->columnCount(), int(table.columns.size()));
    EXPECT_GE(view.model()->rowCount(), int(table.RowCount()));
    EXPECT_TRUE(window.Status().text().contains(QString::number(table.RowCount()) + " row"));

    // Nothing clipped: the controls have the room they ask for, the titles fit their columns.
    for (QWidget* control : window.findChildren<QWidget*>()) {
      if (!control->isVisible() || control->parentWidget() != &window) continue;
      if (qobject_cast<QPushButton*>(control) || qobject_cast<QCheckBox*>(control) || qobject_cast<QComboBox*>(control) ||
          qobject_cast<QLabel*>(control))
        ExpectWhole(control, &window);
    }
    const QFontMetrics header(view.horizontalHeader()->font());
    for (int c = 0; c + 1 < view.model()->columnCount(); ++c) {
      const QString title = view.model()->headerData(c, Qt::Horizontal).toString();
      EXPECT_GE(view.columnWidth(c), header.horizontalAdvance(title)) << title.toStdString() << " is cut";
    }

    // One picture of the two windows side by side, as a person sees them.
    const QPixmap left = dialogWindow->grab();
    const QPixmap right = window.grab();
    QPixmap both(left.width() + 8 + right.width(), std::max(left.height(), right.height()));
    both.fill(Qt::white);
    {
      QPainter painter(&both);
      painter.drawPixmap(0, 0, left);
      painter.drawPixmap(left.width() + 8, 0, right);
    }
    const QString folder = guitest::ScreenshotFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    saved = folder + "/preview.png";
    ASSERT_TRUE(both.save(saved, "PNG")) << saved.toStdString();
    d.EndDialog(0);
  });
  EXPECT_EQ(dialog.DoModal(), 0);
  preview.Detach();
  EXPECT_FALSE(QImage(saved).isNull());
}

}  // namespace
