// mirel edit: for now the query grid of a template in a plain Qt window with Validate, Save and
// Close; the Create Report Template dialog replaces it once that dialog exists. With the
// toolkit's Qt realisation the grid's own dialogs (Select Property ...) are real windows; without
// it only message boxes are. mirel columns waits for the User Defined Columns dialog.
#include "app/commands.h"

#if defined(MIREL_WITH_GRIDQT)
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "host/setuppath.h"
#include "platform/gridqt/gxqtview.h"
#include "querygrid/QueryGrid.h"
#if defined(MIREL_WITH_QT)
#include "platform/qt/qtplatform.h"
#endif
#endif

namespace mirel::cli {

#if defined(MIREL_WITH_GRIDQT)
namespace {

#if !defined(MIREL_WITH_QT)
// Message boxes as Qt message boxes; dialogs, file dialogs and menus keep the defaults
// (cancelled) until the toolkit's Qt service takes over.
class MessageBoxInteraction final : public IInteraction {
 public:
  int MessageBox(const MessageRequest& request) override {
    QMessageBox box;
    box.setWindowTitle("mirel");
    box.setText(QString::fromStdString(request.text));
    switch (request.buttons) {
      case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
      case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
      case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
      case QMessageBox::Yes: return IDYES;
      case QMessageBox::No: return IDNO;
      case QMessageBox::Cancel: return IDCANCEL;
      default: return request.buttons == MessageButtons::Ok ? IDOK : IDCANCEL;
    }
  }
};
#endif

}  // namespace

int RunEdit(const CommonOptions& options, const std::optional<std::string>& file, int argc, char** argv) {
  int qtArgc = argc;
  QApplication application(qtArgc, argv);
#if defined(MIREL_WITH_QT)
  qt::QtPlatform platform(true, HelpFolder());  // the Qt backend, clipboard, keys and the Qt interaction service
#else
  MessageBoxInteraction interaction;
  ScopedInteraction installed(interaction);
#endif

  std::string error;
  std::unique_ptr<Services> services = Services::Create(options, error);
  if (!services) {
    PrintError(error);
    return kExitError;
  }
  GridSession session(*services);
  if (file && !session.Open(*file, error)) {
    PrintError(error);
    return kExitError;
  }
  if (!session.Load()) return kExitInvalid;  // as the dialog, which closes on a refused load

  std::string path = file.value_or("");
  QWidget window;
  window.setWindowTitle(QString::fromStdString(path.empty() ? "mirel - new template" : "mirel - " + path));
  auto* layout = new QVBoxLayout(&window);
  auto* view = new gridqt::GridView(session.Grid(), &window);
  layout->addWidget(view);
  auto* buttons = new QDialogButtonBox(&window);
  QPushButton* validate = buttons->addButton("&Validate", QDialogButtonBox::ActionRole);
  QPushButton* save = buttons->addButton(QDialogButtonBox::Save);
  QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
  layout->addWidget(buttons);

  QObject::connect(validate, &QPushButton::clicked, [&] {
    if (session.Grid().ValidateData()) QMessageBox::information(&window, "mirel", "The query is valid.");
  });
  QObject::connect(save, &QPushButton::clicked, [&] {
    if (!session.Grid().ValidateData()) return;
    if (path.empty()) {
      const QString chosen = QFileDialog::getSaveFileName(&window, "Save Template File As", QString(),
                                                          "Template File (*.tpt);;All Files (*)");
      if (chosen.isEmpty()) return;
      path = chosen.toStdString();
    }
    std::string why;
    if (!session.Store(path, why)) QMessageBox::warning(&window, "mirel", QString::fromStdString(why));
  });
  QObject::connect(close, &QPushButton::clicked, &window, &QWidget::close);

  window.resize(960, 420);
  window.show();
  return application.exec() == 0 ? kExitOk : kExitError;
}

#else

int RunEdit(const CommonOptions&, const std::optional<std::string>&, int, char**) {
  PrintError("edit: this build has no grid view (platform/gridqt), so the desktop program is not available");
  return kExitError;
}

#endif

int RunColumns(const CommonOptions&, int, char**) {
  PrintError("columns: the User Defined Columns dialog is not built yet");
  return kExitError;
}

}  // namespace mirel::cli
