// The query grid's mouse in a real (offscreen) Qt window: a cell button opens the real
// operator dialog, the right button and the menu key open the Edit menu, a field dragged from a
// list lands only on a Keyword cell; and the Query Validation dialog with its grid's view,
// written as a picture into the build tree (screenshots/query_validation.png).
#include <gtest/gtest.h>

#include "gui/gui_support.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHelpEvent>
#include <QKeySequence>
#include <QLabel>
#include <QStyle>
#include <QToolTip>
#include <QLineEdit>
#include <QListWidget>
#include <map>
#include <QMimeData>
#include <QPixmap>
#include <QTest>

#include "celldialogs/MathOpDlg.h"
#include "celldialogs/QualValDlg.h"
#include "platform/grid/gxaccombo.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/gridqt/gxqtview.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#include "querygrid/querygrid_fixture.h"
#include "validation/QueryValidationDlg.h"

namespace {

using namespace qg;
namespace script = mirel::script;

// A query grid in a realised host window, every question answered by script.
class GridWindow : public ::testing::Test {
 protected:
  GridWindow() : m_platform((guitest::Application(), false)), m_answers(script) {
    mirel::gridqt::RegisterGridPeer();
    mirel::AddResourceModule(mirel::LibraryResources());
    EXPECT_TRUE(host.Create(nullptr, "Query grid", WS_POPUP | WS_CAPTION, RECT{0, 0, 900, 240}, nullptr, 0));
    EXPECT_TRUE(grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, RECT{0, 0, 900, 240}, &host, 1093));
    grid.InitGrid();
    host.ShowWindow(SW_SHOW);
    QApplication::processEvents();
  }
  ~GridWindow() override { EXPECT_EQ(script.PendingAnswers(), 0u) << "answers left unused"; }

  mirel::gridqt::GridView& View() { return *mirel::gridqt::ViewOf(grid); }
  QWidget* Viewport() { return View().viewport(); }
  QPoint CenterOf(ROWCOL row, ROWCOL col) { return View().CellRect(row, col).center(); }
  bool Asked(mirel::QuestionKind kind, const std::string& code) const {
    for (const auto& asked : script.Asked())
      if (asked.kind == kind && asked.code == code) return true;
    return false;
  }

 private:
  mirel::qt::QtPlatform m_platform;

 protected:
  mirel::ScriptedInteraction script;

 private:
  mirel::ScopedInteraction m_answers;

 protected:
  std::unique_ptr<mirel::VocabularyQueryServer> queries = qgtest::MakeQueryServer();
  CPQPropertyServer properties{CPQPropertyServer::KindMap{{10, {"VALUE"}}}};
  qgtest::FakeServer server{&properties};
  CWnd host;
  CQueryGrid grid{&server, queries.get()};
};

TEST_F(GridWindow, TheDependencyButtonOfAnOperatorColumnOpensTheOperatorDialog) {
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowKeyword, 2), "REFDES"));
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowKeyword, 3), "RELOP"));
  QApplication::processEvents();
  script.AnswerDialog(CMathOpDlg::IDD, [](CDialog& d) {
    EXPECT_EQ(d.GetWindowTextString(), "Relational Operator");
    script::SelectText(d, CMathOpDlg::kOperand1ComboId, "REFDES");
    script::Type(d, CMathOpDlg::kOperand2ComboId, "5");
    script::Click(d, IDOK);
  });
  const QRect cell = View().CellRect(kRowDependency, 3);
  QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.right() - 5, cell.center().y()));
  EXPECT_EQ(grid.GetValueRowCol(kRowDependency, 3), "REFDES!=5") << "the first relational operator, sorted";
  EXPECT_EQ(grid.GetTooltipTextRowCol(kRowDependency, 3), "REFDES!=5");
}

TEST_F(GridWindow, TheRightButtonAndTheMenuKeyOpenTheEditMenu) {
  script.AnswerMenu(0);
  QTest::mouseClick(Viewport(), Qt::RightButton, Qt::NoModifier, CenterOf(kRowTitle, 3));
  EXPECT_TRUE(Asked(mirel::QuestionKind::Menu, "menu"));
  EXPECT_EQ(script.PendingAnswers(), 0u);

  script.AnswerMenu(kCmdEditInsertCol);
  grid.SetCurrentCell(kRowTitle, 2);
  const ROWCOL cols = grid.GetColCount();
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), View().mapToGlobal(QPoint(0, 0)));
  QApplication::sendEvent(&View(), &key);
  EXPECT_EQ(grid.GetColCount(), cols + 1);
}

// Every shortcut the Edit menu shows is written as Qt writes it, and pressing it on the grid does
// what the menu item does.
TEST_F(GridWindow, TheEditMenusShortcutsWorkAsShown) {
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowKeyword, 2), "REFDES"));
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(kEditMenu));
  std::map<UINT, QString> shown;
  CMenu& edit = *menu.GetSubMenu(0);
  for (int i = 0; i < edit.GetMenuItemCount(); ++i) {
    CString text;
    edit.GetMenuString(UINT(i), text, MF_BYPOSITION);
    const QString label = QString::fromStdString(text.str()).section('\t', 1);
    if (label.isEmpty()) continue;
    EXPECT_EQ(QKeySequence::fromString(label).toString(), label) << "written as Qt writes it";
    shown[edit.GetMenuItemID(i)] = label;
  }
  const auto press = [&](UINT command) {
    const QKeySequence keys = QKeySequence::fromString(shown.at(command));
    QTest::keyClick(&View(), keys[0].key(), keys[0].keyboardModifiers());
  };
  View().setFocus();
  grid.SetCurrentCell(kRowTitle, 2);
  const ROWCOL cols = grid.GetColCount();
  press(kCmdEditInsertCol);
  EXPECT_EQ(grid.GetColCount(), cols + 1);
  EXPECT_EQ(grid.GetValueRowCol(kRowKeyword, 3), "REFDES") << "inserted before the current column";
  grid.SetCurrentCell(kRowTitle, 3);
  press(kCmdEditDeleteCol);
  EXPECT_EQ(grid.GetColCount(), cols);
  EXPECT_EQ(grid.GetValueRowCol(kRowKeyword, 3), "");
  press(kCmdEditUndo);
  EXPECT_EQ(grid.GetValueRowCol(kRowKeyword, 3), "REFDES");
  grid.SetCurrentCell(kRowTitle, 3);
  press(kCmdEditClear);
  EXPECT_EQ(grid.GetValueRowCol(kRowTitle, 3), "");
}

TEST_F(GridWindow, ADraggedFieldLandsOnlyOnAKeywordCell) {
  QMimeData field;
  field.setText("refdes");
  // Qt hands moves to the widget that took the drag's entry.
  const auto dragTo = [&](const QPoint& pos) {
    QDragEnterEvent enter(pos, Qt::CopyAction, &field, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &enter);
    QDragMoveEvent move(pos, Qt::CopyAction, &field, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &move);
    return move.isAccepted();
  };
  EXPECT_FALSE(dragTo(CenterOf(kRowTitle, 2))) << "the no-drop cursor";
  EXPECT_FALSE(dragTo(CenterOf(kRowKeyword, kLabelCol)));
  ASSERT_TRUE(dragTo(CenterOf(kRowKeyword, 2)));
  QDropEvent drop(QPointF(CenterOf(kRowKeyword, 2)), Qt::CopyAction, &field, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(Viewport(), &drop);
  EXPECT_TRUE(drop.isAccepted());
  EXPECT_EQ(grid.GetValueRowCol(kRowKeyword, 2), "REFDES");
}

TEST_F(GridWindow, QueryValidationDialogShowsItsGridScreenshot) {
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowKeyword, 2), "REFDES"));
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowKeyword, 3), "PIN"));
  CQueryValidationDlg dialog(&grid);
  script.AnswerDialog(CQueryValidationDlg::IDD, [](CDialog& d) {
    auto& v = *dynamic_cast<CQueryValidationDlg&>(d).GetValidationGrid();
    QApplication::processEvents();
    ASSERT_NE(mirel::gridqt::ViewOf(v), nullptr) << "the validation grid has its view";
    QWidget* window = mirel::qt::WidgetOf(&d);
    ASSERT_NE(window, nullptr);
    const QByteArray build = qgetenv("MIREL_BUILD_DIR");
    const QString folder = (build.isEmpty() ? QDir::currentPath() : QString::fromLocal8Bit(build)) + "/screenshots";
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(window->grab().save(folder + "/query_validation.png", "PNG"));
    script::Click(d, CQueryValidationDlg::kValidateButtonId);
    script::Click(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// The validation grid's drop-downs offer what the query grid's offer for the same cells: the
// vocabulary and the operators for a Keyword (no user-defined column: its columns are shown
// expanded), what a keyword may depend on, and the grid's keywords for an empty column.
TEST_F(GridWindow, TheQueryValidationDropDownsOfferTheQueryGridsChoices) {
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowKeyword, 2), "REFDES"));
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowKeyword, 3), "PIN"));
  ASSERT_EQ(grid.GetValueRowCol(kRowDependency, 3), "REFDES");
  auto pins = std::make_unique<CCustomColData>();
  pins->m_name = "PINS";
  pins->m_queries.push_back(new CTmpltQuery);
  pins->m_queries.back()->m_keyword = "PIN";
  grid.AddCustomColToList(pins.release());
  grid.SetCurrentCell(kRowKeyword, 4);
  (void)grid.GetValueRowCol(kRowKeyword, 4);
  ASSERT_GE(grid.GetListBox()->FindStringExact(-1, "PINS"), 0) << "the query grid offers the user-defined column";
  CQueryValidationDlg dialog(&grid);
  script.AnswerDialog(CQueryValidationDlg::IDD, [](CDialog& d) {
    mirel::qt::WidgetOf(&d)->show();
    QApplication::processEvents();
    auto& v = *dynamic_cast<CQueryValidationDlg&>(d).GetValidationGrid();
    mirel::gridqt::GridView& view = *mirel::gridqt::ViewOf(v);
    const auto entries = [&] {
      QStringList shown;
      if (QListWidget* list = view.DropDown())
        for (int i = 0; i < list->count(); ++i) shown << list->item(i)->text();
      if (view.DropDown()) QTest::keyClick(view.DropDown(), Qt::Key_Escape);
      if (view.Editor()) QTest::keyClick(view.Editor(), Qt::Key_Escape);
      return shown.join(',').toStdString();
    };
    const auto altDown = [&](ROWCOL row, ROWCOL col) {
      view.setFocus();
      v.SetCurrentCell(row, col);
      QTest::keyClick(&view, Qt::Key_Down, Qt::AltModifier);
      return entries();
    };
    const auto click = [&](ROWCOL row, ROWCOL col) {
      const QRect cell = view.CellRect(row, col);
      QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(cell.right() - 5, cell.center().y()));
      return entries();
    };
    EXPECT_EQ(altDown(kRowKeyword, 2), "DESIGN,MATH-OP,PIN,REFDES,RELOP,STRINGOP");
    EXPECT_EQ(click(kRowKeyword, 3), "PIN") << "what may hang under its REFDES";
    EXPECT_EQ(click(kRowDependency, 3), "REFDES");
    EXPECT_EQ(altDown(kRowDependency, 4), "PIN,REFDES") << "the keywords of the query";
    EXPECT_EQ(altDown(kRowAlignment, 2), "CENTER,LEFT,RIGHT");
    script::Click(d, IDCANCEL);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// The operator dialog's captions stand centred over their fields, whatever their texts' width:
// at the dialog's font and at a smaller one, as another desktop's font would draw them.
TEST_F(GridWindow, TheOperatorDialogsCaptionsStandOverTheirFields) {
  for (const int kind : {CMathOpDlg::kMathematical, CMathOpDlg::kRelational, CMathOpDlg::kString}) {
    CMathOpDlg dialog(nullptr, "", "", "", kind);
    script.AnswerDialog(CMathOpDlg::IDD, [kind](CDialog& d) {
      QWidget* window = mirel::qt::WidgetOf(&d);
      window->show();
      QApplication::processEvents();
      const auto centreOf = [](const QRect& rect) { return rect.left() + rect.width() / 2.0; };
      const auto check = [&](const QLabel& caption) {
        const QRect lines = caption.fontMetrics().boundingRect(caption.contentsRect(),
                                                               int(caption.alignment()) | Qt::TextWordWrap, caption.text());
        const QRect text = QStyle::alignedRect(Qt::LeftToRight, caption.alignment(), lines.size(), caption.contentsRect())
                               .translated(caption.mapTo(window, QPoint(0, 0)));
        int below = 0;
        for (const int id : {CMathOpDlg::kOperand1ComboId, CMathOpDlg::kOperatorComboId, CMathOpDlg::kOperand2ComboId}) {
          const QWidget* field = mirel::qt::WidgetOf(d.GetDlgItem(id));
          const QRect rect(field->mapTo(window, QPoint(0, 0)), field->size());
          if (rect.left() > centreOf(text) || centreOf(text) > rect.right()) continue;
          below = id;
          EXPECT_NEAR(centreOf(text), centreOf(rect), 0.5) << caption.text().toStdString() << ", kind " << kind;
        }
        EXPECT_NE(below, 0) << caption.text().toStdString() << " stands over no field";
      };
      for (const int smaller : {0, 2}) {
        QFont font = window->font();
        font.setPointSize(font.pointSize() - smaller);
        window->setFont(font);
        for (const CWnd* child : d.Children()) {
          const auto* caption = qobject_cast<const QLabel*>(mirel::qt::WidgetOf(child));
          if (caption && !caption->text().isEmpty()) check(*caption);
        }
      }
      script::Click(d, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  }
}

// A cell that shows only part of its text shows the whole of it as a tool tip; a cell whose
// text fits shows none.
TEST_F(GridWindow, ACutOffCellShowsItsWholeTextInAToolTip) {
  const auto tipAt = [&](ROWCOL row, ROWCOL col) {
    const QPoint at = CenterOf(row, col);
    QHelpEvent help(QEvent::ToolTip, at, Viewport()->mapToGlobal(at));
    QApplication::sendEvent(Viewport(), &help);
    return help.isAccepted() ? QToolTip::text() : QString();
  };
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowKeyword, 2), "REFDES"));
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowTitle, 2), "Ref"));
  QApplication::processEvents();
  EXPECT_EQ(tipAt(kRowTitle, 2), "");
  const QString whole = "Reference designators of every part that carries the value %VALUE%";
  ASSERT_TRUE(grid.SetValueRange(CGXRange(kRowTitle, 2), whole.toStdString().c_str()));
  QApplication::processEvents();
  EXPECT_EQ(tipAt(kRowTitle, 2), whole);
  EXPECT_EQ(tipAt(kRowKeyword, 2), "") << "a keyword that fits";
}

// The row labels stand clear of the line above them: as much room above their text as below.
TEST_F(GridWindow, RowLabelsStandClearOfTheLineAboveThem) {
  const QImage picture = View().viewport()->grab().toImage();
  const qreal ratio = picture.devicePixelRatio();
  const QRect cell = View().CellRect(kRowKeyword, kLabelCol);  // "Keyword": nothing below its baseline
  int top = -1, bottom = -1;
  for (int y = int((cell.top() + 2) * ratio); y < int((cell.bottom() - 1) * ratio); ++y)
    for (int x = int((cell.left() + 3) * ratio); x < int((cell.right() - 3) * ratio); ++x)
      if (qGray(picture.pixel(x, y)) < 128) {
        if (top < 0) top = y;
        bottom = y;
      }
  ASSERT_GE(top, 0) << "the label's text";
  const int above = top - int(cell.top() * ratio), below = int(cell.bottom() * ratio) - bottom;
  EXPECT_GE(above, int(3 * ratio));
  EXPECT_LE(above, below + int(2 * ratio));
}

}  // namespace
