// The column editor and the User Defined Columns dialog realised on Qt offscreen as the desktop
// program shows them, written as pictures into the build tree (screenshots/column_editor.png,
// screenshots/column_list.png) for people to look at.
#include <gtest/gtest.h>

#include "gui/gui_support.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <array>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include "customcols/CustomColDlg.h"
#include "customcols/CustomColMainDlg.h"
#include "host/hostserver.h"
#include "hostapi/templatefile.h"
#include "hostapi/zrcontrols.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/gridqt/gxqtview.h"
#include "platform/mfc/scripted.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#include "querygrid/QueryGrid.h"
#include "querygrid/QueryGridIds.h"
#include "resources/library_resources.h"
#include "shell/LayoutDlg.h"

namespace {

QRect RectIn(const QWidget* dialog, const CWnd* wnd) {
  const QWidget* widget = mirel::qt::WidgetOf(wnd);
  if (!widget) return {};
  return QRect(widget->mapTo(dialog, QPoint(0, 0)), widget->size());
}

class ColumnWindows : public ::testing::Test {
 protected:
  ColumnWindows() : m_platform(false), m_answers(script) {
    mirel::gridqt::RegisterGridPeer();
    const SIZE units = mirel::qt::QtBackend().DialogBaseUnits("MS Shell Dlg", 8);
    CZRWinAPI::SetDialogBaseUnits(int(units.cx), int(units.cy));
    mirel::AddResourceModule(mirel::LibraryResources());
  }

  // Shows the dialog, checks that its own visible controls are inside it and apart, and saves
  // its picture as screenshots/<name>.png.
  void Picture(CDialog& dialog, const CWnd* skip, const QString& name) {
    QWidget* window = mirel::qt::WidgetOf(&dialog);
    ASSERT_NE(window, nullptr);
    window->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QRect inside(QPoint(0, 0), window->size());
    std::vector<std::pair<int, QRect>> placed;
    for (const CWnd* child : dialog.Children()) {
      if (!child->IsWindowVisible() || child->GetDlgCtrlID() == 0) continue;
      const QRect rect = RectIn(window, child);
      EXPECT_TRUE(inside.contains(rect)) << "control " << child->GetDlgCtrlID() << " is clipped";
      if (child != skip) placed.emplace_back(child->GetDlgCtrlID(), rect);
    }
    for (size_t i = 0; i < placed.size(); ++i)
      for (size_t j = i + 1; j < placed.size(); ++j)
        EXPECT_FALSE(placed[i].second.intersects(placed[j].second)) << placed[i].first << " overlaps " << placed[j].first;
    const QPixmap picture = window->grab();
    ASSERT_FALSE(picture.isNull());
    const QString folder = guitest::ScreenshotFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(picture.save(folder + "/" + name + ".png", "PNG"));
  }

  QApplication& m_application = guitest::Application();  // before the platform
  mirel::qt::QtPlatform m_platform;
  mirel::ScriptedInteraction script;
  mirel::ScopedInteraction m_answers;
};

TEST_F(ColumnWindows, EditorOnAShippedColumnScreenshot) {
  IZRQueryServer* queries = IZRQueryServer::InitQueryServer();
  ASSERT_NE(queries, nullptr) << "the shipped vocabulary";
  mirel::HostServer server(nullptr);
  const std::string path = (guitest::FolderOf("MIREL_SOURCE_DIR") + "/share/vynsetup/tdd/custom_columns/PINLIST.txt").toStdString();
  CCustomColFile file;
  ASSERT_TRUE(file.loadCustomCol(path.c_str())) << file.getLastError();
  CCustomColDlg editor(&file, &server, queries, nullptr);
  script.AnswerDialog(CCustomColDlg::IDD, [&](CDialog& d) {
    auto& dlg = static_cast<CCustomColDlg&>(d);
    Picture(d, dlg.GetPage(), "column_editor");
    // Its window is the size its template was laid out for: no empty band below the buttons.
    QWidget* window = mirel::qt::WidgetOf(&d);
    const QRect save = RectIn(window, d.GetDlgItem(CCustomColDlg::kSaveId));
    EXPECT_LE(window->height() - save.bottom(), CZRWinAPI::ConvertToCorrectDLU(20, 0));
    EXPECT_GE(window->height() - save.bottom(), CZRWinAPI::ConvertToCorrectDLU(4, 0));
    // The sub-columns' grid and field list reach down to the buttons but for the page's margin.
    CLayoutDlg& page = *dlg.GetPage();
    for (const CWnd* filling : {static_cast<CWnd*>(page.GetGrid()), page.GetDlgItem(CLayoutDlg::kStdFieldsId)}) {
      const int band = save.top() - RectIn(window, filling).bottom();
      EXPECT_GT(band, 0);
      EXPECT_LE(band, CZRWinAPI::ConvertToCorrectDLU(16, 0)) << "an empty band above the buttons";
    }
    d.EndDialog(IDCANCEL);
  });
  EXPECT_EQ(editor.DoModal(), IDCANCEL);
}

// The cell editor is a Qt widget the toolkit's windows do not know: Escape in it ends the edit
// only, and the next Escape (on the grid) closes the editor.
TEST_F(ColumnWindows, EscapeInACellEditorCancelsTheEditThenClosesTheEditor) {
  IZRQueryServer* queries = IZRQueryServer::InitQueryServer();
  ASSERT_NE(queries, nullptr);
  CCustomColFile file;
  CCustomColDlg editor(&file, nullptr, queries, nullptr);
  script.AnswerDialog(CCustomColDlg::IDD, [&](CDialog& d) {
    auto& dlg = static_cast<CCustomColDlg&>(d);
    mirel::qt::WidgetOf(&d)->show();
    QApplication::processEvents();
    CQueryGrid& grid = *dlg.GetPage()->GetGrid();
    auto* view = dynamic_cast<mirel::gridqt::GridView*>(mirel::qt::WidgetOf(&grid));
    ASSERT_NE(view, nullptr);
    grid.SetFocus();
    ASSERT_TRUE(grid.SetCurrentCell(qg::kRowTitle, qg::kFirstReportCol));
    ASSERT_TRUE(view->StartEditing());
    QLineEdit* cell = view->Editor();
    ASSERT_NE(cell, nullptr);
    cell->setText("typed");
    QTest::keyClick(cell, Qt::Key_Escape);
    EXPECT_FALSE(d.HasEnded()) << "the first Escape ends the cell edit only";
    EXPECT_EQ(view->Editor(), nullptr);
    EXPECT_EQ(grid.GetValueRowCol(qg::kRowTitle, qg::kFirstReportCol), "");
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_TRUE(d.HasEnded());
  });
  EXPECT_EQ(editor.DoModal(), IDCANCEL);
}

// Closing the column editor with unsaved changes asks as the template dialog asks, whichever
// way it is closed: the Close button, the window's close box or Escape on the grid.
enum CloseWay { kButton, kCloseBox, kEscape };

class ColumnEditorClose : public ColumnWindows, public ::testing::WithParamInterface<int> {
 protected:
  void CloseBy(CCustomColDlg& dlg) {
    QWidget* window = mirel::qt::WidgetOf(&dlg);
    switch (GetParam()) {
      case kButton: QTest::mouseClick(mirel::qt::WidgetOf(dlg.GetDlgItem(IDCANCEL)), Qt::LeftButton); break;
      case kCloseBox: window->close(); break;
      case kEscape: {
        QWidget* grid = mirel::qt::WidgetOf(dlg.GetPage()->GetGrid());
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Escape);
        break;
      }
    }
  }
  // A sub-column added as a person adds it: a double click on a standard field.
  static void DoubleClickField(CCustomColDlg& dlg, const QString& field) {
    auto* list = qobject_cast<QListWidget*>(mirel::qt::WidgetOf(dlg.GetPage()->GetDlgItem(CLayoutDlg::kStdFieldsId)));
    ASSERT_NE(list, nullptr);
    const auto found = list->findItems(field, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty());
    list->scrollToItem(found.first());
    const QPoint at = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }
  void Count254() {
    asked254 = 0;
    for (const auto& question : script.Asked()) {
      if (question.code != "ZRREPS-254") continue;
      ++asked254;
      EXPECT_EQ(question.buttons, mirel::MessageButtons::YesNoCancel);
      EXPECT_EQ(question.args.size(), 1u);
    }
  }
  int asked254 = 0;
};

TEST_P(ColumnEditorClose, AsksBeforeUnsavedChangesGo) {
  IZRQueryServer* queries = IZRQueryServer::InitQueryServer();
  ASSERT_NE(queries, nullptr);
  QTemporaryDir folder;
  const std::string path = folder.filePath("MINE.txt").toStdString();
  CCustomColFile file;
  CCustomColDlg editor(&file, nullptr, queries, nullptr);
  script.AnswerDialog(CCustomColDlg::IDD, [&](CDialog& d) {
    auto& dlg = static_cast<CCustomColDlg&>(d);
    mirel::qt::WidgetOf(&d)->show();
    QApplication::processEvents();
    CloseBy(dlg);
    ASSERT_TRUE(d.HasEnded()) << "nothing to lose: closed without a word";
  });
  EXPECT_EQ(editor.DoModal(), IDCANCEL);
  Count254();
  EXPECT_EQ(asked254, 0);
  script.Clear();

  script.AnswerDialog(CCustomColDlg::IDD, [&](CDialog& d) {
    auto& dlg = static_cast<CCustomColDlg&>(d);
    mirel::qt::WidgetOf(&d)->show();
    QApplication::processEvents();
    QTest::keyClicks(mirel::qt::WidgetOf(d.GetDlgItem(CCustomColDlg::kNameEditId)), "mine");
    DoubleClickField(dlg, "REFDES");
    ASSERT_EQ(dlg.GetPage()->GetGrid()->GetValueRowCol(1, 2), "REFDES");
    script.AnswerMessage("ZRREPS-254", IDCANCEL);
    CloseBy(dlg);
    EXPECT_FALSE(d.HasEnded()) << "Cancel keeps the editor open";
    script.AnswerMessage("ZRREPS-254", IDYES).AnswerFile(path);
    CloseBy(dlg);
    EXPECT_TRUE(d.HasEnded()) << "Yes saves (a new column: Save As) and closes";
  });
  EXPECT_EQ(editor.DoModal(), IDCANCEL);
  Count254();
  EXPECT_EQ(asked254, 2);
  for (const auto& question : script.Asked()) {
    if (question.code == "ZRREPS-254") {
      EXPECT_EQ(question.args.front().Text(), "column");
    }
  }
  CCustomColFile saved;
  ASSERT_TRUE(saved.loadCustomCol(path.c_str())) << saved.getLastError();
  EXPECT_EQ(saved.getCustomColData()->m_name, "MINE");
  ASSERT_EQ(saved.getCustomColData()->m_queries.size(), 1u);

  script.Clear();
  CCustomColDlg again(&saved, nullptr, queries, nullptr);
  script.AnswerDialog(CCustomColDlg::IDD, [&](CDialog& d) {
    auto& dlg = static_cast<CCustomColDlg&>(d);
    mirel::qt::WidgetOf(&d)->show();
    QApplication::processEvents();
    DoubleClickField(dlg, "VALUE");
    script.AnswerMessage("ZRREPS-254", IDNO);
    CloseBy(dlg);
    EXPECT_TRUE(d.HasEnded()) << "No closes without saving";
  });
  EXPECT_EQ(again.DoModal(), IDCANCEL);
  Count254();
  EXPECT_EQ(asked254, 1);
  CCustomColFile reread;
  ASSERT_TRUE(reread.loadCustomCol(path.c_str()));
  EXPECT_EQ(reread.getCustomColData()->m_queries.size(), 1u) << "the dropped sub-column was not saved";
}

INSTANTIATE_TEST_SUITE_P(EveryWay, ColumnEditorClose,
                         ::testing::Values(int(kButton), int(kCloseBox), int(kEscape)), [](const auto& info) {
                           return std::string(std::array<const char*, 3>{"CloseButton", "CloseBox", "EscapeOnGrid"}[size_t(info.param)]);
                         });

TEST_F(ColumnWindows, ListOfTheShippedColumnsScreenshot) {
  mirel::HostServer server(nullptr);
  CCustomColMainDlg dialog(&server, CString(), nullptr);
  script.AnswerDialog(CCustomColMainDlg::IDD, [&](CDialog& d) {
    EXPECT_GT(static_cast<CListBox*>(d.GetDlgItem(CCustomColMainDlg::kColumnListId))->GetCount(), 0);
    Picture(d, nullptr, "column_list");
    d.EndDialog(IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

}  // namespace
