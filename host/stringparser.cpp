#include "hostapi/zrcontrols.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class Splitter {
 public:
  Splitter(const std::string& text, const CZRParseOptions& options) : m_text(text), m_opt(options) {}

  // One value starting at pos; pos ends on the delimiter after it or at the end of the text.
  std::string Next(size_t& pos) {
    size_t p = pos;
    if (m_opt.m_trimBlanks) p = SkipBlanks(p);
    if (p < m_text.size() && m_text[p] == m_opt.m_quote) {
      std::string value;
      if (Quoted(p, value, pos)) return value;
      // Never closed: the quote is an ordinary character of a plain value.
    }
    return Plain(pos);
  }

 private:
  size_t SkipBlanks(size_t p) const {
    while (p < m_text.size() && IsBlank(m_text[p])) ++p;
    return p;
  }

  bool Quoted(size_t open, std::string& value, size_t& pos) const {
    std::string inner;
    for (size_t q = open + 1; q < m_text.size();) {
      const char c = m_text[q];
      if (m_opt.m_backslashEscapes && c == '\\' && q + 1 < m_text.size()) {
        inner += m_text[q + 1];
        q += 2;
        continue;
      }
      if (c == m_opt.m_quote) {
        if (q + 1 < m_text.size() && m_text[q + 1] == m_opt.m_quote) {
          inner += c;  // a doubled quote is one quote
          q += 2;
          continue;
        }
        size_t after = q + 1;
        if (m_opt.m_trimBlanks) after = SkipBlanks(after);
        if (after == m_text.size() || m_text[after] == m_opt.m_delimiter) {
          value = m_opt.m_removeQuotes ? inner : m_text.substr(open, q + 1 - open);
          pos = after;
          return true;
        }
        inner += c;  // a quote inside the value
        ++q;
        continue;
      }
      inner += c;
      ++q;
    }
    return false;
  }

  std::string Plain(size_t& pos) const {
    size_t p = pos;
    if (m_opt.m_trimBlanks) p = SkipBlanks(p);
    std::string value;
    while (p < m_text.size() && m_text[p] != m_opt.m_delimiter) {
      if (m_opt.m_backslashEscapes && m_text[p] == '\\' && p + 1 < m_text.size()) ++p;
      value += m_text[p++];
    }
    if (m_opt.m_trimBlanks)
      while (!value.empty() && IsBlank(value.back())) value.pop_back();
    pos = p;
    return value;
  }

  const std::string& m_text;
  const CZRParseOptions& m_opt;
};

}  // namespace

int CZRStringParser::Parse(const std::string& text, const CZRParseOptions& options) {
  m_values.clear();
  if (text.empty()) return 0;
  Splitter splitter(text, options);
  size_t pos = 0;
  while (true) {
    std::string value = splitter.Next(pos);
    if (!(options.m_skipEmpty && value.empty())) m_values.push_back(std::move(value));
    if (pos >= text.size()) break;
    ++pos;  // past the delimiter; a delimiter at the end leaves one more, empty, value
  }
  return GetCount();
}

std::string CZRStringParser::Join(const std::list<std::string>& values, char delimiter, char quote) {
  std::string text;
  bool first = true;
  for (const std::string& value : values) {
    if (!first) text += delimiter;
    first = false;
    if (value.find(delimiter) == std::string::npos && value.find(quote) == std::string::npos) {
      text += value;
      continue;
    }
    text += quote;
    for (char c : value) {
      if (c == quote) text += quote;
      text += c;
    }
    text += quote;
  }
  return text;
}
