#pragma once
// UTF-8 checks and text positions for the readers' error messages.
#include <cstddef>
#include <optional>
#include <string_view>

namespace mirel {

// Byte offset of the first byte that does not belong to well-formed UTF-8 (overlong forms,
// surrogates and code points above U+10FFFF included), or nothing when the text is valid.
std::optional<size_t> FindInvalidUtf8(std::string_view text);
inline bool IsValidUtf8(std::string_view text) { return !FindInvalidUtf8(text).has_value(); }

struct TextPosition {
  int line = 1;    // 1-based
  int column = 1;  // 1-based, in characters
};
// The line and column of a byte offset (an offset past the end is the position after the text).
TextPosition PositionOf(std::string_view text, size_t offset);

}  // namespace mirel
