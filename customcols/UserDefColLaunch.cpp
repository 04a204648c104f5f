// CUserDefColAPI::LaunchCustomColDlg: the column editor on a file, and what its caller learns.
#include <memory>

#include "customcols/ColumnEditorLaunch.h"
#include "customcols/CustomColDlg.h"
#include "customcols/UserDefColAPI.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/nocase.h"

CString mirel::LaunchColumnEditor(IServer* server, CString path,
                                  const std::function<void(const CCustomColFile&)>& opened,
                                  const std::function<void(const CCustomColFile&)>& closed) {
  auto file = std::make_unique<CCustomColFile>();
  if (!path.IsEmpty() && !file->loadCustomCol(path.GetString())) return CString();
  IZRQueryServer* queryServer = IZRQueryServer::InitQueryServer();
  if (!queryServer) return CString();
  if (opened) opened(*file);
  {
    // Every save happens inside the editor; its result says nothing more.
    CCustomColDlg editor(file.get(), server, queryServer, nullptr);
    editor.DoModal();
  }
  if (closed) closed(*file);
  const CString saved(file->getCustomColFile());
  if (!saved.IsEmpty() && !EqualsNoCase(saved.view(), path.view())) return saved;
  return CString();
}

CString CUserDefColAPI::LaunchCustomColDlg(IServer* server, CString path) {
  return mirel::LaunchColumnEditor(server, path, {}, {});
}
