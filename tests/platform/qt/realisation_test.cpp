// The Qt peers show the model and feed what a person does back into it.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QClipboard>
#include <QToolTip>

#include "platform/qt/qtpeer.h"
#include "platform/qt/qt_fixture.h"

namespace {

class Realised : public QtTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dialog.Create(sample::kDialogId));
    dialog.ShowWindow(SW_SHOW);
  }
  sample::SampleDialog dialog;
};

TEST_F(Realised, EveryControlHasAWidgetOfItsKindAtItsPlace) {
  EXPECT_NE(WidgetAs<QDialog>(&dialog), nullptr);
  EXPECT_NE(WidgetAs<QLabel>(dialog.Children()[0]), nullptr);
  EXPECT_NE(WidgetAs<QLineEdit>(dialog.GetDlgItem(sample::kName)), nullptr);
  EXPECT_NE(WidgetAs<QCheckBox>(dialog.GetDlgItem(sample::kEnabled)), nullptr);
  EXPECT_NE(WidgetAs<QRadioButton>(dialog.GetDlgItem(sample::kFirst)), nullptr);
  EXPECT_NE(WidgetAs<QListWidget>(&dialog.m_list), nullptr);
  EXPECT_NE(WidgetAs<QComboBox>(&dialog.m_combo), nullptr);
  EXPECT_NE(WidgetAs<QPlainTextEdit>(dialog.GetDlgItem(sample::kNotes)), nullptr);
  EXPECT_NE(WidgetAs<QGroupBox>(dialog.Children()[8]), nullptr);
  EXPECT_NE(WidgetAs<QPushButton>(dialog.GetDlgItem(IDOK)), nullptr);
  // Dialog units are converted with the metrics of the dialog's Qt font.
  mirel::qt::QtBackend backend;
  EXPECT_EQ(dialog.GetBaseUnits(), CSize(backend.DialogBaseUnits("MS Shell Dlg", 8)));
  for (const CWnd* child : dialog.Children()) {
    const CRect r = child->GetRectInParent();
    EXPECT_EQ(mirel::qt::WidgetOf(child)->geometry(), QRect(int(r.left), int(r.top), int(r.Width()), int(r.Height())))
        << child->GetDlgCtrlID();
    EXPECT_EQ(mirel::qt::WndOf(mirel::qt::WidgetOf(child)), child);
  }
  EXPECT_EQ(WidgetAs<QLabel>(dialog.Children()[0])->text(), QString("Name:"));
  EXPECT_EQ(WidgetAs<QCheckBox>(dialog.GetDlgItem(sample::kEnabled))->text(), QString("&Enabled"));
  EXPECT_EQ(WidgetAs<QDialog>(&dialog)->windowTitle(), QString("Sample Dialog"));
  EXPECT_TRUE(WidgetAs<QPushButton>(dialog.GetDlgItem(IDOK))->isDefault());
}

TEST_F(Realised, ModelChangesReachTheWidgets) {
  CWnd* name = dialog.GetDlgItem(sample::kName);
  name->SetWindowText("smith");
  EXPECT_EQ(WidgetAs<QLineEdit>(name)->text(), QString("SMITH"));
  name->SetWindowText("Bill of Materials");  // longer than the limit: a program may
  EXPECT_EQ(WidgetAs<QLineEdit>(name)->text(), QString("BILL OF MATERIALS"));
  name->EnableWindow(FALSE);
  EXPECT_FALSE(WidgetAs<QLineEdit>(name)->isEnabled());
  name->ShowWindow(SW_HIDE);
  EXPECT_TRUE(WidgetAs<QLineEdit>(name)->isHidden());
  name->MoveWindow(1, 2, 30, 40);
  EXPECT_EQ(WidgetAs<QLineEdit>(name)->geometry(), QRect(1, 2, 30, 40));

  dialog.CheckDlgButton(sample::kEnabled, BST_CHECKED);
  EXPECT_TRUE(WidgetAs<QCheckBox>(dialog.GetDlgItem(sample::kEnabled))->isChecked());

  auto* list = WidgetAs<QListWidget>(&dialog.m_list);
  dialog.m_list.AddString("delta");
  dialog.m_list.SetItemTextColor(0, RGB(0, 0, 255));
  dialog.m_list.SetCurSel(3);
  ASSERT_EQ(list->count(), 4);
  EXPECT_EQ(list->item(0)->text(), QString("Alpha"));
  EXPECT_EQ(list->item(0)->foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(list->currentRow(), 3);
  // With redrawing off, the list's widget waits for the end of the changes.
  dialog.m_list.SetRedraw(FALSE);
  dialog.m_list.AddString("epsilon");
  EXPECT_EQ(list->count(), 4);
  dialog.m_list.SetRedraw(TRUE);
  EXPECT_EQ(list->count(), 5);
  // Refilled with what it shows, the widget keeps its rows; anything new is shown whole.
  std::vector<ListItem> same = dialog.m_list.Items();
  const QListWidgetItem* first = list->item(0);
  dialog.m_list.SetCurSel(2);
  dialog.m_list.ReplaceItems(same);
  EXPECT_EQ(list->item(0), first);
  EXPECT_EQ(list->currentRow(), -1);
  same.push_back({"zeta", 0, RGB(0, 0, 255)});
  dialog.m_list.ReplaceItems(same);
  ASSERT_EQ(list->count(), 6);
  EXPECT_EQ(list->item(5)->text(), QString("zeta"));
  EXPECT_EQ(list->item(5)->foreground().color(), QColor(0, 0, 255));

  dialog.m_combo.SetCurSel(1);
  EXPECT_EQ(WidgetAs<QComboBox>(&dialog.m_combo)->currentText(), QString("REFDES"));
  dialog.m_combo.SetWindowText("typed");
  EXPECT_EQ(WidgetAs<QComboBox>(&dialog.m_combo)->currentText(), QString("typed"));

  dialog.GetDlgItem(sample::kNotes)->SetWindowText("one\r\ntwo");
  EXPECT_EQ(WidgetAs<QPlainTextEdit>(dialog.GetDlgItem(sample::kNotes))->toPlainText(), QString("one\ntwo"));
}

TEST_F(Realised, WhatAPersonDoesReachesTheModel) {
  auto* line = WidgetAs<QLineEdit>(dialog.GetDlgItem(sample::kName));
  QTest::keyClicks(line, "ab");
  EXPECT_EQ(dialog.GetDlgItem(sample::kName)->GetWindowTextString(), CString("AB"));  // upper-case input
  QTest::keyClicks(line, "cdefghijklmn");
  EXPECT_EQ(dialog.GetDlgItem(sample::kName)->GetWindowTextString(), CString("ABCDEFGHIJ"));  // typing stops at 10
  EXPECT_EQ(line->text(), QString("ABCDEFGHIJ"));
  auto* check = WidgetAs<QCheckBox>(dialog.GetDlgItem(sample::kEnabled));
  check->click();
  EXPECT_EQ(dialog.IsDlgButtonChecked(sample::kEnabled), 1u);
  auto* radio = WidgetAs<QRadioButton>(dialog.GetDlgItem(sample::kSecond));
  dialog.CheckDlgButton(sample::kFirst, BST_CHECKED);
  radio->click();
  EXPECT_EQ(dialog.IsDlgButtonChecked(sample::kFirst), 0u);  // the model's group cleared it
  EXPECT_FALSE(WidgetAs<QRadioButton>(dialog.GetDlgItem(sample::kFirst))->isChecked());

  auto* list = WidgetAs<QListWidget>(&dialog.m_list);
  const QRect second = list->visualItemRect(list->item(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(dialog.m_list.GetCurSel(), 1);
  EXPECT_EQ(dialog.listDoubleClicks, 1);

  auto* combo = WidgetAs<QComboBox>(&dialog.m_combo);
  combo->showPopup();
  EXPECT_EQ(dialog.comboDropDowns, 1);
  EXPECT_TRUE(dialog.m_combo.GetDroppedState());
  combo->hidePopup();
  EXPECT_FALSE(dialog.m_combo.GetDroppedState());
  emit combo->activated(2);
  EXPECT_EQ(dialog.m_combo.GetCurSel(), 2);
  EXPECT_EQ(dialog.m_combo.GetWindowTextString(), CString("RELOP"));

  auto* notes = WidgetAs<QPlainTextEdit>(dialog.GetDlgItem(sample::kNotes));
  notes->setPlainText("x\ny");
  EXPECT_EQ(dialog.GetDlgItem(sample::kNotes)->GetWindowTextString(), CString("x\r\ny"));
}

TEST_F(Realised, ControlBindingMovesThePeerToTheMember) {
  EXPECT_EQ(mirel::qt::WndOf(mirel::qt::WidgetOf(&dialog.m_list)), &dialog.m_list);
  EXPECT_EQ(WidgetAs<QListWidget>(&dialog.m_list)->count(), 3);
}

TEST_F(Realised, DestroyingTheWindowTakesItsWidgetsAway) {
  QPointer<QWidget> window = mirel::qt::WidgetOf(&dialog);
  QPointer<QWidget> list = mirel::qt::WidgetOf(&dialog.m_list);
  dialog.DestroyWindow();
  EXPECT_EQ(mirel::qt::WidgetOf(&dialog), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(list.isNull());
}

TEST_F(Realised, KeysPassThePreTranslationOfTheDialog) {
  int cancels = 0;
  dialog.MapCommand(IDCANCEL, [&] { ++cancels; });
  auto* line = WidgetAs<QLineEdit>(dialog.GetDlgItem(sample::kName));
  QTest::keyClick(line, Qt::Key_Escape);
  EXPECT_EQ(cancels, 1);
  dialog.GetDlgItem(sample::kName)->SetFocus();
  QTest::keyClick(line, Qt::Key_Tab);
  EXPECT_EQ(CWnd::GetFocus(), dialog.GetDlgItem(sample::kEnabled)) << (CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : -99);
}

// A drop target that takes any text.
struct TextTarget : mirel::IDropTarget {
  std::string dropped;
  DROPEFFECT OnDragEnter(CWnd&, const mirel::DropData& d, DWORD, CPoint) override {
    return d.IsDataAvailable(CF_TEXT) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
  }
  DROPEFFECT OnDragOver(CWnd& w, const mirel::DropData& d, DWORD k, CPoint p) override { return OnDragEnter(w, d, k, p); }
  void OnDragLeave(CWnd&) override {}
  BOOL OnDrop(CWnd&, const mirel::DropData& d, DROPEFFECT, CPoint) override {
    dropped = d.GetText().value_or("");
    return TRUE;
  }
};

TEST_F(Realised, DropsOnAWidgetReachTheWindowsDropTarget) {
  TextTarget target;
  CWnd* notes = dialog.GetDlgItem(sample::kNotes);
  notes->RegisterDropTarget(&target);
  QWidget* widget = mirel::qt::WidgetOf(notes);
  EXPECT_TRUE(widget->acceptDrops());
  QMimeData mime;
  mime.setText("REFDES");
  QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(3, 3), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &drop);
  EXPECT_EQ(target.dropped, "REFDES");
}

TEST_F(QtTest, TheClipboardIsTheSystemsOnce) {
  mirel::SetClipboardText("REFDES\tVALUE");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("REFDES\tVALUE"));
  QGuiApplication::clipboard()->setText("from elsewhere");
  EXPECT_EQ(mirel::GetClipboardText(), std::optional<std::string>("from elsewhere"));
}

TEST_F(QtTest, OtherWindowKindsAreRealisedByTheirRegisteredFactory) {
  struct Special : CWnd {
    const char* GetWindowKind() const override { return "TestSpecialKind"; }
  };
  int made = 0;
  mirel::qt::RegisterPeerFactory("TestSpecialKind", [&](CWnd& wnd, QWidget* parent) {
    ++made;
    return std::make_unique<mirel::qt::QtPeer>(wnd, new QLabel("special", parent));
  });
  CWnd host;
  host.Create(nullptr, "", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0);
  Special special;
  special.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(5, 6, 50, 20), &host, 7);
  EXPECT_EQ(made, 1);
  auto* label = WidgetAs<QLabel>(&special);
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->parentWidget(), mirel::qt::WidgetOf(&host));
  EXPECT_EQ(label->geometry(), QRect(5, 6, 45, 14));
}

TEST_F(QtTest, ATipShowsTheRelayedToolsText) {
  CWnd host;
  host.Create(nullptr, "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0);
  CToolTipCtrl tip;
  tip.Create(&host, TTS_ALWAYSTIP);
  tip.Activate(TRUE);
  tip.AddTool(&host, "hello");
  MSG move{&host, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10)};
  tip.RelayEvent(&move);
  EXPECT_EQ(QToolTip::text(), QString("hello"));
  tip.Pop();
  EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

}  // namespace
