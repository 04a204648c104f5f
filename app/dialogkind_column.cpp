// The column editor on FILE (or a new column), opened as CUserDefColAPI::LaunchCustomColDlg
// opens it (here with its page at hand, to learn of a refused load), and the User Defined
// Columns dialog for --project.
#include <filesystem>
#include <string>

#include "app/dialogkinds.h"
#include "customcols/CustomColDlg.h"
#include "customcols/CustomColMainDlg.h"
#include "hostapi/templatefile.h"
#include "shell/LayoutDlg.h"

namespace mirel::cli {

bool RunColumnDialog(DialogKindContext& context, std::string& error) {
  const std::optional<std::string>& file = context.File();
  // The editor opens on nothing it cannot read; say why rather than show nothing.
  CCustomColFile column;
  if (file && !column.loadCustomCol(file->c_str())) {
    error = column.getLastError();
    if (error.empty()) error = *file + ": cannot be read";
    return false;
  }
  IZRQueryServer* queryServer = IZRQueryServer::InitQueryServer();
  if (!queryServer) {
    error = "the query server's vocabulary (tdd/vocabulary.json) cannot be read";
    return false;
  }
  CCustomColDlg editor(&column, &context.GetServices().Server(), queryServer, nullptr);
  editor.DoModal();
  // A refused sub-column is the outcome it is in a template: the load was refused.
  if (editor.GetPage() && editor.GetPage()->IsLoadFailed()) context.SetLoadRefused();
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
