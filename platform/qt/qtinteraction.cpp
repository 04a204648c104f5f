#include "platform/qt/qtinteraction.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>
#include <algorithm>
#include <functional>

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

bool IsOver(const QWidget* window, const QWidget* below) {
  for (const QWidget* at = window->parentWidget(); at; at = at->parentWidget()) {
    if (at == below) return true;
  }
  return false;
}

int Depth(const QWidget* widget) {
  int depth = 0;
  for (; widget; widget = widget->parentWidget()) ++depth;
  return depth;
}

// Dismisses a window as its Escape or close box would: a message box by its escape button (Qt's
// own "replace?" question then answers No), a dialog by rejecting it.
void Dismiss(QWidget* window) {
  if (auto* box = qobject_cast<QMessageBox*>(window); box && box->escapeButton()) {
    box->escapeButton()->click();
  } else if (auto* dialog = qobject_cast<QDialog*>(window)) {
    dialog->reject();
  } else {
    window->close();
  }
}

// A question lives no longer than the window it was asked over: when that window is hidden or
// deleted, the question and every window opened over it are dismissed, innermost first, and the
// answer no longer counts. Otherwise a leftover file dialog could still write a file after the
// dialog that asked for it had closed without saving.
class AskedOver final : public QObject {
 public:
  AskedOver(QWidget* question, QWidget* owner) : m_question(question), m_owner(owner) {
    if (!owner) return;
    owner->installEventFilter(this);
    connect(owner, &QObject::destroyed, this, [this] { DismissAll(); });
  }
  ~AskedOver() override {
    if (m_owner) m_owner->removeEventFilter(this);
  }
  AskedOver(const AskedOver&) = delete;
  AskedOver& operator=(const AskedOver&) = delete;
  bool OwnerGone() const { return m_gone; }
  std::function<void()> onDismiss;  // for a question that is not a window of Qt's own

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_owner && event->type() == QEvent::Hide && !event->spontaneous()) DismissAll();
    return false;
  }

 private:
  void DismissAll() {
    if (m_gone) return;
    m_gone = true;
    if (!m_question) return;
    QList<QWidget*> over;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible() && IsOver(window, m_question)) over << window;
    }
    // Deeper windows first: each is over the ones it is parented to.
    std::stable_sort(over.begin(), over.end(), [](const QWidget* a, const QWidget* b) { return Depth(a) > Depth(b); });
    for (QWidget* window : over) Dismiss(window);
    if (onDismiss) onDismiss();
    else if (m_question) Dismiss(m_question);
  }
  QPointer<QWidget> m_question;
  QPointer<QWidget> m_owner;
  bool m_gone = false;
};

int CancelAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return IDOK;
    case MessageButtons::YesNo: return IDNO;
    case MessageButtons::YesNoCancel: return IDCANCEL;
  }
  return IDCANCEL;
}

}  // namespace

QtInteraction::QtInteraction(std::string helpFolder)
    : openInBrowser([](const QUrl& url) { return QDesktopServices::openUrl(url); }), m_helpFolder(std::move(helpFolder)) {}

int QtInteraction::MessageBox(const MessageRequest& request) {
  QWidget* owner = ActiveParent();
  QMessageBox box(owner);
  AskedOver asked(&box, owner);
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
      box.setDefaultButton(QMessageBox::Yes);
      break;
    case MessageButtons::YesNoCancel:
      box.setIcon(QMessageBox::Question);
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  const int answer = box.exec();
  if (asked.OwnerGone()) return CancelAnswer(request.buttons);
  switch (answer) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Ok: return IDOK;
    default: return CancelAnswer(request.buttons);
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
  // Only a modal window can own another modal run; a model-less window beside it does not.
  QWidget* owner = QApplication::activeModalWidget();
  AskedOver asked(window, owner != window ? owner : nullptr);
  asked.onDismiss = [&dialog] {
    if (dialog.IsModalSessionRunning()) dialog.EndDialog(IDCANCEL);
  };
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
  QWidget* owner = ActiveParent();
  QFileDialog dialog(owner, ToQString(request.title), ToQString(request.initialFolder));
  AskedOver asked(&dialog, owner);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(request.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(request.open && request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  dialog.setOption(QFileDialog::ReadOnly, false);
  const QStringList filters = NameFilters(request.filters);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!request.defaultExtension.empty()) dialog.setDefaultSuffix(ToQString(request.defaultExtension));
  if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
  if (dialog.exec() != QDialog::Accepted || asked.OwnerGone() || dialog.selectedFiles().isEmpty()) return std::nullopt;
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
  if (!openInBrowser || !openInBrowser(QUrl::fromLocalFile(page))) ShowHelpWindow(page);
}

void QtInteraction::ShowHelpWindow(const QString& page) {
  // One window for every topic, beside the dialogs (not modal: help is read while working). Its
  // parent is the modal window on top, or the modality would shut it out of the keys and mouse.
  if (!m_helpWindow) {
    m_helpWindow = new QTextBrowser;
    m_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_helpWindow->setWindowModality(Qt::NonModal);
    m_helpWindow->setOpenExternalLinks(true);  // pages of our own open inside; the web goes out
    m_helpWindow->resize(720, 560);
    QObject::connect(m_helpWindow, &QTextBrowser::sourceChanged, m_helpWindow,
                     [window = m_helpWindow.data()] { window->setWindowTitle(window->documentTitle() + QStringLiteral(" - Mirel Help")); });
  }
  if (m_helpWindow->parentWidget() != ActiveParent()) {
    m_helpWindow->setParent(ActiveParent(), Qt::Window);
  }
  m_helpWindow->setSource(QUrl::fromLocalFile(page));
  m_helpWindow->show();
  m_helpWindow->raise();
  m_helpWindow->activateWindow();
}

}  // namespace mirel::qt
