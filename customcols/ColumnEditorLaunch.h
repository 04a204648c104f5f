#pragma once
// The column editor opened as CUserDefColAPI::LaunchCustomColDlg opens it, for callers that
// follow the file object the editor saves (the command line prints each save).
#include <functional>

#include "hostapi/queryserver.h"
#include "platform/mfc/afxstr.h"

class CCustomColFile;

namespace mirel {
// `opened` receives the file object before the editor runs and `closed` after it has ended;
// the object is deleted right after `closed` returns. Either may be empty.
CString LaunchColumnEditor(IServer* server, CString path, const std::function<void(const CCustomColFile&)>& opened,
                           const std::function<void(const CCustomColFile&)>& closed);
}  // namespace mirel
