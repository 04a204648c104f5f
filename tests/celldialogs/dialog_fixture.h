#pragma once
// The library's resources in the chain and a scripted interaction service for one test; every
// answer queued must be used.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/mfc/afxwin.h"
#include "platform/mfc/scripted.h"
#include "resources/library_resources.h"

namespace celltest {

class DialogTest : public ::testing::Test {
 protected:
  DialogTest() : m_scope(script) { mirel::AddResourceModule(mirel::LibraryResources()); }
  ~DialogTest() override { EXPECT_EQ(script.PendingAnswers(), 0u) << "answers left unused"; }

  static CComboBox& Combo(CDialog& dialog, int id) { return *dynamic_cast<CComboBox*>(dialog.GetDlgItem(id)); }
  static std::vector<std::string> Items(CDialog& dialog, int id) {
    std::vector<std::string> items;
    for (const ListItem& item : Combo(dialog, id).Items()) items.push_back(item.text);
    return items;
  }
  static std::string Text(CDialog& dialog, int id) { return dialog.GetDlgItem(id)->GetWindowTextString().str(); }

  mirel::ScriptedInteraction script;

 private:
  mirel::ScopedInteraction m_scope;
};

}  // namespace celltest
