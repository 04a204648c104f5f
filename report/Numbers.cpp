#include "report/Numbers.h"

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "design/Text.h"

namespace mirel::report {

std::optional<double> ReadNumber(std::string_view text) {
  const std::optional<design::Quantity> quantity = design::ParseQuantity(text);
  if (!quantity || !std::isfinite(quantity->value)) return std::nullopt;
  return quantity->value;
}

std::string FormatNumber(double value) {
  if (!std::isfinite(value)) return "";
  if (value == 0) return "0";
  const int exponent = int(std::floor(std::log10(std::fabs(value))));
  constexpr int kDigits = 9;
  std::string text;
  if (exponent >= kDigits - 1) {
    // The nine digits as rounded, then zeros: "%.0f" would print the binary value's own digits.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", kDigits - 1, value);
    const std::string scientific = buffer;
    const size_t e = scientific.find('e');
    const int power = std::atoi(scientific.c_str() + e + 1);
    for (char c : scientific.substr(0, e))
      if (c != '.') text += c;
    const size_t digits = text.size() - (text[0] == '-' ? 1 : 0);
    text.append(size_t(std::max(0, power + 1 - int(digits))), '0');
  } else {
    const int decimals = kDigits - 1 - exponent;
    if (decimals > 340) return "0";
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    text = buffer;
    if (text.find('.') != std::string::npos) {
      while (text.back() == '0') text.pop_back();
      if (text.back() == '.') text.pop_back();
    }
  }
  if (text == "-0") return "0";
  return text;
}

}  // namespace mirel::report
