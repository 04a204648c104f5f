#pragma once
// The window toolkit of the library's code, in one include: windows, dialogs, controls, data
// exchange, menus, file dialogs, clipboard, drag and drop, help and the application object.
#include "platform/mfc/afxstr.h"
#include "platform/mfc/afxtypes.h"
#include "platform/mfc/clipboard.h"
#include "platform/mfc/controls.h"
#include "platform/mfc/dialog.h"
#include "platform/mfc/dragdrop.h"
#include "platform/mfc/filedialog.h"
#include "platform/mfc/geometry.h"
#include "platform/mfc/interaction.h"
#include "platform/mfc/menu.h"
#include "platform/mfc/resource.h"
#include "platform/mfc/winconst.h"
#include "platform/mfc/wnd.h"

// The application object, as far as the library uses it: help.
class CWinApp {
 public:
  virtual ~CWinApp() = default;
  virtual void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT);
};
CWinApp* AfxGetApp();
