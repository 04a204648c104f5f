#pragma once
// Small helpers shared by the keyword, rule and choice sources of the query grid.
#include <string_view>

#include "platform/grid/gxcore.h"
#include "platform/mfc/nocase.h"
#include "querygrid/QueryGridIds.h"

namespace qg {

inline bool IsPropMarker(std::string_view keyword) { return mirel::EqualsNoCase(keyword, kPropMarker); }

inline bool IsOperatorMarker(std::string_view keyword) {
  return mirel::EqualsNoCase(keyword, kMathOp) || mirel::EqualsNoCase(keyword, kRelOp) ||
         mirel::EqualsNoCase(keyword, kStringOp);
}

// The text stored in a cell, read past the query grid's own GetStyleRowCol: the rules read
// cells while they change them and must not set off the current-cell steps of composition.
inline CString StoredText(CGXGridCore& grid, ROWCOL row, ROWCOL col) {
  CGXStyle style;
  grid.CGXGridCore::GetStyleRowCol(row, col, style, gxCopy, gxCellStyle);
  return style.GetValue();
}

}  // namespace qg
