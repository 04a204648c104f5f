#include "platform/gridqt/gxqtkeys.h"

#include <QKeyEvent>

#include "platform/grid/gxdefs.h"
#include "platform/mfc/wnd.h"

namespace mirel::gridqt {
namespace {
constexpr UINT kModifierKeys[3] = {VK_SHIFT, VK_CONTROL, VK_MENU};
constexpr Qt::KeyboardModifier kModifierFlags[3] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier};
}  // namespace

UINT VirtualKeyOf(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return UINT('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return UINT('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return UINT(0x70 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace: return GX_VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return GX_VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return GX_VK_RETURN;
    case Qt::Key_Escape: return GX_VK_ESCAPE;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_PageUp: return GX_VK_PRIOR;
    case Qt::Key_PageDown: return GX_VK_NEXT;
    case Qt::Key_End: return GX_VK_END;
    case Qt::Key_Home: return GX_VK_HOME;
    case Qt::Key_Left: return GX_VK_LEFT;
    case Qt::Key_Up: return GX_VK_UP;
    case Qt::Key_Right: return GX_VK_RIGHT;
    case Qt::Key_Down: return GX_VK_DOWN;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return GX_VK_DELETE;
    default: return 0;
  }
}

UINT GridModifiersOf(Qt::KeyboardModifiers modifiers) {
  UINT mods = 0;
  if (modifiers & Qt::ShiftModifier) mods |= GX_MOD_SHIFT;
  if (modifiers & Qt::ControlModifier) mods |= GX_MOD_CTRL;
  if (modifiers & Qt::AltModifier) mods |= GX_MOD_ALT;
  return mods;
}

DWORD DragKeyStateOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  DWORD state = 0;
  if (buttons & Qt::LeftButton) state |= MK_LBUTTON;
  if (buttons & Qt::RightButton) state |= MK_RBUTTON;
  if (modifiers & Qt::ShiftModifier) state |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) state |= MK_CONTROL;
  return state;
}

HeldModifiers::HeldModifiers(Qt::KeyboardModifiers modifiers) {
  for (int i = 0; i < 3; ++i) {
    m_before[i] = GetKeyState(int(kModifierKeys[i])) < 0;
    mirel::SetKeyDown(kModifierKeys[i], (modifiers & kModifierFlags[i]) != 0);
  }
}

HeldModifiers::~HeldModifiers() {
  for (int i = 0; i < 3; ++i) mirel::SetKeyDown(kModifierKeys[i], m_before[i]);
}

}  // namespace mirel::gridqt
