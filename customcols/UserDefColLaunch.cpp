// CUserDefColAPI::LaunchCustomColDlg: the column editor on a file, and what its caller learns.
#include <memory>

#include "customcols/CustomColDlg.h"
#include "customcols/UserDefColAPI.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/samepath.h"

CString CUserDefColAPI::LaunchCustomColDlg(IServer* server, CString path) {
  auto file = std::make_unique<CCustomColFile>();
  if (!path.IsEmpty() && !file->loadCustomCol(path.GetString())) return CString();
  IZRQueryServer* queryServer = IZRQueryServer::InitQueryServer();
  if (!queryServer) return CString();
  {
    // Every save happens inside the editor; its result says nothing more.
    CCustomColDlg editor(file.get(), server, queryServer, nullptr);
    editor.DoModal();
  }
  const CString saved(file->getCustomColFile());
  if (!saved.IsEmpty() && !mirel::SamePath(saved.view(), path.view())) return saved;
  return CString();
}
