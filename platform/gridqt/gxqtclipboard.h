#pragma once
// The grid's clipboard on the window toolkit's clipboard (platform/mfc/clipboard.h), so that
// cells, edit fields and other programs exchange the same text.
#include "platform/grid/gxclip.h"

namespace mirel::gridqt {

class ToolkitGridClipboard final : public IGXClipboard {
 public:
  BOOL SetText(const CString& text) override;
  BOOL GetText(CString& text) override;
  BOOL HasText() override;
};

// Installs one ToolkitGridClipboard for the grid core (SetGridClipboard); repeated calls change
// nothing.
void InstallToolkitGridClipboard();

}  // namespace mirel::gridqt
