// The Create Report Template dialog with the program's own questions: real message boxes and a
// real file dialog over it, worked with keys typed into whichever window has the focus. A key
// for a window the dialog does not own reaches that window untouched, and no question outlives
// the dialog that asked it.
#include <gtest/gtest.h>

#include "gui/gui_support.h"

#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include "host/hostserver.h"
#include "hostapi/errorhandler.h"
#include "hostapi/zrcontrols.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#include "resources/library_resources.h"
#include "shell/CreateTmpltDlg.h"

namespace {

using guitest::Press;
using guitest::TopModal;

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TemplateQuestions : public ::testing::Test {
 protected:
  TemplateQuestions() {
    mirel::gridqt::RegisterGridPeer();
    const SIZE units = mirel::qt::QtBackend().DialogBaseUnits("MS Shell Dlg", 8);
    CZRWinAPI::SetDialogBaseUnits(int(units.cx), int(units.cy));
    mirel::AddResourceModule(mirel::LibraryResources());
    CZRErrorHandler::LoadMessageFile("tdd/crpterrors.txt");
    const QString example = guitest::FolderOf("MIREL_SOURCE_DIR") + "/share/examples/bill_of_materials.tpt";
    EXPECT_TRUE(QFile::copy(example, folder.filePath("bom.tpt")));
    EXPECT_TRUE(file.loadTemplate(folder.filePath("bom.tpt").toStdString().c_str())) << file.getLastError();
    dialog.SetProjectFile(CString(folder.filePath("project.prj").toStdString()));
  }

  QWidget* Window() { return mirel::qt::WidgetOf(&dialog); }
  QWidget* Control(int id) { return mirel::qt::WidgetOf(dialog.GetDlgItem(id)); }
  // The template dialog is the window on top, ready for keys.
  bool DialogOnTop() { return Window() && TopModal<QWidget>() == Window(); }
  // A change the dialog must ask about before it closes: a new report name typed in.
  bool TypeName() {
    if (!DialogOnTop()) return false;
    Control(CCreateTmpltDlg::kReportNameId)->setFocus();
    QTest::keyClicks(Control(CCreateTmpltDlg::kReportNameId), " changed");
    return true;
  }
  bool ClickClose() {
    if (!DialogOnTop()) return false;
    QTest::mouseClick(Control(IDCANCEL), Qt::LeftButton);
    return true;
  }
  bool ClickSaveAs() {
    if (!DialogOnTop()) return false;
    QTest::mouseClick(Control(CCreateTmpltDlg::kSaveAsId), Qt::LeftButton);
    return true;
  }
  // A file of someone else's in the folder, which no answer may overwrite.
  QString OthersFile() {
    const QString other = folder.filePath("other.tpt");
    QFile f(other);
    if (!f.open(QIODevice::WriteOnly)) ADD_FAILURE() << "cannot write " << other.toStdString();
    f.write(kOthers);
    return other;
  }
  // An edit, then Save As onto `other`: the replace question comes next.
  void SaveAsOnto(guitest::Steps& steps, const QString& other) {
    steps.Then("type a name", [&] { return TypeName(); })
        .Then("Save As", [&] { return ClickSaveAs(); })
        .Then("pick the other file", OnFileDialog([other](QFileDialog&) {
          guitest::TypeText(other);
          Press(Qt::Key_Return);
        }));
  }
  static constexpr const char* kOthers = "someone else's";
  // The unsaved-changes question is on top: `act` answers it.
  std::function<bool()> OnPrompt(std::function<void(QMessageBox&)> act) {
    return [this, act] {
      QMessageBox* box = TopModal<QMessageBox>();
      if (!box || !box->text().contains("unsaved changes")) return false;
      ++prompts;
      act(*box);
      return true;
    };
  }
  std::function<bool()> OnFileDialog(std::function<void(QFileDialog&)> act) {
    return [act] {
      QFileDialog* files = TopModal<QFileDialog>();
      if (!files || !QApplication::focusWidget()) return false;
      act(*files);
      return true;
    };
  }
  // Nothing but the template dialog is up, some moments later.
  std::function<bool()> OnlyTheDialog() {
    auto ticks = std::make_shared<int>(0);
    return [this, ticks] { return DialogOnTop() && ++*ticks > 20; };
  }

  QApplication& m_application = guitest::Application();
  mirel::qt::QtPlatform m_platform{true};  // real message boxes and file dialogs
  QTemporaryDir folder;
  IZRQueryServer* queries = IZRQueryServer::InitQueryServer();
  mirel::HostServer server{nullptr};
  CTemplateFile file;
  CCreateTmpltDlg dialog{&server, &file, queries, nullptr};
  int prompts = 0;
};

TEST_F(TemplateQuestions, EscapeOnTheClosePromptCancelsItOnceAndItsMnemonicsWork) {
  guitest::Steps steps;
  steps.Then("type a name", [&] { return TypeName(); })
      .Then("Escape: Close", [&] {
        if (!DialogOnTop()) return false;
        Control(CCreateTmpltDlg::kReportNameId)->setFocus();
        Press(Qt::Key_Escape);
        return true;
      })
      .Then("Escape on the prompt", OnPrompt([](QMessageBox&) { Press(Qt::Key_Escape); }))
      .Then("the dialog alone again", OnlyTheDialog())
      .Then("Close", [&] { return ClickClose(); })
      .Then("Tab moves between the prompt's buttons", OnPrompt([](QMessageBox& box) {
        QWidget* before = QApplication::focusWidget();
        Press(Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), before);
        EXPECT_TRUE(box.isAncestorOf(QApplication::focusWidget()));
        Press(Qt::Key_N, Qt::AltModifier);  // &No
      }));
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_EQ(steps.Stuck(), "");
  EXPECT_EQ(prompts, 2) << "one prompt for each Close, never one over another";
  EXPECT_EQ(Contents(folder.filePath("bom.tpt")), Contents(guitest::FolderOf("MIREL_SOURCE_DIR") + "/share/examples/bill_of_materials.tpt"))
      << "No saves nothing";
}

TEST_F(TemplateQuestions, SaveAsIsFinishedFromTheKeyboard) {
  const QString chosen = folder.filePath("typed.tpt");
  guitest::Steps steps;
  steps.Then("type a name", [&] { return TypeName(); })
      .Then("Save As", [&] { return ClickSaveAs(); })
      .Then("type the file's name, Enter", OnFileDialog([&](QFileDialog&) {
        guitest::TypeText(chosen);
        Press(Qt::Key_Return);
      }))
      .Then("Close asks nothing: all is saved", [&] { return ClickClose(); });
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_EQ(steps.Stuck(), "");
  EXPECT_EQ(prompts, 0);
  EXPECT_TRUE(Contents(chosen).contains("changed")) << "Save As wrote the typed name";
}

TEST_F(TemplateQuestions, EscapeOnTheReplaceQuestionGoesBackToTheFileDialogOnly) {
  const QString other = OthersFile();
  guitest::Steps steps;
  SaveAsOnto(steps, other);
  steps.Then("Escape on replace?", [&] {
      QMessageBox* replace = TopModal<QMessageBox>();
      if (!replace || replace->text().contains("unsaved changes")) return false;
      Press(Qt::Key_Escape);
      return true;
    })
    .Then("back in the file dialog: Escape", [&] {
      QFileDialog* files = TopModal<QFileDialog>();
      if (!files) return false;
      Press(Qt::Key_Escape);
      return true;
    })
    .Then("the dialog alone again", OnlyTheDialog())
    .Then("Close", [&] { return ClickClose(); })
    .Then("Enter: Yes, saved in place", OnPrompt([](QMessageBox&) { Press(Qt::Key_Return); }));
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_EQ(steps.Stuck(), "");
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(Contents(other), QByteArray(kOthers));
  EXPECT_TRUE(Contents(folder.filePath("bom.tpt")).contains("changed"));
}

// However the dialog comes to end, the questions open over it go with it and their answers do
// not count: nothing is written afterwards.
TEST_F(TemplateQuestions, NoQuestionOutlivesTheDialogThatAskedIt) {
  const QString other = OthersFile();
  guitest::Steps steps;
  SaveAsOnto(steps, other);
  steps.Then("the dialog ends under replace?", [&] {
      QMessageBox* replace = TopModal<QMessageBox>();
      if (!replace) return false;
      dialog.EndDialog(0);
      return true;
    });
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_EQ(steps.Stuck(), "");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(Contents(other), QByteArray(kOthers));
}

// A window of Qt's own beside the dialog (a preview, say) gets its keys as typed: Escape and
// Enter there are not the dialog's Close or default button.
TEST_F(TemplateQuestions, AModelessWindowBesideTheDialogGetsItsKeysUntouched) {
  std::unique_ptr<QWidget> preview;
  QLineEdit* line = nullptr;
  int escapes = 0;
  guitest::Steps steps;
  steps.Then("type a name", [&] { return TypeName(); })
      .Then("open a window beside it", [&] {
        if (!DialogOnTop()) return false;
        preview = std::make_unique<QWidget>(Window(), Qt::Window);
        line = new QLineEdit(preview.get());
        QObject::connect(line, &QLineEdit::returnPressed, [&] { line->setText(line->text() + "!"); });
        preview->show();
        preview->activateWindow();
        line->setFocus();
        return true;
      })
      .Then("type into it", [&] {
        if (QApplication::activeWindow() != preview.get()) return false;
        guitest::TypeText("abc");
        Press(Qt::Key_Return);
        Press(Qt::Key_Escape);
        ++escapes;
        return true;
      })
      .Then("the dialog did not ask", OnlyTheDialog())
      .Then("Close", [&] { return ClickClose(); })
      .Then("No", OnPrompt([](QMessageBox& box) { box.button(QMessageBox::No)->click(); }));
  EXPECT_EQ(dialog.DoModal(), 0);
  EXPECT_EQ(steps.Stuck(), "");
  EXPECT_EQ(escapes, 1);
  EXPECT_EQ(prompts, 1) << "Escape in the other window was not the dialog's Close";
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->text(), "abc!");
}

// Without a browser, F1 shows the installed page in a help window of our own, whose links and
// anchors work.
TEST(TemplateHelp, WithoutABrowserF1ShowsThePageInAHelpWindow) {
  guitest::Application();
  QTemporaryDir folder;
  {
    QFile page(folder.filePath("203fd.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>Create Report Template</title></head><body>"
               "<a href='#keys'>Keys</a><p style='margin-top:2000px'><a name='keys'>Keys</a></p></body></html>");
  }
  mirel::qt::QtPlatform platform(true, folder.path().toStdString());
  platform.Interaction().openInBrowser = [](const QUrl&) { return false; };
  mirel::gridqt::RegisterGridPeer();
  mirel::AddResourceModule(mirel::LibraryResources());
  IZRQueryServer* queries = IZRQueryServer::InitQueryServer();
  mirel::HostServer server(nullptr);
  CTemplateFile file;
  CCreateTmpltDlg dialog(&server, &file, queries, nullptr);
  QTextBrowser* shown = nullptr;
  guitest::Steps steps;
  steps.Then("F1", [&] {
       QWidget* window = mirel::qt::WidgetOf(&dialog);
       if (!window || TopModal<QWidget>() != window) return false;
       Press(Qt::Key_F1);
       return true;
     })
    .Then("the help window", [&] {
      shown = platform.Interaction().HelpWindow();
      if (!shown || !shown->isVisible()) return false;
      EXPECT_EQ(shown->documentTitle(), "Create Report Template");
      EXPECT_TRUE(shown->isEnabled());
      shown->setFocus();
      QTest::keyClick(shown, Qt::Key_Tab);  // to the link
      QTest::keyClick(shown, Qt::Key_Return);
      return true;
    })
    .Then("its anchor followed; close all", [&] {
      EXPECT_EQ(shown->source().fragment(), "keys");
      shown->close();
      dialog.EndDialog(0);
      return true;
    });
  dialog.DoModal();
  EXPECT_EQ(steps.Stuck(), "");
}

}  // namespace
