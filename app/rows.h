#pragma once
// The attribute rows of the query grid as the command line names them: by label ("Keyword",
// "Qualifier Value" ..., without regard to letter case) or by number (1 to 11).
#include <optional>
#include <string>
#include <string_view>

#include "platform/mfc/afxtypes.h"

namespace mirel::cli {

inline constexpr ROWCOL kFirstRow = 1;
inline constexpr ROWCOL kLastRow = 11;

// A whole number written with digits only ("007" is 7), below 2^31; nothing otherwise.
std::optional<ROWCOL> ParseNumber(std::string_view word);
// A row by label or number; nothing for anything else (0, 12, "Keywords").
std::optional<ROWCOL> ParseRow(std::string_view word);
// The label of rows 1 to 11; "" for any other.
std::string RowLabel(ROWCOL row);

}  // namespace mirel::cli
