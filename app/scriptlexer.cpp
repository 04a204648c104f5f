#include "app/scriptlexer.h"

namespace mirel::cli {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// What a backslash and the next character stand for inside quotes; 0 when they stand for
// themselves.
char Escaped(char next) {
  switch (next) {
    case '"': return '"';
    case '\\': return '\\';
    case 'n': return '\n';
    case 't': return '\t';
    default: return 0;
  }
}
}  // namespace

LexResult SplitScriptLine(std::string_view line) {
  LexResult result;
  size_t i = 0;
  const size_t n = line.size();
  while (true) {
    while (i < n && IsBlank(line[i])) ++i;
    if (i >= n) break;
    std::string word;
    while (i < n && !IsBlank(line[i])) {
      if (line[i] != '"') {
        word += line[i++];
        continue;
      }
      const size_t open = i++;
      bool closed = false;
      while (i < n) {
        const char c = line[i];
        if (c == '"') {
          closed = true;
          ++i;
          break;
        }
        if (c == '\\' && i + 1 < n) {
          if (const char escaped = Escaped(line[i + 1])) {
            word += escaped;
            i += 2;
            continue;
          }
        }
        word += c;
        ++i;
      }
      if (!closed) {
        result.words.clear();
        result.error = "the quote at position " + std::to_string(open + 1) + " is not closed";
        return result;
      }
    }
    result.words.push_back(std::move(word));
  }
  return result;
}

std::string QuoteWord(std::string_view word) {
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '\n') {
      quoted += "\\n";
    } else if (c == '\t') {
      quoted += "\\t";
    } else {
      if (c == '"' || c == '\\') quoted += '\\';
      quoted += c;
    }
  }
  quoted += '"';
  return quoted;
}

}  // namespace mirel::cli
