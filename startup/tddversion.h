#pragma once
// The version written into saved templates and user-defined columns.
#include "platform/mfc/afxstr.h"

// The first word of share/vynsetup/tdd/version.txt under the install root, or "15.5-D031" when
// the file is missing, unreadable or empty.
CString GetTddVersion();

inline constexpr const char* kDefaultTddVersion = "15.5-D031";
