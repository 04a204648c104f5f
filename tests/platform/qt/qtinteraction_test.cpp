// The Qt interaction service with real (offscreen) windows, worked from timers.
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt/qt_fixture.h"

namespace {

class QtQuestions : public QtTest {
 protected:
  mirel::qt::QtInteraction service{""};
  mirel::ScopedInteraction scope{service};
};

// Runs `act` once the next modal or pop-up window is up (or gives up after a few seconds).
void WhenShown(std::function<bool()> act) {
  auto* timer = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, act, tries] {
    if (act() || ++*tries > 300) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(10);
}

TEST_F(QtQuestions, AModalDialogRunsAsAQDialogUntilTheModelEndsIt) {
  sample::SampleDialog dialog;
  WhenShown([&] {
    auto* window = dynamic_cast<QDialog*>(QApplication::activeModalWidget());
    if (!window || !window->isVisible()) return false;
    auto* line = dynamic_cast<QLineEdit*>(mirel::qt::WidgetOf(dialog.GetDlgItem(sample::kName)));
    QTest::keyClicks(line, "jones");
    QTest::keyClick(line, Qt::Key_Return);  // the default button
    return true;
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_name, CString("JONES"));
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(QtQuestions, EscapeAndTheCloseBoxCancel) {
  sample::SampleDialog dialog;
  WhenShown([&] {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) return false;
    QTest::keyClick(mirel::qt::WidgetOf(dialog.GetDlgItem(sample::kName)), Qt::Key_Escape);
    return true;
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  WhenShown([&] {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) return false;
    window->close();
    return true;
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(QtQuestions, AMessageBoxAnswersWithTheButtonPressed) {
  WhenShown([] {
    auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return false;
    EXPECT_EQ(box->text(), QString("Save the changes to the template?"));
    box->button(QMessageBox::No)->click();
    return true;
  });
  EXPECT_EQ(service.MessageBox({"ZRREPS-254", {"template"}, "Save the changes to the template?", mirel::MessageButtons::YesNoCancel}),
            IDNO);
}

TEST_F(QtQuestions, APopupMenuReturnsTheChosenCommandAndSkipsGrayedOnes) {
  CMenu menu;
  ASSERT_TRUE(menu.LoadMenu(sample::kMenuId));
  CWnd owner;
  owner.Create(nullptr, "", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0);
  UINT reached = 0;
  owner.MapCommand(sample::kCmdOne, [&] { reached = sample::kCmdOne; });
  WhenShown([] {
    auto* popup = dynamic_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup) return false;
    EXPECT_FALSE(popup->actions().at(2)->isEnabled());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    return true;
  });
  EXPECT_TRUE(menu.GetSubMenu(0)->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 20, 20, &owner));
  EXPECT_EQ(reached, sample::kCmdOne);
}

TEST_F(QtQuestions, AFileDialogGivesTheChosenPath) {
  QTemporaryDir folder;
  const QString wanted = folder.filePath("chosen.tpt");
  WhenShown([&] {
    auto* dialog = dynamic_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return false;
    EXPECT_EQ(dialog->windowTitle(), QString("Save Template File As"));
    EXPECT_EQ(dialog->nameFilters(), QStringList({"Template File (*.tpt)", "All Files (*.*)"}));
    dialog->selectFile(wanted);
    QMetaObject::invokeMethod(dialog, "accept");
    return true;
  });
  CFileDialog save(FALSE, "tpt", nullptr, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, "Template File (*.tpt)|*.tpt|All Files (*.*)|*.*||");
  save.m_ofn.lpstrTitle = "Save Template File As";
  const std::string start = folder.path().toStdString();
  save.m_ofn.lpstrInitialDir = start.c_str();
  ASSERT_EQ(save.DoModal(), IDOK);
  EXPECT_EQ(save.GetPathName(), CString(wanted.toStdString()));
}

TEST(QtInteractionFilters, WindowsFiltersBecomeQtNameFilters) {
  EXPECT_EQ(mirel::qt::QtInteraction::NameFilters(mirel::ParseFileFilter("Title Page File (*.txt;*.zrr)|*.txt;*.zrr||")),
            QStringList({"Title Page File (*.txt *.zrr)"}));
  EXPECT_EQ(mirel::qt::QtInteraction::NameFilters(mirel::ParseFileFilter("Text|*.txt|All|*.*||")),
            QStringList({"Text (*.txt)", "All (*.*)"}));
}

TEST(QtInteractionHelp, PagesAreFoundByContextThenIndex) {
  QTemporaryDir folder;
  mirel::qt::QtInteraction none("");
  EXPECT_TRUE(none.HelpPage(0x203FD).isEmpty());
  mirel::qt::QtInteraction help(folder.path().toStdString());
  EXPECT_TRUE(help.HelpPage(0x203FD).isEmpty());
  QFile index(folder.filePath("index.html"));
  ASSERT_TRUE(index.open(QIODevice::WriteOnly));
  index.close();
  EXPECT_EQ(help.HelpPage(0x203FD), QFileInfo(folder.filePath("index.html")).absoluteFilePath());
  QFile page(folder.filePath("203fd.html"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();
  EXPECT_EQ(help.HelpPage(0x203FD), QFileInfo(folder.filePath("203fd.html")).absoluteFilePath());
}

}  // namespace
