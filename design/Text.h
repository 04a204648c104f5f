#pragma once
// Text rules shared by the importers and the report engine: comparison without regard to case,
// natural order, and numbers as designers write them on parts.
#include <optional>
#include <string>
#include <string_view>

namespace mirel::design {

// ASCII case folding only: names and references are ASCII in practice, and UTF-8 bytes above
// 0x7F compare as they are.
bool EqualNoCase(std::string_view a, std::string_view b);
std::string Trim(std::string_view text);

// Natural order: texts compared piece by piece, a piece being a run of digits or a run of other
// characters; digits before other characters, digit runs by value, other runs without regard to
// case, and the shorter text first when one begins the other (R2 < R10 < R10A < RA).
// Negative, zero or positive, as strcmp.
int NaturalCompare(std::string_view a, std::string_view b);
inline bool NaturalLess(std::string_view a, std::string_view b) { return NaturalCompare(a, b) < 0; }

// A number as written on a part: an optional sign, a plain decimal ("0.1", "4700"), or with an
// SI prefix (p n u µ μ m k K M G: "100n", "0.1u"), or RKM ("4k7", "2R2", "R47"), then an optional
// unit (F H Ω R ohm V A W Hz s). No exponents, no blanks. "100n", "0.1uF" and "100nF" read the
// same; `unit` is the unit as written ("" when none).
struct Quantity {
  double value = 0;
  std::string unit;
};
std::optional<Quantity> ParseQuantity(std::string_view text);

}  // namespace mirel::design
