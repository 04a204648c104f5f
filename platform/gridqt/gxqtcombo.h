#pragma once
// What the view needs to know of the auto-complete combo control: the shared list box it drops
// down, and which of its children is the drop-down button.
class CGXChild;
class CGXControl;
class CListBox;

namespace mirel::gridqt {

// The list box a cell control drops down, or null for a control without a drop-down.
CListBox* DropDownListOf(CGXControl* control);
// True when a click on `child` of `control` should open the drop-down.
bool IsDropDownButton(CGXControl* control, const CGXChild* child);

}  // namespace mirel::gridqt
