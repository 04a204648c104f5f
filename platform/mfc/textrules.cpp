#include "platform/mfc/textrules.h"

#include "platform/mfc/nocase.h"

namespace mirel::text {

std::string ToUpperAscii(std::string text) {
  for (char& c : text) c = FoldCase(c);
  return text;
}

std::string ToLowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return text;
}

std::string CutToLimit(std::string text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;  // inside a sequence
  text.resize(end);
  return text;
}

std::string FirstLine(std::string_view text) {
  const size_t end = text.find_first_of("\r\n");
  return std::string(text.substr(0, end));
}

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace mirel::text
