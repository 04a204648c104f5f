#include "platform/mfc/afxwin.h"

void CWinApp::WinHelp(DWORD_PTR data, UINT command) { mirel::Interaction().Help({data, command}); }

CWinApp* AfxGetApp() {
  static CWinApp app;
  return &app;
}
