#include <gtest/gtest.h>

#include "platform/grid/gxclip.h"
#include "platform/grid/gxrange.h"

namespace {

TEST(Range, CornersAreOrderedAndKindsExpandToCells) {
  CGXRange r(5, 6, 2, 3);
  EXPECT_EQ(r.top, 2u);
  EXPECT_EQ(r.left, 3u);
  EXPECT_EQ(r.bottom, 5u);
  EXPECT_EQ(r.right, 6u);
  EXPECT_EQ(r.GetWidth(), 4u);

  EXPECT_EQ(CGXRange().SetRows(3, 4).GetCellsIn(1, 1, 11, 10), CGXRange(3, 1, 4, 10));
  EXPECT_EQ(CGXRange().SetCols(2).GetCellsIn(1, 1, 11, 10), CGXRange(1, 2, 11, 2));
  EXPECT_EQ(CGXRange().SetTable().GetCellsIn(1, 1, 11, 10), CGXRange(1, 1, 11, 10));
  EXPECT_EQ(CGXRange(9, 9, 20, 20).GetCellsIn(1, 1, 11, 10), CGXRange(9, 9, 11, 10));
  EXPECT_FALSE(CGXRange(12, 1).GetCellsIn(1, 1, 11, 10).IsValid());
  EXPECT_FALSE(CGXRange().IsValid());
}

TEST(Range, MembershipIntersectionUnion) {
  const CGXRange a(1, 1, 3, 3);
  EXPECT_TRUE(a.IsCellInRange(3, 1));
  EXPECT_FALSE(a.IsCellInRange(4, 1));
  EXPECT_TRUE(a.Intersects(CGXRange(3, 3, 9, 9)));
  EXPECT_FALSE(a.Intersects(CGXRange(4, 1, 9, 9)));
  EXPECT_FALSE(a.Intersects(CGXRange()));
  CGXRange u = a;
  u.UnionRange(CGXRange(5, 0));
  EXPECT_EQ(u, CGXRange(1, 0, 5, 3));
  CGXRangeList list;
  list.Add(CGXRange());
  EXPECT_TRUE(list.IsEmpty());
  list.Add(a);
  list.Add(CGXRange().SetCols(7));
  EXPECT_TRUE(list.IsCellInList(100, 7));
  EXPECT_FALSE(list.IsCellInList(100, 6));
}

struct SplitCase {
  const char* name;
  const char* text;
  gx::TextTable expected;
};

const SplitCase kSplitCases[] = {
    {"Empty", "", {}},
    {"OneCell", "REFDES", {{"REFDES"}}},
    {"TabsAndNewlines", "a\tb\nc\td", {{"a", "b"}, {"c", "d"}}},
    {"WindowsLineEnds", "a\tb\r\nc\td\r\n", {{"a", "b"}, {"c", "d"}}},
    {"OldMacLineEnds", "a\rb", {{"a"}, {"b"}}},
    {"FinalBreakStartsNoRow", "x\n", {{"x"}}},
    {"EmptyCellsKept", "\tb\t\n", {{"", "b", ""}}},
    {"EmptyRowInTheMiddle", "a\n\nb", {{"a"}, {""}, {"b"}}},
    {"RaggedRows", "a\tb\tc\nd", {{"a", "b", "c"}, {"d"}}},
    {"QuotedCellKeepsTabAndBreak", "\"x\ty\"\t\"1\r\n2\"", {{"x\ty", "1\r\n2"}}},
    {"DoubledQuoteInQuotes", "\"say \"\"hi\"\"\"", {{"say \"hi\""}}},
    {"QuoteNotAtStartIsText", "a\"b\tc", {{"a\"b", "c"}}},
    {"UnclosedQuoteIsText", "\"abc\tx", {{"\"abc", "x"}}},
    {"QuoteFollowedByTextIsText", "\"a\"b\tc", {{"\"a\"b", "c"}}},
    {"PercentSignsAreText", "%s%n\t%d", {{"%s%n", "%d"}}},
};

class SplitTabText : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitTabText, Splits) { EXPECT_EQ(gx::SplitTabText(GetParam().text), GetParam().expected); }

TEST_P(SplitTabText, JoinedAgainSplitsTheSame) {
  const gx::TextTable& table = GetParam().expected;
  EXPECT_EQ(gx::SplitTabText(gx::JoinTabText(table)), table);
}

INSTANTIATE_TEST_SUITE_P(Texts, SplitTabText, testing::ValuesIn(kSplitCases),
                         [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(Clipboard, InstalledOneIsUsedAndNullRestoresTheBuffer) {
  struct Fake : IGXClipboard {
    CString text;
    BOOL SetText(const CString& t) override { text = t; return TRUE; }
    BOOL GetText(CString& t) override { t = text; return TRUE; }
    BOOL HasText() override { return TRUE; }
  } fake;
  SetGridClipboard(&fake);
  GridClipboard().SetText("in fake");
  EXPECT_EQ(fake.text, "in fake");
  SetGridClipboard(nullptr);
  EXPECT_NE(&GridClipboard(), static_cast<IGXClipboard*>(&fake));
}

TEST(DataObject, OffersTextOnlyWhenItHasSome) {
  EXPECT_FALSE(CGXDataObject().IsDataAvailable(GX_CF_TEXT));
  EXPECT_TRUE(CGXDataObject("REFDES").IsDataAvailable(GX_CF_TEXT));
  EXPECT_FALSE(CGXDataObject("REFDES").IsDataAvailable(2));
}

}  // namespace
