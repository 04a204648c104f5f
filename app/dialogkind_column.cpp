// The column editor on FILE (or a new column), opened as CUserDefColAPI::LaunchCustomColDlg
// opens it, and the User Defined Columns dialog for --project.
#include <filesystem>
#include <string>

#include "app/dialogkinds.h"
#include "customcols/CustomColMainDlg.h"
#include "customcols/UserDefColAPI.h"
#include "hostapi/templatefile.h"

namespace mirel::cli {

bool RunColumnDialog(DialogKindContext& context, std::string& error) {
  const std::optional<std::string>& file = context.File();
  if (file) {
    // The editor opens on nothing it cannot read; say why rather than show nothing.
    CCustomColFile column;
    if (!column.loadCustomCol(file->c_str())) {
      error = column.getLastError();
      if (error.empty()) error = *file + ": cannot be read";
      return false;
    }
  }
  if (!IZRQueryServer::InitQueryServer()) {
    error = "the query server's vocabulary (tdd/vocabulary.json) cannot be read";
    return false;
  }
  CUserDefColAPI::LaunchCustomColDlg(&context.GetServices().Server(), CString(file.value_or("")));
  return true;
}

bool RunColumnsDialog(DialogKindContext& context, std::string& error) {
  if (context.File()) {
    error = "the User Defined Columns dialog opens no file (its columns come from --project)";
    return false;
  }
  const std::string& project = context.Options().project;
  std::error_code ignored;
  CCustomColMainDlg dialog(&context.GetServices().Server(),
                           CString(project.empty() ? project : std::filesystem::absolute(project, ignored).string()),
                           nullptr);
  dialog.DoModal();
  return true;
}

}  // namespace mirel::cli
