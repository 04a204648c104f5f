#pragma once
// QtInteraction: the program's interaction service, with real Qt windows: QMessageBox, the
// dialog's own realised QDialog run modally, QFileDialog, QMenu, and help pages opened with the
// desktop's browser.
#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/mfc/interaction.h"

namespace mirel::qt {

class QtInteraction : public IInteraction {
 public:
  // Help pages live in `helpFolder`: "<context in hex>.html" (for instance 203fd.html for the
  // Create Report Template dialog), else "index.html".
  explicit QtInteraction(std::string helpFolder = "");

  int MessageBox(const MessageRequest& request) override;
  int DoModal(CDialog& dialog) override;
  std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
  UINT TrackPopupMenu(const MenuRequest& request) override;
  void Help(const HelpRequest& request) override;

  // The page Help opens for a context, or "" when none is installed.
  QString HelpPage(DWORD_PTR context) const;
  // "Text (*.txt)" filters for QFileDialog.
  static QStringList NameFilters(const std::vector<FileFilter>& filters);

  // How a page goes to the desktop's browser; false when none took it. Help then shows the page
  // in a window of our own.
  std::function<bool(const QUrl&)> openInBrowser;
  // That window, while it is open.
  QTextBrowser* HelpWindow() const { return m_helpWindow; }

 private:
  void ShowHelpWindow(const QString& page);
  std::string m_helpFolder;
  QPointer<QTextBrowser> m_helpWindow;
};

}  // namespace mirel::qt
