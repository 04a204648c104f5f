#pragma once
// Qt keys and buttons as the window model and the grid core name them.
#include <Qt>

#include "platform/mfc/afxtypes.h"

class QKeyEvent;

namespace mirel::gridqt {

// The virtual-key code of a key event (letters and digits as their upper-case character, Space
// as 0x20), or 0 for a key the grid has no name for.
UINT VirtualKeyOf(const QKeyEvent& event);
// GX_MOD_* bits.
UINT GridModifiersOf(Qt::KeyboardModifiers modifiers);
// MK_* bits of a drag's key state.
DWORD DragKeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

// Shift, Ctrl and Alt read as held (GetKeyState) for as long as this object lives, as the
// event says; the key state from before comes back afterwards.
class HeldModifiers {
 public:
  explicit HeldModifiers(Qt::KeyboardModifiers modifiers);
  ~HeldModifiers();
  HeldModifiers(const HeldModifiers&) = delete;
  HeldModifiers& operator=(const HeldModifiers&) = delete;

 private:
  bool m_before[3];
};

}  // namespace mirel::gridqt
