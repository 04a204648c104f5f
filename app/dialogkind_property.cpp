// The Select Property dialog on the property names of the host's dictionary, as a property
// keyword's cell offers them.
#include <memory>

#include "app/dialogkinds.h"
#include "celldialogs/PropNameDlg.h"
#include "hostapi/propertyserver.h"
#include "hostapi/queryserver.h"

namespace mirel::cli {

bool RunPropertyDialog(DialogKindContext& context, std::string& error) {
  if (context.File()) {
    error = "the property dialog opens no file";
    return false;
  }
  CStrList* names = nullptr;
  CPropNameDlg::CreatePQPropList(context.GetServices().Server().GetPropertyServer(), &names);
  const std::unique_ptr<CStrList> owned(names);
  CPropNameDlg dialog(names);
  dialog.DoModal();
  return true;
}

}  // namespace mirel::cli
