#include "platform/gridqt/gxqtcombo.h"

#include "platform/grid/gxaccombo.h"

namespace mirel::gridqt {

CListBox* DropDownListOf(CGXControl* control) {
  auto* combo = dynamic_cast<CZRGridACCombo*>(control);
  return combo ? combo->GetListBox() : nullptr;
}

std::optional<CString> CompletionOf(CGXControl* control, const CString& typed) {
  auto* combo = dynamic_cast<CZRGridACCombo*>(control);
  if (!combo || !combo->IsAutoComplete()) return std::nullopt;
  return combo->Complete(typed);
}

}  // namespace mirel::gridqt
