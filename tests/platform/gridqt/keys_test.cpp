// Keys reach the core's ProcessKeys with their virtual-key codes and modifiers.
#include <gtest/gtest.h>

#include "sample_grid.h"

namespace gridqt_test {
namespace {

struct KeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  UINT vk;
  UINT mods;
};

class KeysReachProcessKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeysReachProcessKeys, AsVirtualKeys) {
  SampleGrid grid;
  mirel::gridqt::GridView view(grid);
  grid.SetCurrentCell(kTitle, 3);
  QTest::keyClick(&view, GetParam().key, GetParam().modifiers);
  ASSERT_FALSE(grid.keys.empty()) << GetParam().name;
  EXPECT_EQ(grid.keys.back().nChar, GetParam().vk) << GetParam().name;
  EXPECT_EQ(grid.keys.back().nModifiers, GetParam().mods) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeysReachProcessKeys,
    ::testing::Values(KeyCase{"Tab", Qt::Key_Tab, Qt::NoModifier, GX_VK_TAB, 0},
                      KeyCase{"ShiftTab", Qt::Key_Backtab, Qt::ShiftModifier, GX_VK_TAB, GX_MOD_SHIFT},
                      KeyCase{"Enter", Qt::Key_Return, Qt::NoModifier, GX_VK_RETURN, 0},
                      KeyCase{"Left", Qt::Key_Left, Qt::NoModifier, GX_VK_LEFT, 0},
                      KeyCase{"ShiftDown", Qt::Key_Down, Qt::ShiftModifier, GX_VK_DOWN, GX_MOD_SHIFT},
                      KeyCase{"Delete", Qt::Key_Delete, Qt::NoModifier, GX_VK_DELETE, 0},
                      KeyCase{"CtrlC", Qt::Key_C, Qt::ControlModifier, 'C', GX_MOD_CTRL},
                      KeyCase{"CtrlX", Qt::Key_X, Qt::ControlModifier, 'X', GX_MOD_CTRL},
                      KeyCase{"CtrlV", Qt::Key_V, Qt::ControlModifier, 'V', GX_MOD_CTRL},
                      KeyCase{"CtrlZ", Qt::Key_Z, Qt::ControlModifier, 'Z', GX_MOD_CTRL},
                      KeyCase{"CtrlY", Qt::Key_Y, Qt::ControlModifier, 'Y', GX_MOD_CTRL}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(Keys, TabAndArrowsMoveTheCurrentCell) {
  SampleGrid grid;
  mirel::gridqt::GridView view(grid);
  grid.SetCurrentCell(kTitle, 3);
  QTest::keyClick(&view, Qt::Key_Tab);
  EXPECT_TRUE(grid.IsCurrentCell(kTitle, 4));
  QTest::keyClick(&view, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(grid.IsCurrentCell(kTitle, 3));
  QTest::keyClick(&view, Qt::Key_Down);
  EXPECT_TRUE(grid.IsCurrentCell(kViewOrder, 3));
  EXPECT_FALSE(view.IsEditing()) << "moving keys start no edit";
}

TEST(Keys, ControlZUndoesTheLastEdit) {
  SampleGrid grid;
  mirel::gridqt::GridView view(grid);
  grid.SetCurrentCell(kTitle, 3);
  ASSERT_TRUE(grid.StoreEditText(kTitle, 3, "Part value"));
  QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(grid.GetValueRowCol(kTitle, 3), "Value");
  QTest::keyClick(&view, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(grid.GetValueRowCol(kTitle, 3), "Part value");
  EXPECT_FALSE(view.IsEditing()) << "control keys are not typing";
}

TEST(Keys, SpaceTogglesACheckBoxInsteadOfEditing) {
  SampleGrid grid;
  mirel::gridqt::GridView view(grid);
  grid.SetCurrentCell(kTotal, 2);
  QTest::keyClick(&view, Qt::Key_Space);
  EXPECT_EQ(grid.GetValueRowCol(kTotal, 2), "1");
  EXPECT_FALSE(view.IsEditing());
}

}  // namespace
}  // namespace gridqt_test
