// Natural order and numbers as written on parts: what the importers and the engine share.
#include <gtest/gtest.h>

#include "design/Text.h"

namespace mirel::design {
namespace {

TEST(NaturalOrder, ComparesDigitRunsByValueAndTextWithoutCase) {
  const char* ascending[] = {"", "1", "2", "10", "R", "R2", "R10", "R10A", "r10b", "RA", "U1.2", "U1.10"};
  for (std::size_t i = 0; i + 1 < std::size(ascending); ++i) {
    EXPECT_LT(NaturalCompare(ascending[i], ascending[i + 1]), 0) << ascending[i] << " < " << ascending[i + 1];
    EXPECT_GT(NaturalCompare(ascending[i + 1], ascending[i]), 0) << ascending[i + 1] << " > " << ascending[i];
  }
  EXPECT_EQ(NaturalCompare("c007", "C7"), 0);  // leading zeros and case do not matter
  EXPECT_EQ(NaturalCompare("99999999999999999999999", "99999999999999999999999"), 0);  // beyond any int
  EXPECT_LT(NaturalCompare("99999999999999999999998", "99999999999999999999999"), 0);
}

TEST(ParseQuantity, ReadsPrefixesRkmAndUnits) {
  struct Case { const char* text; double value; const char* unit; };
  const Case cases[] = {
      {"100n", 100e-9, ""},  {"0.1uF", 0.1e-6, "F"}, {"100nF", 100e-9, "F"}, {"4k7", 4700, ""},
      {"2R2", 2.2, ""},      {"R47", 0.47, ""},      {"4700", 4700, ""},     {"10K", 10000, ""},
      {"1M", 1e6, ""},       {"2.2µF", 2.2e-6, "F"}, {"47pF", 47e-12, "F"}, {"0R", 0, "R"},
      {"-5V", -5, "V"},      {"1F", 1, "F"},         {"10mH", 10e-3, "H"},  {"16MHz", 16e6, "Hz"},
      {"1k5Ω", 1500, "Ω"},   {"+3.3V", 3.3, "V"},
  };
  for (const Case& c : cases) {
    const auto q = ParseQuantity(c.text);
    ASSERT_TRUE(q) << c.text;
    EXPECT_DOUBLE_EQ(q->value, c.value) << c.text;
    EXPECT_EQ(q->unit, c.unit) << c.text;
  }
  // Written differently, read the same (one rounding, so == holds).
  EXPECT_EQ(ParseQuantity("100n")->value, ParseQuantity("0.1u")->value);
  EXPECT_EQ(ParseQuantity("4k7")->value, ParseQuantity("4.7k")->value);
}

TEST(ParseQuantity, RefusesWhatIsNotANumber) {
  for (const char* text : {"", "DNP", "abc", "1e3", "10 k", "4.7k7", "1..2", "k7", "10kQ", "0.1uFF"})
    EXPECT_FALSE(ParseQuantity(text)) << text;
}

}  // namespace
}  // namespace mirel::design
