// Query Validation on FILE: the template's query grid loaded as the query layout page loads it
// (what loading asks is answered as mirel validate answers it), then the dialog on that grid.
#include "app/dialogkinds.h"
#include "querygrid/QueryGrid.h"
#include "validation/QueryValidationDlg.h"

namespace mirel::cli {

bool RunValidationDialog(DialogKindContext& context, std::string& error) {
  const std::optional<std::string>& file = context.File();
  if (!file) {
    error = "the validation dialog needs the FILE whose query it validates";
    return false;
  }
  GridSession session(context.GetServices());
  if (!session.Open(*file, error)) return false;
  if (!session.Load()) {
    error = *file + ": loading stopped at a keyword that was refused";
    return false;
  }
  CQueryValidationDlg dialog(&session.Grid(), nullptr);
  dialog.DoModal();
  return true;
}

}  // namespace mirel::cli
