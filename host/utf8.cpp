#include "host/utf8.h"

#include <cstdint>
#include <cstring>

namespace mirel {

std::optional<size_t> FindInvalidUtf8(std::string_view text) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  size_t i = 0;
  while (i < n) {
    // Mostly ASCII: eight bytes at a time while no byte has its high bit.
    while (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, s + i, 8);
      if (word & 0x8080808080808080ull) break;
      i += 8;
    }
    if (i == n) break;
    const unsigned char c = s[i];
    if (c < 0x80) { ++i; continue; }
    size_t len = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) len = 2;
    else if (c == 0xE0) { len = 3; lo = 0xA0; }
    else if (c >= 0xE1 && c <= 0xEC) len = 3;
    else if (c == 0xED) { len = 3; hi = 0x9F; }  // no surrogates
    else if (c >= 0xEE && c <= 0xEF) len = 3;
    else if (c == 0xF0) { len = 4; lo = 0x90; }
    else if (c >= 0xF1 && c <= 0xF3) len = 4;
    else if (c == 0xF4) { len = 4; hi = 0x8F; }  // nothing above U+10FFFF
    else return i;
    if (i + len > n) return i;
    if (s[i + 1] < lo || s[i + 1] > hi) return i;
    for (size_t k = 2; k < len; ++k)
      if (s[i + k] < 0x80 || s[i + k] > 0xBF) return i;
    i += len;
  }
  return std::nullopt;
}

TextPosition PositionOf(std::string_view text, size_t offset) {
  if (offset > text.size()) offset = text.size();
  TextPosition pos;
  for (size_t i = 0; i < offset; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '\n') {
      ++pos.line;
      pos.column = 1;
    } else if ((c & 0xC0) != 0x80) {  // continuation bytes belong to the character before
      ++pos.column;
    }
  }
  return pos;
}

}  // namespace mirel
