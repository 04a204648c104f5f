// The resource chain and the library's own resources.
#include <gtest/gtest.h>

#include "platform/mfc/afxwin.h"
#include "resources/library_resources.h"

namespace {

TEST(ResourceChain, SearchesModulesInTheOrderTheyWereAdded) {
  mirel::ResourceModule first("first"), second("second");
  first.AddString(1, "one from first");
  second.AddString(1, "one from second");
  second.AddString(2, "two");
  second.AddDialog({.id = 77, .caption = "Seventy-seven"});
  EXPECT_TRUE(mirel::AddResourceModule(first));
  EXPECT_TRUE(mirel::AddResourceModule(second));
  EXPECT_FALSE(mirel::AddResourceModule(first));
  EXPECT_EQ(mirel::LoadString(1), "one from first");
  EXPECT_EQ(mirel::LoadString(2), "two");
  ASSERT_NE(mirel::FindDialogTemplate(77), nullptr);
  EXPECT_EQ(mirel::FindDialogTemplate(77)->caption, "Seventy-seven");
  CString text;
  EXPECT_TRUE(text.LoadString(2));
  EXPECT_EQ(text, CString("two"));
  EXPECT_TRUE(mirel::RemoveResourceModule(first));
  EXPECT_FALSE(mirel::RemoveResourceModule(first));
  EXPECT_EQ(mirel::LoadString(1), "one from second");
  EXPECT_TRUE(mirel::RemoveResourceModule(second));
  EXPECT_EQ(mirel::LoadString(2), std::nullopt);
  EXPECT_FALSE(text.LoadString(2));
  EXPECT_EQ(text, CString("two"));
  EXPECT_EQ(mirel::FindDialogTemplate(77), nullptr);
}

TEST(ResourceChain, TemplateBuildersImplyTheResourceScriptStyles) {
  using namespace mirel;
  EXPECT_EQ(EditText(1, {}).style, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT);
  EXPECT_EQ(LText("x", -1, {}).style, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT);
  EXPECT_EQ(ComboBox(1, {}, CBS_DROPDOWN).style & CBS_TYPEMASK, CBS_DROPDOWN);  // not ORed with the simple default
  EXPECT_EQ(ComboBox(1, {}).style & CBS_TYPEMASK, CBS_SIMPLE);
  EXPECT_EQ(DefPushButton("OK", 1, {}).style & BS_TYPEMASK, BS_DEFPUSHBUTTON);
  const ControlTemplate hidden = PushButton("OK", 1, {}).HiddenDisabled();
  EXPECT_FALSE(hidden.style & WS_VISIBLE);
  EXPECT_TRUE(hidden.style & WS_DISABLED);
}

TEST(LibraryResources, CarryTheEditMenuAndTheStringTable) {
  const mirel::ResourceModule& module = mirel::LibraryResources();
  EXPECT_EQ(&module, &mirel::LibraryResources());
  ASSERT_NE(module.FindMenu(1061), nullptr);
  for (UINT id : {1078u, 1079u, 1080u, 32776u, 32777u}) EXPECT_NE(module.FindString(id), nullptr) << id;
  EXPECT_EQ(*module.FindString(1078), "Sub-Column Definition");
}

}  // namespace
