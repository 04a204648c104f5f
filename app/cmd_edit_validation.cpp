// mirel edit --validation TEMPLATE: the Query Validation dialog on the template's query grid,
// loaded as the query layout page loads it, with real Qt windows. What loading asks (an unknown
// keyword) is asked in a message box; a refused load shows no dialog.
#include "app/commands.h"

#if defined(MIREL_WITH_GRIDQT) && defined(MIREL_WITH_QT)
#include <QApplication>

#include "host/setuppath.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/qt/qtplatform.h"
#include "validation/QueryValidationDlg.h"
#endif

namespace mirel::cli {

#if defined(MIREL_WITH_GRIDQT) && defined(MIREL_WITH_QT)

int RunEditValidation(const CommonOptions& options, const std::optional<std::string>& file, int argc, char** argv) {
  if (!file) {
    PrintError("edit --validation: give the TEMPLATE whose query is validated");
    return kExitError;
  }
  int qtArgc = argc;
  QApplication application(qtArgc, argv);
  qt::QtPlatform platform(true, HelpFolder());
  gridqt::RegisterGridPeer();

  std::string error;
  std::unique_ptr<Services> services = Services::Create(options, error);
  if (!services) {
    PrintError(error);
    return kExitError;
  }
  GridSession session(*services);
  if (!session.Open(*file, error)) {
    PrintError(error);
    return kExitError;
  }
  if (!session.Load()) return kExitInvalid;

  CQueryValidationDlg dialog(&session.Grid(), nullptr);
  dialog.DoModal();
  return kExitOk;
}

#else

int RunEditValidation(const CommonOptions&, const std::optional<std::string>&, int, char**) {
  PrintError("edit --validation: this build has no Qt realisation (platform/qt and platform/gridqt)");
  return kExitError;
}

#endif

}  // namespace mirel::cli
