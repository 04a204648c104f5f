#pragma once
// How the validation reads numbers and keyword markers out of cell texts.
#include <string>
#include <string_view>

#include "platform/mfc/afxstr.h"

namespace mirel::validation {

// The leading decimal integer of a cell text: leading blanks skipped, an optional sign, then the
// digits up to the first other character; 0 when there is none. Read as the store reads it, so
// the validation judges the numbers that will be saved. Clamped to the range of int.
int CellInt(std::string_view text);
inline int CellInt(const std::string& text) { return CellInt(std::string_view(text)); }
inline int CellInt(const CString& text) { return CellInt(text.view()); }

// "MATH-OP", "RELOP" or "STRINGOP", in any letter case.
bool IsOperatorKeyword(std::string_view keyword);

// Upper case of the ASCII letters (keywords and titles are compared that way).
std::string Folded(std::string_view text);

}  // namespace mirel::validation
