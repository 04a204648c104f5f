#include <gtest/gtest.h>

#include <limits>

#include "platform/mfc/afxstr.h"

using mirel::SafeFormat;

TEST(SafeFormat, FormatsTypedArguments) {
  EXPECT_EQ(SafeFormat("%s_%d", {"REFDES", 3}), "REFDES_3");
  EXPECT_EQ(SafeFormat("[%5s|%-3d|%03d]", {"ab", 7, 5}), "[   ab|7  |005]");
  EXPECT_EQ(SafeFormat("%x %c %.2f %%", {255, 'A', 1.5}), "ff A 1.50 %");
}

TEST(SafeFormat, HostileArgumentsAreShownAsTyped) {
  EXPECT_EQ(SafeFormat("Keyword %s is unknown", {"%s%n%d"}), "Keyword %s%n%d is unknown");
}

TEST(SafeFormat, NeverReadsPastTheArguments) {
  EXPECT_EQ(SafeFormat("%s and %s and %d", {"one"}), "one and  and ");
  EXPECT_EQ(SafeFormat("%n%p", {1, 2}), "%n%p");
  EXPECT_EQ(SafeFormat("trailing %", {}), "trailing %");
}

TEST(SafeFormat, MismatchedTypesStillFormat) {
  EXPECT_EQ(SafeFormat("%d|%s", {"abc", 12}), "abc|12");
}

TEST(SafeFormat, RealOutOfIntegerRangeIsShownNotConverted) {
  EXPECT_EQ(SafeFormat("%d", {1e300}), "1e+300");
  EXPECT_EQ(SafeFormat("%5x|%u", {-1e300, std::numeric_limits<double>::quiet_NaN()}), "-1e+300|nan");
  EXPECT_EQ(SafeFormat("%d|%d", {9.2233720368547758e18, -9.2233720368547758e18}), "9.22337e+18|-9223372036854775808");
  EXPECT_EQ(SafeFormat("%d", {-2.9}), "-2");
}

TEST(SafeFormat, NegativeStarPrecisionMeansNone) {
  EXPECT_EQ(SafeFormat("[%.*d|%.*s|%-*d]", {-3, 42, -1, "text", -4, 7}), "[42|text|7   ]");
}

TEST(SafeFormat, HugeWidthsAreBounded) {
  EXPECT_LE(SafeFormat("%999999999s", {"x"}).size(), 10000u);
  EXPECT_LE(SafeFormat("%*s", {1 << 30, "x"}).size(), 10000u);
}

TEST(CStringFormat, UsesSafeFormatting) {
  CString s;
  const CString op(">=");
  s.Format("%s%s%s", "A", op, "B");
  EXPECT_EQ(s, "A>=B");
}
