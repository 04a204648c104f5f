// mirel edit --custom-column [FILE] and mirel columns: the column editor (opened as the host
// opens it, through CUserDefColAPI::LaunchCustomColDlg) and the User Defined Columns dialog,
// shown with real Qt windows.
#include "app/commands.h"
#include "app/output.h"

#if defined(MIREL_WITH_GRIDQT) && defined(MIREL_WITH_QT)
#include <QApplication>

#include "customcols/CustomColMainDlg.h"
#include "customcols/UserDefColAPI.h"
#include "host/setuppath.h"
#include "hostapi/templatefile.h"
#include "hostapi/zrcontrols.h"
#include "platform/gridqt/gxqtpeer.h"
#include "platform/qt/qtbackend.h"
#include "platform/qt/qtplatform.h"
#endif

namespace mirel::cli {

#if defined(MIREL_WITH_GRIDQT) && defined(MIREL_WITH_QT)

namespace {

// The desktop: Qt windows for every dialog, message box, file dialog and menu; the grid's view;
// dialog units converted with the font the windows really use.
class Desktop {
 public:
  Desktop(int argc, char** argv) : m_argc(argc), m_application(m_argc, argv), m_platform(true, HelpFolder()) {
    gridqt::RegisterGridPeer();
    qt::QtBackend backend;
    const SIZE units = backend.DialogBaseUnits("MS Shell Dlg", 8);
    CZRWinAPI::SetDialogBaseUnits(int(units.cx), int(units.cy));
  }

 private:
  int m_argc;
  QApplication m_application;
  qt::QtPlatform m_platform;
};

}  // namespace

int RunEditColumn(const CommonOptions& options, const std::optional<std::string>& file, int argc, char** argv) {
  if (file) {
    // The editor opens on nothing it cannot read; say why instead of showing nothing.
    CCustomColFile column;
    if (!column.loadCustomCol(file->c_str())) {
      const std::string why = column.getLastError();
      PrintError(why.empty() ? *file + ": cannot be read" : why);
      return kExitError;
    }
  }
  if (options.vocabulary.empty() && !IZRQueryServer::InitQueryServer()) {
    PrintError("edit: the query server's vocabulary (tdd/vocabulary.json) cannot be read");
    return kExitError;
  }
  Desktop desktop(argc, argv);
  std::string error;
  std::unique_ptr<Services> services = Services::CreateQuietly(options, error);
  if (!services) {
    PrintError(error);
    return kExitError;
  }
  const CString saved = CUserDefColAPI::LaunchCustomColDlg(&services->Server(), CString(file.value_or("")));
  if (!saved.IsEmpty()) Output(stdout, options.format).Saved(saved.str());
  return kExitOk;
}

int RunColumns(const CommonOptions& options, int argc, char** argv) {
  Desktop desktop(argc, argv);
  std::string error;
  std::unique_ptr<Services> services = Services::CreateQuietly(options, error);
  if (!services) {
    PrintError(error);
    return kExitError;
  }
  CCustomColMainDlg dialog(&services->Server(), CString(options.project), nullptr);
  dialog.DoModal();
  return kExitOk;
}

#else

int RunEditColumn(const CommonOptions&, const std::optional<std::string>&, int, char**) {
  PrintError("edit: this build has no Qt realisation (platform/qt and platform/gridqt), so the column editor is "
             "not available");
  return kExitError;
}

int RunColumns(const CommonOptions&, int, char**) {
  PrintError("columns: this build has no Qt realisation (platform/qt and platform/gridqt), so the dialog is not "
             "available");
  return kExitError;
}

#endif

}  // namespace mirel::cli
