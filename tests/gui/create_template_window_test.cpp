// The Create Report Template dialog on a shipped example, realised on Qt offscreen as the desktop
// program shows it, and written as a picture into the build tree (screenshots/create_template.png;
// create_template@2x.png when QT_SCALE_FACTOR is 2) for people to look at.
#include <gtest/gtest.h>

#include "gui/gui_support.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QStyleOption>
#include <QDrag>
#include <QDragEnterEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTest>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include "host/hostserver.h"
#include "hostapi/queryserver.h"
#include "hostapi/zrcontrols.h"
#include "platform/grid/gxaccombo.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/gridqt/gxqtview.h"
#include "platform/mfc/scripted.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

namespace {

// The widget's rectangle in the dialog's coordinates.
QRect RectIn(const QWidget* dialog, const CWnd* wnd) {
  const QWidget* widget = mirel::qt::WidgetOf(wnd);
  if (!widget) return {};
  return QRect(widget->mapTo(dialog, QPoint(0, 0)), widget->size());
}

// The desktop each test opens the dialog on: our platform and grid peer, scripted answers, the
// library's resources, the shipped vocabulary and a host.
class CreateTemplateWindow : public ::testing::Test {
 protected:
  CreateTemplateWindow() {
    mirel::gridqt::RegisterGridPeer();
    mirel::AddResourceModule(mirel::LibraryResources());
    queries = IZRQueryServer::InitQueryServer();
  }
  void SetUp() override { ASSERT_NE(queries, nullptr) << "the shipped vocabulary"; }

  QApplication& application = guitest::Application();
  mirel::qt::QtPlatform platform{false};
  mirel::ScriptedInteraction script;
  mirel::ScopedInteraction answers{script};
  IZRQueryServer* queries = nullptr;
  mirel::HostServer server{nullptr};
  CTemplateFile file;
};

TEST_F(CreateTemplateWindow, BillOfMaterialsScreenshot) {
  const SIZE units = mirel::qt::QtBackend().DialogBaseUnits("MS Shell Dlg", 8);
  CZRWinAPI::SetDialogBaseUnits(int(units.cx), int(units.cy));
  const std::string example = (guitest::FolderOf("MIREL_SOURCE_DIR") + "/share/examples/bill_of_materials.tpt").toStdString();
  ASSERT_TRUE(file.loadTemplate(example.c_str())) << file.getLastError();

  CCreateTmpltDlg dialog(&server, &file, queries, nullptr);
  dialog.SetProjectFile(CString(example));
  QString saved;
  script.AnswerDialog(CCreateTmpltDlg::IDD, [&](CDialog& d) {
    QWidget* window = mirel::qt::WidgetOf(&d);
    ASSERT_NE(window, nullptr);
    window->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();

    // Nothing of the dialog lies outside it or on top of another control.
    auto& dlg = static_cast<CCreateTmpltDlg&>(d);
    CLayoutDlg& page = *dlg.GetLayoutDlg();
    const QRect inside(QPoint(0, 0), window->size());
    std::vector<std::pair<int, QRect>> placed;
    for (const CWnd* owner : {static_cast<const CWnd*>(&dlg), static_cast<const CWnd*>(&page)}) {
      for (const CWnd* child : owner->Children()) {
        if (!child->IsWindowVisible() || child == &page) continue;
        const QRect rect = RectIn(window, child);
        EXPECT_TRUE(inside.contains(rect)) << "control " << child->GetDlgCtrlID() << " is clipped";
        placed.emplace_back(child->GetDlgCtrlID(), rect);
      }
    }
    for (size_t i = 0; i < placed.size(); ++i)
      for (size_t j = i + 1; j < placed.size(); ++j) {
        // The group box frames its list and buttons.
        if (placed[i].first == CLayoutDlg::kUserFieldsGroupId || placed[j].first == CLayoutDlg::kUserFieldsGroupId)
          continue;
        EXPECT_FALSE(placed[i].second.intersects(placed[j].second)) << placed[i].first << " overlaps " << placed[j].first;
      }

    // The hint above the grid reads as one line at the dialog's width.
    for (const CWnd* child : page.Children()) {
      const auto* hint = qobject_cast<const QLabel*>(mirel::qt::WidgetOf(child));
      if (!hint || !hint->text().startsWith("Add a field")) continue;
      EXPECT_GE(hint->contentsRect().width(), hint->fontMetrics().horizontalAdvance(hint->text())) << "no word alone";
    }

    // The fixed height is the tracking height less caption and frame: it fits a small screen.
    EXPECT_EQ(window->height(), CZRWinAPI::ConvertToCorrectDLU(525, 0) - int(dlg.NonClientExtent().cy));

    // The report columns are wide enough for a typical keyword with its drop-down button.
    CQueryGrid& grid = *page.GetGrid();
    const QFontMetrics bold([&] { QFont f = window->font(); f.setBold(true); return f; }());
    // Text margins and padding of 2 pixels on each side, and the button.
    const int needed = bold.horizontalAdvance("PART_NUMBER") + CZRGridACCombo::kButtonWidth + 8;
    EXPECT_GE(grid.GetColWidth(3), needed) << "no PAR... any more";

    const QPixmap picture = window->grab();
    ASSERT_FALSE(picture.isNull());
    const QString folder = guitest::ScreenshotFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    saved = folder + (picture.devicePixelRatio() > 1.5 ? "/create_template@2x.png" : "/create_template.png");
    ASSERT_TRUE(picture.save(saved, "PNG")) << saved.toStdString();
    d.EndDialog(0);
  });
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_EQ(QImage(saved).isNull(), false);
}

// A field dragged from the Standard list with the mouse lands on a Keyword cell. The offscreen
// platform carries no drag between windows, so the drag's own data is dropped where the mouse
// is released, as the platform would drop it.
TEST_F(CreateTemplateWindow, AFieldDraggedFromTheListLandsOnAKeywordCell) {
  CCreateTmpltDlg dialog(&server, &file, queries, nullptr);
  script.AnswerDialog(CCreateTmpltDlg::IDD, [&](CDialog& d) {
    mirel::qt::WidgetOf(&d)->show();
    QApplication::processEvents();
    CLayoutDlg& page = *static_cast<CCreateTmpltDlg&>(d).GetLayoutDlg();
    for (const int id : {CLayoutDlg::kStdFieldsId, CLayoutDlg::kUserFieldsId}) {
      auto* list = qobject_cast<QListWidget*>(mirel::qt::WidgetOf(page.GetDlgItem(id)));
      ASSERT_NE(list, nullptr);
      EXPECT_TRUE(list->dragEnabled()) << "list " << id << " is a drag source";
    }
    auto* list = qobject_cast<QListWidget*>(mirel::qt::WidgetOf(page.GetDlgItem(CLayoutDlg::kStdFieldsId)));
    const QList<QListWidgetItem*> found = list->findItems("REFDES", Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty());
    const QPoint from = list->visualItemRect(found.first()).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(list->viewport(), from + QPoint(QApplication::startDragDistance() + 10, 0));
    QTest::mouseMove(list->viewport(), from + QPoint(2 * QApplication::startDragDistance() + 20, 0));
    const QList<QDrag*> drags = list->findChildren<QDrag*>();
    ASSERT_EQ(drags.size(), 1) << "press and move on a field start a drag";
    const QMimeData* field = drags.first()->mimeData();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(), "REFDES");

    CQueryGrid& grid = *page.GetGrid();
    mirel::gridqt::GridView& view = *mirel::gridqt::ViewOf(grid);
    const QPoint to = view.CellRect(1, 2).center();
    QDragEnterEvent enter(to, Qt::CopyAction, field, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &enter);
    QDragMoveEvent move(to, Qt::CopyAction, field, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &move);
    ASSERT_TRUE(move.isAccepted());
    QDropEvent drop(QPointF(to), Qt::CopyAction, field, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &drop);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_EQ(grid.GetValueRowCol(1, 2), "REFDES");
    d.EndDialog(0);
  });
  dialog.DoModal();
}

// What desktop users press: Ctrl+S saves, Enter on a field adds it as a double click does,
// Alt+Down and F4 open a cell's drop-down.
TEST_F(CreateTemplateWindow, TheKeysDesktopUsersPress) {
  QTemporaryDir folder;
  const QString path = folder.filePath("new.tpt");
  CCreateTmpltDlg dialog(&server, &file, queries, nullptr);
  script.AnswerDialog(CCreateTmpltDlg::IDD, [&](CDialog& d) {
    mirel::qt::WidgetOf(&d)->show();
    QApplication::processEvents();
    CLayoutDlg& page = *static_cast<CCreateTmpltDlg&>(d).GetLayoutDlg();
    CQueryGrid& grid = *page.GetGrid();

    auto* list = qobject_cast<QListWidget*>(mirel::qt::WidgetOf(page.GetDlgItem(CLayoutDlg::kStdFieldsId)));
    ASSERT_NE(list, nullptr);
    const QList<QListWidgetItem*> found = list->findItems("REFDES", Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(found.first()).center());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(grid.GetValueRowCol(1, 2), "REFDES") << "Enter adds the field";
    EXPECT_FALSE(d.HasEnded());

    mirel::gridqt::GridView& view = *mirel::gridqt::ViewOf(grid);
    view.setFocus();
    grid.SetCurrentCell(1, 3);
    QTest::keyClick(&view, Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(view.DropDown(), nullptr) << "Alt+Down opens the drop-down";
    EXPECT_TRUE(view.DropDown()->isVisible());
    EXPECT_GT(view.DropDown()->count(), 0);
    QTest::keyClick(view.DropDown(), Qt::Key_Escape);
    QTest::keyClick(view.Editor(), Qt::Key_Escape);
    EXPECT_EQ(grid.GetValueRowCol(1, 3), "") << "nothing chosen";

    QWidget* name = mirel::qt::WidgetOf(d.GetDlgItem(CCreateTmpltDlg::kReportNameId));
    name->setFocus();
    QTest::keyClicks(name, "Parts");
    script.AnswerFile(path.toStdString());
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(path)) << "Ctrl+S on a new template: Save As";
    QTest::keyClicks(name, " list");
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("Parts list")) << "then Ctrl+S saves in place";
    d.EndDialog(0);
  });
  dialog.DoModal();
  EXPECT_EQ(script.PendingAnswers(), 0u);
}

// Tab shows where the keyboard is on push buttons, check boxes and radio buttons alike, and the
// two structures are one stop, entered at the checked one; the arrow keys choose between them.
TEST_F(CreateTemplateWindow, TabShowsTheFocusAndTakesTheStructureAsOneStop) {
  CCreateTmpltDlg dialog(&server, &file, queries, nullptr);
  script.AnswerDialog(CCreateTmpltDlg::IDD, [&](CDialog& d) {
    QWidget* window = mirel::qt::WidgetOf(&d);
    window->show();
    window->activateWindow();
    QApplication::processEvents();
    const auto widget = [&](int id) { return mirel::qt::WidgetOf(d.GetDlgItem(id)); };
    const auto showsFocus = [](QWidget* w) {
      QStyleOption option;
      option.initFrom(w);
      return w->hasFocus() && (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
    };
    using guitest::Press;
    widget(CCreateTmpltDlg::kReportNameId)->setFocus(Qt::MouseFocusReason);
    Press(Qt::Key_Tab);
    EXPECT_TRUE(showsFocus(widget(CCreateTmpltDlg::kDesignBasedId))) << "the checked structure";
    Press(Qt::Key_Tab);
    EXPECT_TRUE(showsFocus(widget(CCreateTmpltDlg::kTitlePageId))) << "the next Tab leaves the group";
    Press(Qt::Key_Tab);
    EXPECT_TRUE(showsFocus(widget(CCreateTmpltDlg::kBrowseTitlePageId))) << "a push button";
    Press(Qt::Key_Tab);
    EXPECT_TRUE(showsFocus(widget(CCreateTmpltDlg::kRefDesAsRangeId))) << "a check box";
    Press(Qt::Key_Up);
    EXPECT_TRUE(showsFocus(widget(CCreateTmpltDlg::kBrowseTitlePageId))) << "the previous button, past the edit";
    Press(Qt::Key_Down);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(showsFocus(widget(CCreateTmpltDlg::kDesignBasedId))) << "back into the group";

    Press(Qt::Key_Right);
    auto* block = qobject_cast<QRadioButton*>(widget(CCreateTmpltDlg::kBlockBasedId));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(showsFocus(block));
    EXPECT_TRUE(block->isChecked()) << "an arrow chooses the structure it reaches";
    EXPECT_FALSE(qobject_cast<QRadioButton*>(widget(CCreateTmpltDlg::kDesignBasedId))->isChecked());
    EXPECT_TRUE(static_cast<CCreateTmpltDlg&>(d).GetLayoutDlg()->GetGrid()->GetBlockBased()) << "and the page hears of it";
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), widget(CCreateTmpltDlg::kReportNameId)) << "Shift+Tab leaves the group too";
    Press(Qt::Key_Tab);
    EXPECT_TRUE(showsFocus(block)) << "entered at the checked one";
    Press(Qt::Key_Up);
    EXPECT_TRUE(showsFocus(widget(CCreateTmpltDlg::kDesignBasedId)));
    d.EndDialog(0);
  });
  dialog.DoModal();
  EXPECT_EQ(script.PendingAnswers(), 0u);
}

}  // namespace
