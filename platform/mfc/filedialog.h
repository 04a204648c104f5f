#pragma once
// The common open and save file dialogs, asked through the interaction service.
#include <string>

#include "platform/mfc/afxstr.h"
#include "platform/mfc/winconst.h"

class CWnd;

namespace mirel {
struct FileDialogRequest;
}

struct OPENFILENAME {
  DWORD Flags = 0;
  LPCTSTR lpstrInitialDir = nullptr;  // copied when the dialog runs
  LPCTSTR lpstrTitle = nullptr;
};

class CFileDialog {
 public:
  CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension = nullptr, LPCTSTR fileName = nullptr,
              DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR filter = nullptr, CWnd* parent = nullptr);
  virtual ~CFileDialog() = default;

  OPENFILENAME m_ofn;

  // IDOK with a chosen path, IDCANCEL. A chosen name without an extension gets the default one.
  virtual INT_PTR DoModal();
  CString GetPathName() const { return m_path; }
  CString GetFileName() const;   // name with extension
  CString GetFileExt() const;    // extension without the dot
  CString GetFileTitle() const;  // name without extension
  CString GetFolderPath() const;
  mirel::FileDialogRequest Request() const;  // what DoModal asks

 private:
  bool m_open;
  std::string m_defaultExtension;
  std::string m_fileName;
  std::string m_filter;
  CWnd* m_parent;
  CString m_path;
};
