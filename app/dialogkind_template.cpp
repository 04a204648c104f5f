// Create Report Template on FILE (or a new template), set up as the host sets it up: the
// template's file object, and the project file (else the template's own file) whose folder
// holds the user-defined columns and where the file dialogs start. With --design, the live
// preview follows the dialog headless, for the script's preview commands.

#include "app/dialogkinds.h"
#include "app/previewsession.h"
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
  std::unique_ptr<PreviewSession> preview;
  if (const std::string& design = context.Options().design; !design.empty()) {
    preview = std::make_unique<PreviewSession>(services.QueryServer());
    if (!preview->OpenDesign(design, error)) return false;
    preview->Attach(dialog);
  }
  context.SetPreview(preview.get());
  struct Forget {
    DialogKindContext& context;
    ~Forget() { context.SetPreview(nullptr); }
  } forget{context};
  dialog.DoModal();
  const CLayoutDlg* page = dialog.GetLayoutDlg();
  if (page && page->m_bLoadFailed) context.SetLoadRefused();
  return true;
}

}  // namespace mirel::cli
