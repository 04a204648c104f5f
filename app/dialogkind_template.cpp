// Create Report Template on FILE (or a new template), set up as the host sets it up: the
// template's file object, and the project file (else the template's own file) whose folder
// holds the user-defined columns and where the file dialogs start.

#include "app/dialogkinds.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

namespace mirel::cli {

bool RunTemplateDialog(DialogKindContext& context, std::string& error) {
  const std::optional<std::string>& file = context.File();
  CTemplateFile templateFile;
  if (file && !templateFile.loadTemplate(file->c_str())) {
    error = templateFile.getLastError();
    if (error.empty()) error = *file + ": cannot be read";
    return false;
  }
  Services& services = context.GetServices();
  CCreateTmpltDlg dialog(&services.Server(), &templateFile, &services.QueryServer(), nullptr);
  dialog.SetProjectFile(CString(ProjectFileFor(context.Options(), file)));
  dialog.DoModal();
  const CLayoutDlg* page = dialog.GetLayoutDlg();
  if (page && page->m_bLoadFailed) context.SetLoadRefused();
  return true;
}

}  // namespace mirel::cli
