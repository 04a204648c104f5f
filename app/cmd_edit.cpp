// mirel edit: the Create Report Template dialog on a template (or a new one), shown with real Qt
// windows and run as the host runs it: the template's file object, the project file, the
// vocabulary and properties. With --design, the Report Preview window beside it.
#include "app/commands.h"

#if defined(MIREL_WITH_GRIDQT) && defined(MIREL_WITH_QT)
#include <QApplication>

#include "app/previewsession.h"
#include "app/previewwindow.h"
#include "host/setuppath.h"
#include "hostapi/zrcontrols.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"
#endif

namespace mirel::cli {

#if defined(MIREL_WITH_GRIDQT) && defined(MIREL_WITH_QT)

namespace {

// The controls library converts its dialog units with the dialog font the windows really use.
void UseDialogFontForDialogUnits() {
  qt::QtBackend backend;
  const SIZE units = backend.DialogBaseUnits("MS Shell Dlg", 8);
  CZRWinAPI::SetDialogBaseUnits(int(units.cx), int(units.cy));
}

}  // namespace

int RunEdit(const CommonOptions& options, const std::optional<std::string>& file, int argc, char** argv) {
  int qtArgc = argc;
  QApplication application(qtArgc, argv);
  qt::QtPlatform platform(true, HelpFolder());  // the Qt backend, clipboard, keys and the Qt interaction service
  gridqt::RegisterGridPeer();
  UseDialogFontForDialogUnits();

  std::string error;
  std::unique_ptr<Services> services = Services::CreateQuietly(options, error);
  if (!services) {
    PrintError(error);
    return kExitError;
  }
  CTemplateFile templateFile;
  if (file && !templateFile.loadTemplate(file->c_str())) {
    const std::string why = templateFile.getLastError();
    PrintError(why.empty() ? *file + ": cannot be read" : why);
    return kExitError;
  }

  CCreateTmpltDlg dialog(&services->Server(), &templateFile, &services->QueryServer(), nullptr);
  // The project file's folder holds the user-defined columns and is where the file dialogs
  // start; without a project, the template's own folder is.
  dialog.SetProjectFile(CString(ProjectFileFor(options, file)));
  QtPoster poster;
  std::unique_ptr<PreviewSession> preview;
  std::unique_ptr<PreviewWindow> window;
  if (!options.design.empty()) {
    preview = std::make_unique<PreviewSession>(services->QueryServer(), poster, preview::Controller::kDefaultBackgroundFrom);
    if (!preview->OpenDesign(options.design, error)) {
      PrintError(error);
      return kExitError;
    }
    window = std::make_unique<PreviewWindow>(*preview);
    preview->Attach(dialog, [&window](CCreateTmpltDlg& opened) { window->FollowDialog(opened); });
  }
  dialog.DoModal();
  if (preview) preview->Detach();
  // A keyword that loading refused ends the dialog at once, as it does for the host.
  const CLayoutDlg* page = dialog.GetLayoutDlg();
  return page && page->m_bLoadFailed ? kExitInvalid : kExitOk;
}

#else

int RunEdit(const CommonOptions&, const std::optional<std::string>&, int, char**) {
  PrintError("edit: this build has no Qt realisation (platform/qt and platform/gridqt), so the desktop program "
             "is not available");
  return kExitError;
}

#endif

}  // namespace mirel::cli
