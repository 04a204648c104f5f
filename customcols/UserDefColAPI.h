#pragma once
// CUserDefColAPI: the user-defined column files available to a project, and the columns they
// hold. One column per ".txt" file, read by the host's CCustomColFile. Stateless: every
// operation is static and builds and discards its own file objects.
//
// Search order of GetCustomColFiles: the setup folder ("vynsetup\tdd\custom_columns" on the setup
// search path), the project file's folder, then the current folder unless it is the project's
// (compared as the file system compares names). Within a folder, the order the file system gives. Nothing is
// removed: a folder searched twice lists its files twice, and callers take the first column of a
// name.
#include "hostapi/queryserver.h"
#include "hostapi/templatedata.h"
#include "platform/mfc/afxstr.h"

class CUserDefColAPI {
 public:
  CUserDefColAPI() = default;
  CUserDefColAPI(const CUserDefColAPI&) = default;
  CUserDefColAPI& operator=(const CUserDefColAPI&) = default;
  virtual ~CUserDefColAPI() = default;

  // The column name stored in the file; "" when it cannot be read.
  static CString GetCustomColName(CString path);
  // A new copy of the file's column (the caller owns it); null when it cannot be read.
  static CCustomColData* GetCustomColData(CString path);
  // Opens the column editor on the file (an empty path: a new column) without a parent window.
  // The path of a file the editor saved under another file than `path` (compared as the file
  // system compares names), else "". No editor and "" for a file that cannot be read or when there is
  // no query server.
  static CString LaunchCustomColDlg(IServer* server, CString path);
  // Appends the regular files matching pattern (a folder, a separator, a wildcard name with * and
  // ?; "/" and "\" both separate) to the tail of list, in file-system order. An empty pattern
  // or a folder that cannot be read appends nothing.
  static void FillCustomColFiles(CString pattern, CStringList& list);
  // Appends the column files available to the project (see the search order above). The
  // project file path may be empty.
  static void GetCustomColFiles(CString projectFile, CStringList& list);
  // A new copy of the first column in search order whose name matches (without regard to case);
  // null when there is none.
  static CCustomColData* GetCColDataFromName(CString projectFile, CString name);
};
