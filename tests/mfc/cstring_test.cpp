#include <gtest/gtest.h>

#include "platform/mfc/afxstr.h"

TEST(CString, TrimsWhiteSpaceOrGivenCharacters) {
  CString s("  \tA B \r\n");
  EXPECT_EQ(s.Trim(), "A B");
  CString blanks("  x\t ");
  EXPECT_EQ(blanks.Trim(" "), "x\t");
  CString all("   ");
  EXPECT_TRUE(all.Trim().IsEmpty());
}

TEST(CString, CaseFoldsAsciiOnlyAndComparesWithoutCase) {
  CString s("math-op ä");
  EXPECT_EQ(CString(s).MakeUpper(), "MATH-OP ä");
  EXPECT_EQ(s.CompareNoCase("MATH-OP ä"), 0);
  EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
  EXPECT_LT(CString("ab").CompareNoCase("ABC"), 0);
}

TEST(CString, FindsAndSlicesWithinBounds) {
  CString s("A<=B");
  EXPECT_EQ(s.Find("<="), 1);
  EXPECT_EQ(s.Find("<=", 2), -1);
  EXPECT_EQ(s.Find("x", 99), -1);
  EXPECT_EQ(s.Left(1), "A");
  EXPECT_EQ(s.Mid(3), "B");
  EXPECT_EQ(s.Mid(1, 2), "<=");
  EXPECT_EQ(s.Mid(10), "");
  EXPECT_EQ(s.Right(10), "A<=B");
  EXPECT_EQ(s.Left(-1), "");
}

TEST(CString, ReplaceDoesNotLoopOnItsOwnOutput) {
  CString s("aaa");
  EXPECT_EQ(s.Replace("a", "aa"), 3);
  EXPECT_EQ(s, "aaaaaa");
}
