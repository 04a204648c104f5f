#pragma once
// Words of a `mirel script` line: separated by blanks (spaces, tabs); a word may be written in
// double quotes, inside which \" stands for a quote, \\ for a backslash, \n for a line break and
// \t for a tab (any other backslash is kept as it is, so most Windows paths need no doubling;
// "C:\\new" needs it). Quoted and plain parts next to each other make one word: ab"c d" is the
// word `abc d`; "" is an empty word.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirel::cli {

struct LexResult {
  std::vector<std::string> words;
  std::string error;  // "" when the line was read; else why not (an unterminated quote)
  bool ok() const { return error.empty(); }
};

LexResult SplitScriptLine(std::string_view line);

// The word in the form SplitScriptLine reads back: always quoted, with ", \, line breaks and
// tabs escaped.
std::string QuoteWord(std::string_view word);

}  // namespace mirel::cli
