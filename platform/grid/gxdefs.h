#pragma once
// Constants of the grid core: merge modes, style kinds, redraw and selection flags, control and
// user attribute ids, hit codes, key codes. Windows-derived constants carry a GX_ prefix so they
// never collide with the toolkit layer's own definitions (the numbers are the same).
#include "platform/mfc/afxtypes.h"

// How a style is merged into another (CGXStyle::ChangeStyle, StoreStyleRowCol).
enum GXModifyType {
  gxOverride,  // parts present in the new style replace the old ones; absent parts are kept
  gxApplyNew,  // only parts the old style lacks are taken from the new one
  gxCopy,      // the old style becomes the new one exactly (absent parts become absent)
  gxExclude,   // parts present in the new style are removed from the old one
};

// nType of GetStyleRowCol / StoreStyleRowCol.
constexpr int gxCellStyle = 0;  // the style of cell (row, col)
// A base style: of row `row` when col == 0, of column `col` when row == 0, the standard style
// when both are 0. Rule code that works on cells should act only on gxCellStyle.
constexpr int gxBaseStyle = -1;

// Redraw flags (Redraw, SetStyleRange, SetCurrentCell, ...).
constexpr UINT GX_INVALIDATE = 0x00;    // mark as changed, paint later
constexpr UINT GX_UPDATENOW = 0x01;     // paint at once
constexpr UINT GX_SMART = 0x02;         // paint at once, only what changed
constexpr UINT GX_NOSETFOCUS = 0x04;    // SetCurrentCell: do not move the keyboard focus
constexpr UINT GX_SCROLLINVIEW = 0x08;  // SetCurrentCell: scroll the cell into view

// Selection flags (CGXGridParam::EnableSelection).
constexpr UINT GX_SELNONE = 0x00;
constexpr UINT GX_SELROW = 0x01;       // whole rows (click on a row header)
constexpr UINT GX_SELCOL = 0x02;       // whole columns (click on a column header)
constexpr UINT GX_SELTABLE = 0x04;     // whole table (click on the corner)
constexpr UINT GX_SELCELL = 0x08;      // cell ranges
constexpr UINT GX_SELMULTIPLE = 0x10;  // several ranges (Ctrl)
constexpr UINT GX_SELSHIFT = 0x20;     // extension with Shift
constexpr UINT GX_SELKEYBOARD = 0x40;  // selection with the keyboard
constexpr UINT GX_SELFULL = 0x7F;

// Cell control ids (the grid library's own ones).
constexpr UINT GX_IDS_CTRL_EDIT = 52512;
constexpr UINT GX_IDS_CTRL_HEADER = 52513;
constexpr UINT GX_IDS_CTRL_HOTSPOT = 52518;
constexpr UINT GX_IDS_CTRL_STATIC = 52520;
constexpr UINT GX_IDS_CTRL_CHECKBOX = 52523;

// User attribute ids of the grid library.
constexpr UINT GX_IDS_UA_TOOLTIPTEXT = 51022;   // text: "Tooltip-Text"
constexpr UINT GX_IDS_UA_ELLIPSISTYPE = 52792;  // number: GX_ELLIPSIS_*
constexpr long GX_ELLIPSIS_NONE = 0;
constexpr long GX_ELLIPSIS_DOTS = 1;  // text that does not fit ends in "..."

// Alignment values (CGXStyle::SetHorizontalAlignment / SetVerticalAlignment).
constexpr DWORD GX_DT_LEFT = 0x00;
constexpr DWORD GX_DT_CENTER = 0x01;
constexpr DWORD GX_DT_RIGHT = 0x02;
constexpr DWORD GX_DT_TOP = 0x00;
constexpr DWORD GX_DT_VCENTER = 0x04;
constexpr DWORD GX_DT_BOTTOM = 0x08;

// Pen (line) styles for borders and grid lines.
constexpr UINT GX_PS_SOLID = 0;
constexpr UINT GX_PS_DASH = 1;
constexpr UINT GX_PS_DOT = 2;
constexpr UINT GX_PS_NULL = 5;

// Hit codes (CGXGridCore::HitTest).
constexpr int GX_NOHIT = 0;
constexpr int GX_HEADERHIT = 1;  // a header cell (row 0 or column 0)
constexpr int GX_VERTLINE = 2;   // the right border of a column header: a column-resize grip
constexpr int GX_CELLHIT = 3;    // a cell of the grid body (frozen columns included)
constexpr int GX_HORZLINE = 4;   // the bottom border of a row header: a row-resize grip

// Scroll bars (CGXGridCore::SetScrollBarMode).
constexpr int GX_SB_HORZ = 0;
constexpr int GX_SB_VERT = 1;
constexpr int GX_SB_BOTH = 3;

// Key codes and modifiers for ProcessKeys (virtual-key numbers).
constexpr UINT GX_VK_BACK = 0x08;
constexpr UINT GX_VK_TAB = 0x09;
constexpr UINT GX_VK_RETURN = 0x0D;
constexpr UINT GX_VK_ESCAPE = 0x1B;
constexpr UINT GX_VK_PRIOR = 0x21;
constexpr UINT GX_VK_NEXT = 0x22;
constexpr UINT GX_VK_END = 0x23;
constexpr UINT GX_VK_HOME = 0x24;
constexpr UINT GX_VK_LEFT = 0x25;
constexpr UINT GX_VK_UP = 0x26;
constexpr UINT GX_VK_RIGHT = 0x27;
constexpr UINT GX_VK_DOWN = 0x28;
constexpr UINT GX_VK_DELETE = 0x2E;
constexpr UINT GX_VK_F2 = 0x71;
constexpr UINT GX_MOD_SHIFT = 0x01;
constexpr UINT GX_MOD_CTRL = 0x02;
constexpr UINT GX_MOD_ALT = 0x04;

// Drag and drop.
constexpr UINT GX_CF_TEXT = 1;
constexpr DWORD GX_DROPEFFECT_NONE = 0;
constexpr DWORD GX_DROPEFFECT_COPY = 1;
constexpr DWORD GX_DROPEFFECT_MOVE = 2;

// The last row or column index (GX_MAXROWCOL means "to the end" in ranges).
constexpr ROWCOL GX_MAXROWCOL = 0x7FFFFFFF;
