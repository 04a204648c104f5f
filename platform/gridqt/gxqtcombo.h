#pragma once
// What the view needs of the auto-complete combo control: the shared list box it drops down and
// its completion of typed text.
#include <optional>

#include "platform/mfc/afxstr.h"

class CGXControl;
class CListBox;

namespace mirel::gridqt {

// The list box a cell control drops down, or null for a control without a drop-down.
CListBox* DropDownListOf(CGXControl* control);
// What the control makes of typed text by completing it; nothing for a control that does not
// complete.
std::optional<CString> CompletionOf(CGXControl* control, const CString& typed);

}  // namespace mirel::gridqt
