#include "design/Text.h"

#include <array>
#include <charconv>

namespace mirel::design {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view NextPiece(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  const bool digits = IsDigit(text[at]);
  while (at < text.size() && IsDigit(text[at]) == digits) ++at;
  return text.substr(start, at - start);
}

int CompareDigits(std::string_view a, std::string_view b) {
  while (a.size() > 1 && a.front() == '0') a.remove_prefix(1);
  while (b.size() > 1 && b.front() == '0') b.remove_prefix(1);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

int CompareNoCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = static_cast<unsigned char>(Lower(a[i]));
    const unsigned char y = static_cast<unsigned char>(Lower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// Reads digits with at most one decimal point; false when there is no digit at all.
bool ReadDecimal(std::string_view text, std::size_t& at, std::string& out, bool allowPoint) {
  bool any = false, point = false;
  while (at < text.size()) {
    const char c = text[at];
    if (IsDigit(c)) {
      any = true;
    } else if (c == '.' && allowPoint && !point) {
      point = true;
    } else {
      break;
    }
    out += c;
    ++at;
  }
  return any;
}

// SI prefix at `at` (µ and μ are two bytes in UTF-8): its power of ten, and its length.
bool ReadPrefix(std::string_view text, std::size_t at, int& power, std::size_t& length) {
  struct Prefix { std::string_view text; int power; };
  static constexpr std::array<Prefix, 10> kPrefixes{{{"p", -12}, {"n", -9}, {"u", -6}, {"\xC2\xB5", -6},
                                                     {"\xCE\xBC", -6}, {"m", -3}, {"k", 3}, {"K", 3},
                                                     {"M", 6}, {"G", 9}}};
  for (const Prefix& prefix : kPrefixes) {
    if (text.substr(at).starts_with(prefix.text)) {
      power = prefix.power;
      length = prefix.text.size();
      return true;
    }
  }
  return false;
}

bool IsUnit(std::string_view text) {
  static constexpr std::array<std::string_view, 11> kUnits{"F", "H", "\xCE\xA9", "R", "ohm", "Ohm", "V", "A",
                                                           "W", "Hz", "s"};
  for (std::string_view unit : kUnits)
    if (text == unit) return true;
  return false;
}

// The decimal times ten to `power`, rounded once: "100n" and "0.1u" give the same double. Locale
// independent, unlike stod under a C locale that a GUI toolkit may have changed.
double Read(const std::string& decimal, int power) {
  std::string text = decimal.front() == '+' ? decimal.substr(1) : decimal;
  if (text.back() == '.') text.pop_back();
  text += 'e' + std::to_string(power);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value == 0 ? 0 : value;  // no negative zero
}

}  // namespace

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

std::string Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

int NaturalCompare(std::string_view a, std::string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    const std::string_view x = NextPiece(a, i);
    const std::string_view y = NextPiece(b, j);
    const bool xd = IsDigit(x.front()), yd = IsDigit(y.front());
    if (xd != yd) return xd ? -1 : 1;
    const int order = xd ? CompareDigits(x, y) : CompareNoCase(x, y);
    if (order != 0) return order;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

std::optional<Quantity> ParseQuantity(std::string_view text) {
  std::size_t at = 0;
  std::string number;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) number += text[at++];
  // RKM with the mark first: "R47" is 0.47.
  if (at + 1 < text.size() && text[at] == 'R' && IsDigit(text[at + 1])) {
    ++at;
    number += "0.";
    ReadDecimal(text, at, number, false);
    const std::string_view unit = text.substr(at);
    if (!unit.empty() && !IsUnit(unit)) return std::nullopt;
    return Quantity{Read(number, 0), std::string(unit)};
  }
  if (!ReadDecimal(text, at, number, true)) return std::nullopt;
  const bool hadPoint = number.find('.') != std::string::npos;

  int power = 0;
  std::size_t prefixLength = 0;
  const bool rkmR = at < text.size() && text[at] == 'R' && at + 1 < text.size() && IsDigit(text[at + 1]);
  if (rkmR || ReadPrefix(text, at, power, prefixLength)) {
    if (rkmR) prefixLength = 1;
    const std::size_t afterPrefix = at + prefixLength;
    std::string fraction;
    std::size_t probe = afterPrefix;
    // RKM: the prefix stands for the decimal point ("4k7"); not after a written point.
    if (ReadDecimal(text, probe, fraction, false)) {
      if (hadPoint) return std::nullopt;
      number += '.';
      number += fraction;
      at = probe;
    } else if (!IsUnit(text.substr(at)) || rkmR) {
      at = afterPrefix;
    } else {
      power = 0;  // "1F", "2H": a unit, not a prefix
    }
  }

  const std::string_view unit = text.substr(at);
  if (!unit.empty() && !IsUnit(unit)) return std::nullopt;

  return Quantity{Read(number, power), std::string(unit)};
}

}  // namespace mirel::design
