// The property name list and the Select Property dialog.
#include <gtest/gtest.h>

#include "celldialogs/PropNameDlg.h"
#include "querygrid_fixture.h"

using qgtest::Names;
using qgtest::ScriptedTest;
using qgtest::WatchedPropertyServer;

namespace {

// ---- the list ----------------------------------------------------------------------------------

TEST(PropertyList, KindsInOrderFirstOccurrenceWinsExactComparison) {
  WatchedPropertyServer server({{28, {"ROOM", "VARIANT"}},
                                {6, {}},
                                {8, {"VOLTAGE", "voltage", "NET_CLASS"}},
                                {9, {"PIN_TYPE", "VOLTAGE"}},
                                {19, {"PART_NUMBER", "VALUE", "ROOM"}},
                                {10, {"VALUE", "TOLERANCE", "VALUE"}}});
  CStrList* list = nullptr;
  EXPECT_EQ(CPropNameDlg::CreatePQPropList(&server, &list), 9);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"VALUE", "TOLERANCE", "PART_NUMBER", "ROOM", "PIN_TYPE", "VOLTAGE",
                                                   "voltage", "NET_CLASS", "VARIANT"}));
  const std::vector<WatchedPropertyServer::Call> expected{
      {10, false, true, false}, {19, false, true, false}, {9, false, true, false},
      {8, false, true, false},  {6, false, true, false},  {28, false, true, false}};
  EXPECT_EQ(server.calls, expected);
  delete list;
}

TEST(PropertyList, KindsWithoutNamesGiveNothing) {
  WatchedPropertyServer server({{3, {"UNASKED"}}});
  CStrList* list = nullptr;
  EXPECT_EQ(CPropNameDlg::CreatePQPropList(&server, &list), 0);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(server.calls.size(), 6u);
}

TEST(PropertyList, NullServerOrListDoesNothing) {
  CStrList* list = nullptr;
  EXPECT_EQ(CPropNameDlg::CreatePQPropList(nullptr, &list), 0);
  EXPECT_EQ(list, nullptr);
  WatchedPropertyServer server({{10, {"VALUE"}}});
  EXPECT_EQ(CPropNameDlg::CreatePQPropList(&server, nullptr), 0);
  EXPECT_TRUE(server.calls.empty());
}

TEST(PropertyList, AListHandedInAgainGetsOnlyNewNamesAtItsEnd) {
  WatchedPropertyServer server({{10, {"VALUE", "TOLERANCE"}}});
  CStrList* list = new CStrList("TOLERANCE");
  EXPECT_EQ(CPropNameDlg::CreatePQPropList(&server, &list), 1);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"TOLERANCE", "VALUE"}));
  EXPECT_EQ(CPropNameDlg::CreatePQPropList(&server, &list), 0);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"TOLERANCE", "VALUE"}));
  delete list;
}

// ---- the dialog --------------------------------------------------------------------------------

class PropNameDlgTest : public ScriptedTest {
 protected:
  PropNameDlgTest() {
    WatchedPropertyServer server({{10, {"value", "TOLERANCE"}}, {19, {"Part_Number", "VALUE"}}});
    CPropNameDlg::CreatePQPropList(&server, &names);
  }
  ~PropNameDlgTest() override { delete names; }

  // Types `text` into the name box and presses OK.
  static mirel::ScriptedInteraction::DialogScript TypeAndOk(std::string text) {
    return [text](CDialog& dialog) {
      mirel::script::Type(dialog, CPropNameDlg::kNameComboId, text);
      mirel::script::Click(dialog, IDOK);
    };
  }

  CStrList* names = nullptr;
};

TEST_F(PropNameDlgTest, OffersTheNamesSortedInUpperCase) {
  std::vector<std::string> offered;
  script.AnswerDialog(CPropNameDlg::IDD, [&offered](CDialog& dialog) {
    auto& dlg = dynamic_cast<CPropNameDlg&>(dialog);
    EXPECT_EQ(dlg.GetWindowTextString(), "Select Property");
    for (int i = 0; i < dlg.m_nameCombo.GetCount(); ++i) offered.push_back(dlg.m_nameCombo.GetItemText(i).str());
    EXPECT_EQ(dlg.m_nameCombo.GetWindowTextString(), "");
    mirel::script::Click(dialog, IDCANCEL);
  });
  CPropNameDlg dlg(names, nullptr);
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  // "value" and "VALUE" differ exactly, so both are listed; the box shows both in upper case.
  EXPECT_EQ(offered, (std::vector<std::string>{"PART_NUMBER", "TOLERANCE", "VALUE", "VALUE"}));
  EXPECT_EQ(dlg.m_strPropName, "");
}

TEST_F(PropNameDlgTest, BlanksOnlyAreRefusedAndTheDialogStaysOpen) {
  script.AnswerDialog(CPropNameDlg::IDD, TypeAndOk("   "))
      .AnswerMessage("ZRREPS-233", IDOK)
      .AnswerDialog(CPropNameDlg::IDD, TypeAndOk("  new_prop "));
  CPropNameDlg dlg(names, nullptr);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_strPropName, "NEW_PROP") << "typed in upper case, trimmed";
  int refusals = 0;
  for (const mirel::AskedQuestion& asked : script.Asked()) {
    if (asked.kind != mirel::QuestionKind::Message) continue;
    EXPECT_EQ(asked.code, "ZRREPS-233");
    EXPECT_TRUE(asked.args.empty());
    ++refusals;
  }
  EXPECT_EQ(refusals, 1);
}

TEST_F(PropNameDlgTest, AChosenEntryIsTheResult) {
  script.AnswerDialog(CPropNameDlg::IDD, [](CDialog& dialog) {
    mirel::script::SelectText(dialog, CPropNameDlg::kNameComboId, "tolerance");
    mirel::script::Click(dialog, IDOK);
  });
  CPropNameDlg dlg(names, nullptr);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.GetPropName(), "TOLERANCE");
}

TEST_F(PropNameDlgTest, TheInitialNameIsShownAndNamesAreLimitedTo255) {
  script.AnswerDialog(CPropNameDlg::IDD, [](CDialog& dialog) {
    auto& dlg = dynamic_cast<CPropNameDlg&>(dialog);
    EXPECT_EQ(dlg.m_nameCombo.GetWindowTextString(), "ROOM");
    EXPECT_EQ(dlg.m_nameCombo.GetLimitText(), 255u);
    mirel::script::Type(dialog, CPropNameDlg::kNameComboId, std::string(300, 'x'));
    mirel::script::Click(dialog, IDOK);
  });
  CPropNameDlg dlg(names, nullptr);
  dlg.m_strPropName = "room";
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_strPropName, CString(std::string(255, 'X')));
}

TEST_F(PropNameDlgTest, WorksWithoutAList) {
  script.AnswerDialog(CPropNameDlg::IDD, TypeAndOk("net"));
  CPropNameDlg dlg(nullptr, nullptr);
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_strPropName, "NET");
}

}  // namespace
