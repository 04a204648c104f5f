#include "platform/gridqt/gxqtcombo.h"

#include "platform/grid/gxctrl.h"
#include "platform/mfc/controls.h"

namespace mirel::gridqt {

CListBox* DropDownListOf(CGXControl*) { return nullptr; }

bool IsDropDownButton(CGXControl* control, const CGXChild*) { return DropDownListOf(control) != nullptr; }

}  // namespace mirel::gridqt
