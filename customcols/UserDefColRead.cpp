// CUserDefColAPI: one column file read through the host's file object.
#include <memory>

#include "customcols/UserDefColAPI.h"
#include "hostapi/templatefile.h"

CString CUserDefColAPI::GetCustomColName(CString path) {
  CCustomColFile file;
  if (!file.loadCustomCol(path.GetString())) return CString();
  const CCustomColData* data = file.getCustomColData();
  return data ? CString(data->m_name) : CString();
}

CCustomColData* CUserDefColAPI::GetCustomColData(CString path) {
  CCustomColFile file;
  if (!file.loadCustomCol(path.GetString())) return nullptr;
  return new CCustomColData(file.getCustomColData());
}
