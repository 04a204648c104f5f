#include <gtest/gtest.h>

#include <functional>

#include "platform/grid/gxstyle.h"

namespace {

struct MergeCase {
  const char* name;
  std::function<CGXStyle()> old;
  std::function<CGXStyle()> change;
  GXModifyType mode;
  std::function<CGXStyle()> expected;
};

CGXStyle Base() {
  return CGXStyle().SetValue("a").SetControl(1048).SetReadOnly(TRUE).SetFont(CGXFont().SetBold(TRUE).SetSize(9))
      .SetUserAttribute(1053, 1L).SetUserAttribute(1079, "name").SetBorders(gxBorderLeft, CGXPen(GX_PS_SOLID));
}

CGXStyle Change() {
  return CGXStyle().SetValue("b").SetInterior(RGB(255, 0, 0)).SetFont(CGXFont().SetBold(FALSE).SetOrientation(900))
      .SetUserAttribute(1053, 0L).SetUserAttribute(57645, 4L).SetBorders(gxBorderTop, CGXPen(GX_PS_DOT));
}

const MergeCase kMergeCases[] = {
    {"OverrideTakesPresentPartsKeepsTheRest", Base, Change, gxOverride,
     [] {
       return CGXStyle().SetValue("b").SetControl(1048).SetReadOnly(TRUE).SetInterior(RGB(255, 0, 0))
           .SetFont(CGXFont().SetBold(FALSE).SetSize(9).SetOrientation(900))
           .SetUserAttribute(1053, 0L).SetUserAttribute(1079, "name").SetUserAttribute(57645, 4L)
           .SetBorders(gxBorderLeft, CGXPen(GX_PS_SOLID)).SetBorders(gxBorderTop, CGXPen(GX_PS_DOT));
     }},
    {"ApplyNewOnlyFillsAbsentParts", Base, Change, gxApplyNew,
     [] {
       return CGXStyle().SetValue("a").SetControl(1048).SetReadOnly(TRUE).SetInterior(RGB(255, 0, 0))
           .SetFont(CGXFont().SetBold(TRUE).SetSize(9).SetOrientation(900))
           .SetUserAttribute(1053, 1L).SetUserAttribute(1079, "name").SetUserAttribute(57645, 4L)
           .SetBorders(gxBorderLeft, CGXPen(GX_PS_SOLID)).SetBorders(gxBorderTop, CGXPen(GX_PS_DOT));
     }},
    {"CopyReplacesEverything", Base, Change, gxCopy, Change},
    {"ExcludeRemovesPresentParts", Base, Change, gxExclude,
     [] {
       return CGXStyle().SetControl(1048).SetReadOnly(TRUE).SetFont(CGXFont().SetSize(9))
           .SetUserAttribute(1079, "name").SetBorders(gxBorderLeft, CGXPen(GX_PS_SOLID));
     }},
    {"ExcludeOfAbsentPartsChangesNothing", [] { return CGXStyle().SetValue("a"); },
     [] { return CGXStyle().SetControl(1).SetUserAttribute(9, 1L); }, gxExclude,
     [] { return CGXStyle().SetValue("a"); }},
    {"OverrideWithEmptyValueKeepsItPresent", [] { return CGXStyle().SetValue("a"); },
     [] { return CGXStyle().SetValue(""); }, gxOverride, [] { return CGXStyle().SetValue(""); }},
    {"ApplyNewIntoEmpty", [] { return CGXStyle(); }, Base, gxApplyNew, Base},
    {"OverrideReadOnlyFalseReplacesTrue", [] { return CGXStyle().SetReadOnly(TRUE).SetEnabled(FALSE); },
     [] { return CGXStyle().SetReadOnly(FALSE); }, gxOverride,
     [] { return CGXStyle().SetReadOnly(FALSE).SetEnabled(FALSE); }},
};

class StyleMerge : public testing::TestWithParam<MergeCase> {};

TEST_P(StyleMerge, GivesExpectedStyle) {
  const MergeCase& c = GetParam();
  CGXStyle style = c.old();
  style.ChangeStyle(c.change(), c.mode);
  EXPECT_EQ(style, c.expected());
}

INSTANTIATE_TEST_SUITE_P(Modes, StyleMerge, testing::ValuesIn(kMergeCases),
                         [](const testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.name); });

TEST(Style, IncludeFlagsFollowSettersAndRemoval) {
  CGXStyle style;
  EXPECT_TRUE(style.IsEmpty());
  EXPECT_FALSE(style.GetIncludeValue());
  style.SetValue("x").SetControl(GX_IDS_CTRL_CHECKBOX).SetWrapText(FALSE).SetAllowEnter(FALSE);
  EXPECT_TRUE(style.GetIncludeValue());
  EXPECT_TRUE(style.GetIncludeControl());
  EXPECT_TRUE(style.GetIncludeWrapText());
  EXPECT_FALSE(style.GetWrapText());
  EXPECT_FALSE(style.GetIncludeReadOnly());
  style.SetIncludeValue(FALSE).SetIncludeControl(FALSE).SetIncludeWrapText(FALSE).SetIncludeAllowEnter(FALSE);
  EXPECT_TRUE(style.IsEmpty());
  EXPECT_EQ(style.GetValue(), "");
}

TEST(Style, RemovedPartsDoNotLeaveHiddenDifferences) {
  CGXStyle a = CGXStyle().SetValue("left over").SetInterior(5);
  a.SetIncludeValue(FALSE).SetIncludeInterior(FALSE);
  EXPECT_EQ(a, CGXStyle());
  CGXStyle b = CGXStyle().SetBorders(gxBorderAll, CGXPen(GX_PS_DOT));
  b.SetIncludeBorders(gxBorderAll, FALSE);
  EXPECT_EQ(b, CGXStyle());
}

TEST(Style, UserAttributesConvertBetweenNumberAndText) {
  CGXStyle style;
  style.SetUserAttribute(1053, 1L).SetUserAttribute(1079, "PINLIST").SetUserAttribute(57645, "12abc");
  EXPECT_TRUE(style.GetIncludeUserAttribute(1053));
  EXPECT_EQ(style.GetUserAttribute(1053).GetLongValue(), 1);
  EXPECT_EQ(style.GetUserAttribute(1053).GetValue(), "1");
  EXPECT_EQ(style.GetUserAttribute(1079).GetValue(), "PINLIST");
  EXPECT_EQ(style.GetUserAttribute(57645).GetLongValue(), 12);
  EXPECT_FALSE(style.GetIncludeUserAttribute(1080));
  EXPECT_EQ(style.GetUserAttribute(1080).GetValue(), "");
  EXPECT_EQ(style.GetUserAttribute(1080).GetLongValue(), 0);
  style.SetIncludeUserAttribute(1053, FALSE);
  EXPECT_FALSE(style.GetIncludeUserAttribute(1053));
}

TEST(Style, UserAttributeOrderDoesNotMatterForEquality) {
  CGXStyle a = CGXStyle().SetUserAttribute(2, 1L).SetUserAttribute(1, "x");
  CGXStyle b = CGXStyle().SetUserAttribute(1, "x").SetUserAttribute(2, 1L);
  EXPECT_EQ(a, b);
  EXPECT_FALSE(a == CGXStyle().SetUserAttribute(1, "x").SetUserAttribute(2, "1"));  // number vs text
}

TEST(Style, TooltipAndEllipsisAreTheLibrarysUserAttributes) {
  CGXStyle style = CGXStyle().SetTooltipText("A+B").SetEllipsisType(GX_ELLIPSIS_DOTS);
  EXPECT_EQ(style.GetUserAttribute(GX_IDS_UA_TOOLTIPTEXT).GetValue(), "A+B");
  EXPECT_EQ(style.GetUserAttribute(52792).GetLongValue(), 1);
  EXPECT_EQ(GX_IDS_UA_TOOLTIPTEXT, 51022u);
}

TEST(Style, CopiesAreDeepAndIndependent) {
  CGXStyle a = Base();
  CGXStyle b = a;
  b.SetBorders(gxBorderLeft, CGXPen(GX_PS_DOT)).SetValue("changed");
  EXPECT_EQ(a.GetBorders(gxBorderLeft).GetStyle(), GX_PS_SOLID);
  EXPECT_EQ(a.GetValue(), "a");
  a = b;
  EXPECT_EQ(a, b);
}

TEST(Style, NumbersAsValues) {
  EXPECT_EQ(CGXStyle().SetValue(3).GetValue(), "3");
  EXPECT_EQ(CGXStyle().SetValue(-12L).GetValue(), "-12");
}

TEST(Style, StaysCompact) {
  // One is stored per cell; a grid of 110,000 cells must not carry heavy ones.
  EXPECT_LE(sizeof(CGXStyle), 104u);
}

TEST(Font, PartsMergeSeparately) {
  CGXFont font = CGXFont().SetBold(TRUE);
  font.ChangeFont(CGXFont().SetOrientation(900), gxOverride);
  EXPECT_TRUE(font.GetBold());
  EXPECT_EQ(font.GetOrientation(), 900);
  EXPECT_FALSE(font.GetIncludeSize());
  font.ChangeFont(CGXFont().SetBold(FALSE), gxExclude);
  EXPECT_FALSE(font.GetIncludeBold());
  EXPECT_TRUE(font.GetIncludeOrientation());
}

}  // namespace
