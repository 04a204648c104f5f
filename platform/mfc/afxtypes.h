#pragma once
// The handful of Windows scalar types and constants the library's code is written in.
#include <cstdint>

using BOOL = int;
using UINT = unsigned int;
using DWORD = unsigned long;
using WORD = unsigned short;
using BYTE = unsigned char;
using LONG = long;
using COLORREF = std::uint32_t;  // 0x00BBGGRR, as on Windows
using ROWCOL = unsigned long;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

constexpr COLORREF RGB(int r, int g, int b) {
  return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

// Dialog results and message box buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDHELP = 57670;  // the Help buttons' id (MFC's ID_HELP)

struct POINT { long x = 0; long y = 0; };
struct SIZE { long cx = 0; long cy = 0; };
struct RECT { long left = 0; long top = 0; long right = 0; long bottom = 0; };
