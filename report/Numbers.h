#pragma once
// Numbers as operands read them and as MATH-OP prints them.
#include <optional>
#include <string>
#include <string_view>

namespace mirel::report {

// One number (plain decimal, SI prefix or RKM, optional unit and sign), or nothing.
std::optional<double> ReadNumber(std::string_view text);

// Up to 9 significant digits, no trailing zeros, never in exponent form; "-0" prints "0".
std::string FormatNumber(double value);

}  // namespace mirel::report
