#include "host/operatorexpression.h"

#include <array>
#include <cctype>
#include <optional>
#include <vector>

#include "platform/mfc/nocase.h"

namespace mirel {

namespace {

constexpr std::array<std::string_view, 3> kMarkers = {"MATH-OP", "RELOP", "STRINGOP"};
constexpr std::array<std::string_view, 3> kTwoCharacter = {"<=", ">=", "!="};
constexpr std::string_view kOperatorCharacters = "+-*/=<>!.";

bool Allows(OperatorKind kind, std::string_view op) {
  switch (kind) {
    case OperatorKind::kAny: return true;
    case OperatorKind::kMath: return op == "+" || op == "-" || op == "*" || op == "/";
    case OperatorKind::kString: return op == ".";
    case OperatorKind::kRelational:
      return op == "<" || op == "<=" || op == "=" || op == ">=" || op == ">" || op == "!=";
  }
  return false;
}

struct Candidate {
  size_t position = 0, length = 0;
};

std::vector<Candidate> Candidates(std::string_view text, OperatorKind kind) {
  std::vector<Candidate> found;
  for (size_t i = 0; i < text.size(); ++i) {
    bool two = false;
    for (std::string_view op : kTwoCharacter) {
      if (text.substr(i, 2) != op) continue;
      if (Allows(kind, op)) found.push_back({i, 2});
      two = true;
    }
    if (two) {
      ++i;  // its second character is no operator of its own
      continue;
    }
    const std::string_view one = text.substr(i, 1);
    if (one != "!" && kOperatorCharacters.find(one) != std::string_view::npos && Allows(kind, one))
      found.push_back({i, 1});
  }
  return found;
}

bool IsLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// A number as operands are written: a sign, then a digit (or a point and a digit), then digits,
// letters (prefixes, RKM, units) and points. Bytes above 0x7F (µ, Ω) count as letters.
bool IsNumber(std::string_view text) {
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  if (text.empty()) return false;
  const bool starts = IsDigit(text[0]) || (text[0] == '.' && text.size() > 1 && IsDigit(text[1]));
  if (!starts) return false;
  for (char c : text)
    if (!(IsDigit(c) || IsLetter(c) || c == '.' || static_cast<unsigned char>(c) >= 0x80)) return false;
  return true;
}

bool IsSound(std::string_view operand, const IsOperandName& isName) {
  if (operand.empty()) return false;
  for (std::string_view marker : kMarkers)
    if (EqualsNoCase(operand, marker)) return true;
  if (isName && isName(operand)) return true;
  return IsNumber(operand) || operand.find_first_of(kOperatorCharacters) == std::string_view::npos;
}

// A hyphen between two letters reads as part of a word before it reads as a minus.
bool IsWordHyphen(std::string_view text, const Candidate& c) {
  return c.length == 1 && text[c.position] == '-' && c.position > 0 && c.position + 1 < text.size() &&
         IsLetter(text[c.position - 1]) && IsLetter(text[c.position + 1]);
}

int Score(std::string_view text, const Candidate& c, const IsOperandName& isName) {
  const std::string_view left = text.substr(0, c.position);
  const std::string_view right = text.substr(c.position + c.length);
  if (left.empty() || right.empty()) return -1;
  return int(IsSound(left, isName)) + int(IsSound(right, isName));
}

}  // namespace

OperatorKind OperatorKindOf(std::string_view keyword) {
  if (EqualsNoCase(keyword, "MATH-OP")) return OperatorKind::kMath;
  if (EqualsNoCase(keyword, "RELOP")) return OperatorKind::kRelational;
  if (EqualsNoCase(keyword, "STRINGOP")) return OperatorKind::kString;
  return OperatorKind::kAny;
}

OperatorExpression SplitOperatorExpression(std::string_view expression, const IsOperandName& isName,
                                           OperatorKind kind) {
  std::optional<Candidate> best;
  int bestScore = 0;
  bool bestWeak = false;
  for (const Candidate& c : Candidates(expression, kind)) {
    const int score = Score(expression, c, isName);
    const bool weak = IsWordHyphen(expression, c);
    if (!best || score > bestScore || (score == bestScore && bestWeak && !weak)) {
      best = c;
      bestScore = score;
      bestWeak = weak;
    }
  }
  if (!best) return {};
  return {std::string(expression.substr(0, best->position)), std::string(expression.substr(best->position, best->length)),
          std::string(expression.substr(best->position + best->length))};
}

}  // namespace mirel
