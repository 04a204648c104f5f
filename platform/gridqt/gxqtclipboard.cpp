#include "platform/gridqt/gxqtclipboard.h"

#include "platform/mfc/clipboard.h"

namespace mirel::gridqt {

BOOL ToolkitGridClipboard::SetText(const CString& text) {
  mirel::SetClipboardText(text.view());
  return TRUE;
}

BOOL ToolkitGridClipboard::GetText(CString& text) {
  const std::optional<std::string> held = mirel::GetClipboardText();
  if (!held) return FALSE;
  text = CString(*held);
  return TRUE;
}

BOOL ToolkitGridClipboard::HasText() { return mirel::IsClipboardTextAvailable() ? TRUE : FALSE; }

void InstallToolkitGridClipboard() {
  static ToolkitGridClipboard clipboard;
  SetGridClipboard(&clipboard);
}

}  // namespace mirel::gridqt
