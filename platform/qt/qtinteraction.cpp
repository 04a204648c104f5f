#include "platform/qt/qtinteraction.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QUrl>

#include "platform/mfc/dialog.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/standardpeers.h"

namespace mirel::qt {
namespace {

QWidget* ActiveParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

void AddItems(QMenu& menu, const std::vector<MenuItemView>& items) {
  for (const MenuItemView& item : items) {
    if (item.separator) {
      menu.addSeparator();
    } else if (!item.items.empty()) {
      QMenu* sub = menu.addMenu(ToQString(item.text));
      AddItems(*sub, item.items);
      sub->setEnabled(item.enabled);
    } else {
      QAction* action = menu.addAction(ToQString(item.text));
      action->setData(item.id);
      action->setEnabled(item.enabled);
      action->setCheckable(item.checked);
      action->setChecked(item.checked);
    }
  }
}

}  // namespace

QtInteraction::QtInteraction(std::string helpFolder) : m_helpFolder(std::move(helpFolder)) {}

int QtInteraction::MessageBox(const MessageRequest& request) {
  QMessageBox box(ActiveParent());
  box.setWindowTitle(QStringLiteral("Mirel"));
  box.setText(ToQString(request.text));
  switch (request.buttons) {
    case MessageButtons::Ok:
      box.setIcon(QMessageBox::Information);
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::YesNo:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Ok: return IDOK;
    default: return request.buttons == MessageButtons::Ok ? IDOK : request.buttons == MessageButtons::YesNo ? IDNO : IDCANCEL;
  }
}

int QtInteraction::DoModal(CDialog& dialog) {
  ModalSession session(dialog);
  if (!session.Running()) return dialog.GetModalResult();
  if (!WidgetOf(&dialog)) dialog.RealiseTree();
  auto* window = qobject_cast<QDialog*>(WidgetOf(&dialog));
  if (!window) {
    dialog.EndDialog(IDCANCEL);  // nobody could see it
    return dialog.GetModalResult();
  }
  window->setWindowModality(Qt::ApplicationModal);
  window->exec();
  if (dialog.IsModalSessionRunning()) dialog.EndDialog(IDCANCEL);  // the window went away by itself
  return dialog.GetModalResult();
}

QStringList QtInteraction::NameFilters(const std::vector<FileFilter>& filters) {
  QStringList names;
  for (const FileFilter& filter : filters) {
    QString label = ToQString(filter.label).trimmed();
    // Qt reads the patterns from the last parentheses, so a label's own list is replaced.
    if (label.endsWith(QLatin1Char(')')) && label.contains(QLatin1Char('('))) {
      label = label.left(label.lastIndexOf(QLatin1Char('('))).trimmed();
    }
    QStringList patterns;
    for (const std::string& pattern : filter.patterns) patterns << ToQString(pattern);
    names << QStringLiteral("%1 (%2)").arg(label, patterns.join(QLatin1Char(' ')));
  }
  return names;
}

std::optional<std::string> QtInteraction::FileDialog(const FileDialogRequest& request) {
  QFileDialog dialog(ActiveParent(), ToQString(request.title), ToQString(request.initialFolder));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(request.open && request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  dialog.setOption(QFileDialog::ReadOnly, false);
  const QStringList filters = NameFilters(request.filters);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQString(request.defaultExtension));
  if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToStd(dialog.selectedFiles().first());
}

UINT QtInteraction::TrackPopupMenu(const MenuRequest& request) {
  QMenu menu(ActiveParent());
  AddItems(menu, request.items);
  QAction* chosen = menu.exec(QPoint(int(request.screenPoint.x), int(request.screenPoint.y)));
  return chosen ? chosen->data().toUInt() : 0;
}

QString QtInteraction::HelpPage(DWORD_PTR context) const {
  if (m_helpFolder.empty()) return QString();
  const QString folder = ToQString(m_helpFolder);
  for (const QString& name : {QString::number(qulonglong(context), 16) + QStringLiteral(".html"), QStringLiteral("index.html")}) {
    const QFileInfo page(folder + QLatin1Char('/') + name);
    if (page.isFile()) return page.absoluteFilePath();
  }
  return QString();
}

void QtInteraction::Help(const HelpRequest& request) {
  const QString page = HelpPage(request.context);
  if (page.isEmpty()) {
    QMessageBox::information(ActiveParent(), QStringLiteral("Mirel"),
                             QStringLiteral("No help is installed for this topic (0x%1).").arg(qulonglong(request.context), 0, 16));
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(page));
}

}  // namespace mirel::qt
