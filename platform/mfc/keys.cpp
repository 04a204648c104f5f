#include <set>

#include "platform/mfc/wnd.h"

namespace {
std::set<UINT>& KeysDown() {
  static std::set<UINT> keys;
  return keys;
}

// Holds modifier keys down for the length of one simulated key.
class HeldKey {
 public:
  HeldKey(UINT key, bool hold) : m_key(key), m_hold(hold && !KeysDown().contains(key)) {
    if (m_hold) mirel::SetKeyDown(m_key, true);
  }
  ~HeldKey() {
    if (m_hold) mirel::SetKeyDown(m_key, false);
  }
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;

 private:
  UINT m_key;
  bool m_hold;
};
}  // namespace

SHORT GetKeyState(int virtualKey) { return KeysDown().contains(UINT(virtualKey)) ? SHORT(-32768) : SHORT(0); }

namespace mirel {

void SetKeyDown(UINT virtualKey, bool down) {
  if (down) {
    KeysDown().insert(virtualKey);
  } else {
    KeysDown().erase(virtualKey);
  }
}

BOOL WalkPreTranslateTree(MSG* msg) {
  for (CWnd* wnd = msg ? msg->hwnd : nullptr; wnd; wnd = wnd->GetParent()) {
    if (wnd->PreTranslateMessage(msg)) return TRUE;
    if (!(wnd->GetStyle() & WS_CHILD)) break;  // the walk ends at the top-level window
  }
  return FALSE;
}

bool SimulateKeyDown(CWnd& target, UINT virtualKey, bool shift, bool control) {
  HeldKey shiftKey(VK_SHIFT, shift);
  HeldKey controlKey(VK_CONTROL, control);
  MSG msg;
  msg.hwnd = &target;
  msg.message = WM_KEYDOWN;
  msg.wParam = virtualKey;
  if (WalkPreTranslateTree(&msg)) return true;
  target.OnKeyDown(virtualKey, 1, 0);
  return false;
}

}  // namespace mirel
