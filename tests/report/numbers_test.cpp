// Numbers as MATH-OP prints them.
#include <gtest/gtest.h>

#include "report/Numbers.h"

namespace {

TEST(NumberTest, NineSignificantDigitsNoTrailingZerosNeverExponents) {
  const std::pair<double, const char*> cases[] = {
      {0, "0"},           {-0.0, "0"},          {1, "1"},
      {4700, "4700"},     {0.1 + 0.2, "0.3"},   {1.0 / 3, "0.333333333"},
      {-2.5, "-2.5"},     {123456789, "123456789"}, {1234567891, "1234567890"},
      {1e20, "100000000000000000000"}, {1e-7, "0.0000001"}, {999999999.7, "1000000000"},
      {-1e-12, "-0.000000000001"}, {12.3456789012, "12.3456789"}, {-0.0000000000000000001, "-0.0000000000000000001"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(mirel::report::FormatNumber(value), text) << value;
}

TEST(NumberTest, OperandsReadPrefixesRkmAndUnits) {
  EXPECT_DOUBLE_EQ(*mirel::report::ReadNumber("4k7"), 4700);
  EXPECT_DOUBLE_EQ(*mirel::report::ReadNumber("100nF"), 1e-7);
  EXPECT_DOUBLE_EQ(*mirel::report::ReadNumber("-2R2"), -2.2);
  EXPECT_FALSE(mirel::report::ReadNumber("1, 2"));
  EXPECT_FALSE(mirel::report::ReadNumber("1e3"));
  EXPECT_FALSE(mirel::report::ReadNumber(""));
}

}  // namespace
