#include "platform/mfc/filedialog.h"

#include "platform/mfc/interaction.h"

namespace {

size_t NameStart(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? 0 : slash + 1;
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defaultExtension, LPCTSTR fileName, DWORD flags, LPCTSTR filter,
                         CWnd* parent)
    : m_open(openFileDialog != FALSE),
      m_defaultExtension(defaultExtension ? defaultExtension : ""),
      m_fileName(fileName ? fileName : ""),
      m_filter(filter ? filter : ""),
      m_parent(parent) {
  m_ofn.Flags = flags;
}

mirel::FileDialogRequest CFileDialog::Request() const {
  mirel::FileDialogRequest request;
  request.open = m_open;
  request.title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "";
  request.filters = mirel::ParseFileFilter(m_filter);
  request.initialFolder = m_ofn.lpstrInitialDir ? m_ofn.lpstrInitialDir : "";
  request.fileName = m_fileName;
  request.defaultExtension = m_defaultExtension;
  if (!request.defaultExtension.empty() && request.defaultExtension.front() == '.') request.defaultExtension.erase(0, 1);
  request.overwritePrompt = (m_ofn.Flags & OFN_OVERWRITEPROMPT) != 0;
  request.fileMustExist = (m_ofn.Flags & OFN_FILEMUSTEXIST) != 0;
  request.pathMustExist = (m_ofn.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) != 0;
  request.hideReadOnly = (m_ofn.Flags & OFN_HIDEREADONLY) != 0;
  request.noChangeDir = (m_ofn.Flags & OFN_NOCHANGEDIR) != 0;
  return request;
}

INT_PTR CFileDialog::DoModal() {
  const mirel::FileDialogRequest request = Request();
  const auto chosen = mirel::Interaction().FileDialog(request);
  if (!chosen || chosen->empty()) return IDCANCEL;
  std::string path = *chosen;
  // A name typed without an extension gets the default one, as the system dialog does.
  if (!request.defaultExtension.empty() && path.find('.', NameStart(path)) == std::string::npos) {
    path += "." + request.defaultExtension;
  }
  m_path = path;
  return IDOK;
}

CString CFileDialog::GetFileName() const { return CString(m_path.str().substr(NameStart(m_path.str()))); }

CString CFileDialog::GetFileExt() const {
  const std::string name = GetFileName().str();
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? CString() : CString(name.substr(dot + 1));
}

CString CFileDialog::GetFileTitle() const {
  const std::string name = GetFileName().str();
  return CString(name.substr(0, name.rfind('.')));
}

CString CFileDialog::GetFolderPath() const {
  const size_t start = NameStart(m_path.str());
  return start == 0 ? CString() : CString(m_path.str().substr(0, start - 1));
}
