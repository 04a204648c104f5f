#pragma once
// Text rules shared by the edit and combo controls.
#include <string>
#include <string_view>

namespace mirel::text {

std::string ToUpperAscii(std::string text);
std::string ToLowerAscii(std::string text);
// At most `limit` bytes, never splitting a UTF-8 sequence.
std::string CutToLimit(std::string text, size_t limit);
// The text up to its first line break.
std::string FirstLine(std::string_view text);
// Every line break written as "\r\n".
std::string WithCrLf(std::string_view text);

}  // namespace mirel::text
