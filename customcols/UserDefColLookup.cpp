// CUserDefColAPI::GetCColDataFromName: a column by name, the first in search order.
#include "customcols/UserDefColAPI.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/nocase.h"

CCustomColData* CUserDefColAPI::GetCColDataFromName(CString projectFile, CString name) {
  CStringList files;
  GetCustomColFiles(projectFile, files);
  for (const CString& path : files) {
    CCustomColFile file;
    if (!file.loadCustomCol(path.GetString())) continue;  // not a column file: look further
    const CCustomColData* data = file.getCustomColData();
    if (data && mirel::EqualsNoCase(data->m_name, name.view())) return new CCustomColData(data);
  }
  return nullptr;
}
