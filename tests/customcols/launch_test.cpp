// LaunchCustomColDlg: when the editor opens, and which file its caller learns of.
#include <gtest/gtest.h>

#include "customcols/CustomColDlg.h"
#include "customcols/UserDefColAPI.h"
#include "dialog_fixture.h"

namespace cctest {
namespace {

using mirel::script::Click;
using mirel::script::Type;

class Launch : public ColumnDialogs {
 protected:
  // Queues the person's work for the editor and launches it on path.
  CString LaunchWith(const std::string& path, mirel::ScriptedInteraction::DialogScript work) {
    script.AnswerDialog(CCustomColDlg::IDD, std::move(work));
    return CUserDefColAPI::LaunchCustomColDlg(nullptr, CString(path));
  }
  // Types name (unless empty), clicks button (answering its file dialog with saveAs), closes.
  mirel::ScriptedInteraction::DialogScript TypeAndClick(std::string name, int button, std::string saveAs = "") {
    return [this, name, button, saveAs](CDialog& dialog) {
      if (!name.empty()) Type(dialog, CCustomColDlg::kNameEditId, name);
      if (!saveAs.empty()) script.AnswerFile(saveAs);
      Click(dialog, button);
      CloseDropping(dialog);
    };
  }
};

TEST_F(Launch, NoEditorForAFileThatIsNoColumn) {
  const std::string notAColumn = Put(otherDir, "notes.txt", "plain text");
  for (const std::string& path : {otherDir + "/missing.txt", notAColumn, otherDir}) {
    SCOPED_TRACE(path);
    EXPECT_EQ(CUserDefColAPI::LaunchCustomColDlg(nullptr, CString(path)), "");
  }
  EXPECT_TRUE(script.Asked().empty()) << Questions();
}

TEST_F(Launch, NewColumnClosedUnsavedGivesNothing) {
  EXPECT_EQ(LaunchWith("", [this](CDialog& dialog) {
              Type(dialog, CCustomColDlg::kNameEditId, "PINS");
              CloseDropping(dialog);
            }),
            "");
  ASSERT_EQ(script.Asked().size(), 2u);
  EXPECT_EQ(script.Asked()[0].code, "ZRREPS-254");  // a dialog is recorded when it has ended
  EXPECT_EQ(script.Asked()[1].code, "1062");
}

TEST_F(Launch, NewColumnSavedAsGivesTheNewFile) {
  const std::string path = otherDir + "/pins.txt";
  EXPECT_EQ(LaunchWith("", TypeAndClick("PINS", CCustomColDlg::kSaveAsId, path)), path);
  EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(path)), "PINS");
}

TEST_F(Launch, ColumnSavedInPlaceGivesNothing) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  EXPECT_EQ(LaunchWith(path, TypeAndClick("RENAMED", CCustomColDlg::kSaveId)), "");
  EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(path)), "RENAMED");
}

TEST_F(Launch, ColumnUnchangedGivesNothing) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  const std::string before = mirel::test::ReadFile(path);
  EXPECT_EQ(LaunchWith(path, TypeAndClick("", IDCANCEL)), "");
  EXPECT_EQ(mirel::test::ReadFile(path), before);
}

TEST_F(Launch, ColumnSavedAsAnotherFileGivesThatFile) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  const std::string copy = projectDir + "/pins2.txt";
  EXPECT_EQ(LaunchWith(path, TypeAndClick("PINLIST2", CCustomColDlg::kSaveAsId, copy)), copy);
  EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(path)), "PINLIST");
  EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(copy)), "PINLIST2");
}

// Where the file system minds letter case, a name that differs only in case is another file.
TEST_F(Launch, ColumnSavedAsANameDifferingInCaseGivesThatFile) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  const std::string copy = otherDir + "/PINS.txt";
  EXPECT_EQ(LaunchWith(path, TypeAndClick("PINLIST2", CCustomColDlg::kSaveAsId, copy)), copy);
  EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(path)), "PINLIST");
  EXPECT_EQ(LaunchWith(path, TypeAndClick("PINLIST3", CCustomColDlg::kSaveAsId, otherDir + "/./pins.txt")), "")
      << "the same file by another spelling";
}

TEST_F(Launch, SavedAsThenSavedAgainStillGivesTheNewFile) {
  const std::string path = PutColumn(otherDir, "pins.txt", "PINLIST");
  const std::string copy = otherDir + "/pins2.txt";
  const CString result = LaunchWith(path, [&](CDialog& dialog) {
    script.AnswerFile(copy);
    Click(dialog, CCustomColDlg::kSaveAsId);
    Type(dialog, CCustomColDlg::kNameEditId, "LATER");
    Click(dialog, CCustomColDlg::kSaveId);  // writes the new file, not the opened one
    Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, copy);
  EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(copy)), "LATER");
  EXPECT_EQ(CUserDefColAPI::GetCustomColName(CString(path)), "PINLIST");
}

}  // namespace
}  // namespace cctest
