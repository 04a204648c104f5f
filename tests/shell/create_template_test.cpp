// The Create Report Template dialog: Save enabling, Save and Save As, the checks before saving,
// the option partners, closing with and without changes, help, Esc, and a save that fails.
#include <sys/stat.h>

#include "hostapi/zrcontrols.h"
#include "platform/grid/gxactivate.h"
#include "shell/shell_fixture.h"
#include "startup/tddversion.h"

namespace shelltest {
namespace {

using mirel::script::Click;
using mirel::script::Type;

TEST_F(ShellTest, SaveIsEnabledOnlyForAWritableFileWithAPath) {
  CTemplateFile fresh;
  RunDialog(fresh, [](CCreateTmpltDlg& d) {
    EXPECT_FALSE(d.CanSave());
    EXPECT_FALSE(d.m_btnSave.IsWindowEnabled()) << "a new template has no file yet";
    d.EndDialog(0);
  });

  const std::string readOnly = Write("ro.tpt", TemplateText("DesignBased"));
  ::chmod(readOnly.c_str(), 0444);
  CTemplateFile locked;
  ASSERT_TRUE(locked.loadTemplate(readOnly.c_str()));
  const bool root = ::geteuid() == 0;  // root may write anything
  RunDialog(locked, [root](CCreateTmpltDlg& d) {
    if (!root) {
      EXPECT_FALSE(d.m_btnSave.IsWindowEnabled()) << "a read-only file";
    }
    d.EndDialog(0);
  });

  CTemplateFile writable;
  ASSERT_TRUE(writable.loadTemplate(Write("rw.tpt", TemplateText("DesignBased")).c_str()));
  RunDialog(writable, [](CCreateTmpltDlg& d) {
    EXPECT_TRUE(d.CanSave());
    EXPECT_TRUE(d.m_btnSave.IsWindowEnabled());
    d.EndDialog(0);
  });
}

TEST_F(ShellTest, SaveAsWritesTheChosenFileAndEnablesSave) {
  CTemplateFile file;
  const std::string target = (folder / "project" / "new.tpt").string();
  RunDialog(file, [this, &target](CCreateTmpltDlg& d) {
    script.AnswerFile(target);
    Type(d, CCreateTmpltDlg::kReportNameId, "  Net List  ");
    mirel::script::DoubleClick(d, CLayoutDlg::kStdFieldsId, StdFields(d).FindStringExact(-1, "REFDES"));
    Click(d, CCreateTmpltDlg::kSaveAsId);
    EXPECT_TRUE(d.CanSave());
    EXPECT_TRUE(d.m_btnSave.IsWindowEnabled());
    EXPECT_TRUE(d.IsSaveDone());
    EXPECT_FALSE(d.IsModified());
    EXPECT_FALSE(d.GetLayoutDlg()->IsGridModified());
    d.EndDialog(0);
  });
  const auto& asked = script.Asked();
  ASSERT_FALSE(asked.empty());
  EXPECT_EQ(asked.front().code, "save");
  EXPECT_EQ(asked.front().caption, "Save Template File As");

  CTemplateFile saved;
  ASSERT_TRUE(saved.loadTemplate(target.c_str())) << saved.getLastError();
  EXPECT_EQ(saved.getTemplateData()->m_reportName, "Net List") << "saved trimmed";
  ASSERT_EQ(saved.getTemplateData()->m_queries.size(), 1u);
  EXPECT_EQ(saved.getTemplateData()->m_queries.front()->m_keyword, "REFDES");
}

TEST_F(ShellTest, SaveAsAsksWithTheFilterExtensionTitleAndProjectFolder) {
  CTemplateFile file;
  mirel::FileDialogRequest seen;
  FileDialogSpy spy(script, seen);
  mirel::ScopedInteraction installed(spy);
  RunDialog(file, [this](CCreateTmpltDlg& d) {
    script.CancelFile();
    Type(d, CCreateTmpltDlg::kReportNameId, "BOM");
    Click(d, CCreateTmpltDlg::kSaveAsId);
    EXPECT_FALSE(d.IsSaveDone());
    EXPECT_FALSE(d.CanSave());
    d.EndDialog(0);
  });
  EXPECT_FALSE(seen.open);
  EXPECT_EQ(seen.title, "Save Template File As");
  EXPECT_EQ(seen.defaultExtension, "tpt");
  EXPECT_EQ(seen.initialFolder, (folder / "project").string());
  EXPECT_TRUE(seen.overwritePrompt);
  EXPECT_TRUE(seen.pathMustExist);
  EXPECT_TRUE(seen.hideReadOnly);
  ASSERT_EQ(seen.filters.size(), 2u);
  EXPECT_EQ(seen.filters[0].label, "Template File (*.tpt)");
}

TEST_F(ShellTest, BlankReportNameIsRefusedAndNothingSaved) {
  const std::string path = Write("blank.tpt", TemplateText("DesignBased"));
  const std::string before = Read(path);
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate(path.c_str()));
  RunDialog(file, [this](CCreateTmpltDlg& d) {
    script.AnswerMessage("ZRREPS-225", IDOK);
    Type(d, CCreateTmpltDlg::kReportNameId, "   ");
    Click(d, CCreateTmpltDlg::kSaveId);
    EXPECT_FALSE(d.IsSaveDone());
    EXPECT_TRUE(d.IsModified());
    d.EndDialog(0);
  });
  EXPECT_EQ(script.Asked().front().args.front().Text(), "Report Name");
  EXPECT_EQ(Read(path), before);
}

TEST_F(ShellTest, SavedFileCarriesVersionStructureWordAndOptions) {
  const std::string path = Write("opts.tpt", TemplateText("DesignBased"));
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate(path.c_str()));
  RunDialog(file, [](CCreateTmpltDlg& d) {
    Click(d, CCreateTmpltDlg::kBlockBasedId);
    Click(d, CCreateTmpltDlg::kRefDesAsRangeId);
    Click(d, CCreateTmpltDlg::kRemoveIfAllEmptyId);
    Click(d, CCreateTmpltDlg::kDuplicateCellValuesId);
    Type(d, CCreateTmpltDlg::kTitlePageId, "cover.txt");
    Click(d, CCreateTmpltDlg::kSaveId);
    EXPECT_TRUE(d.IsSaveDone());
    EXPECT_FALSE(d.IsModified());
    d.EndDialog(0);
  });
  CTemplateFile saved;
  ASSERT_TRUE(saved.loadTemplate(path.c_str()));
  const CTemplateData& data = *saved.getTemplateData();
  EXPECT_EQ(data.m_version, std::string(GetTddVersion()));
  EXPECT_EQ(data.m_structure, "BlockBased");
  EXPECT_EQ(data.m_titlePage, "cover.txt");
  EXPECT_TRUE(data.m_refDesAsRange);
  EXPECT_FALSE(data.m_pinNumberAsRange);
  EXPECT_TRUE(data.m_removeRowIfAllEmpty);
  EXPECT_FALSE(data.m_removeRowIfAnyEmpty);
  EXPECT_TRUE(data.m_duplicateCellValues);
  EXPECT_NE(Read(path).find("\"BlockBased\""), std::string::npos);
}

TEST_F(ShellTest, TickingAnOptionClearsItsPartnerAndClearingTouchesNothing) {
  CTemplateFile file;
  RunDialog(file, [](CCreateTmpltDlg& d) {
    Click(d, CCreateTmpltDlg::kRefDesAsRangeId);
    Click(d, CCreateTmpltDlg::kRemoveIfAnyEmptyId);
    EXPECT_TRUE(d.IsModified());
    Click(d, CCreateTmpltDlg::kPinNumberAsRangeId);
    EXPECT_EQ(d.IsDlgButtonChecked(CCreateTmpltDlg::kPinNumberAsRangeId), 1u);
    EXPECT_EQ(d.IsDlgButtonChecked(CCreateTmpltDlg::kRefDesAsRangeId), 0u);
    Click(d, CCreateTmpltDlg::kRemoveIfAllEmptyId);
    EXPECT_EQ(d.IsDlgButtonChecked(CCreateTmpltDlg::kRemoveIfAnyEmptyId), 0u);
    Click(d, CCreateTmpltDlg::kRemoveIfAllEmptyId);  // cleared again: the partner stays clear
    EXPECT_EQ(d.IsDlgButtonChecked(CCreateTmpltDlg::kRemoveIfAllEmptyId), 0u);
    EXPECT_EQ(d.IsDlgButtonChecked(CCreateTmpltDlg::kRemoveIfAnyEmptyId), 0u);
    EXPECT_EQ(d.IsDlgButtonChecked(CCreateTmpltDlg::kPinNumberAsRangeId), 1u);
    d.EndDialog(0);
  });
}

TEST_F(ShellTest, CloseWithChangesYesThenCancelledSaveAsKeepsTheDialogOpenAndNoClosesUnwritten) {
  CTemplateFile file;
  const int result = RunDialog(file, [this](CCreateTmpltDlg& d) {
    script.AnswerMessage("ZRREPS-254", IDYES).CancelFile().AnswerMessage("ZRREPS-254", IDNO);
    Type(d, CCreateTmpltDlg::kReportNameId, "Draft");
    Click(d, IDCANCEL);
    EXPECT_TRUE(d.IsModalSessionRunning()) << "a cancelled Save As keeps the dialog open";
    EXPECT_FALSE(d.IsSaveDone());
    Click(d, IDCANCEL);
    EXPECT_FALSE(d.IsModalSessionRunning());
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(file.getTemplateFile(), "") << "nothing was written";
  EXPECT_EQ(file.getTemplateData()->m_reportName, "");
}

TEST_F(ShellTest, CloseAsksForGridChangesCancelStaysAndUnchangedClosesAtOnce) {
  CTemplateFile file;
  RunDialog(file, [this](CCreateTmpltDlg& d) {
    script.AnswerMessage("ZRREPS-254", IDCANCEL);
    mirel::script::DoubleClick(d, CLayoutDlg::kStdFieldsId, StdFields(d).FindStringExact(-1, "VALUE"));
    EXPECT_FALSE(d.IsModified());
    Click(d, IDCANCEL);
    EXPECT_TRUE(d.IsModalSessionRunning());
    d.GetLayoutDlg()->ClearGridModified();
    Click(d, IDCANCEL);  // nothing changed any more: no question
    EXPECT_FALSE(d.IsModalSessionRunning());
  });
  EXPECT_EQ(script.Asked().size(), 2u);  // the question and the dialog
}

TEST_F(ShellTest, CloseWithChangesYesSavesTheOwnFileAndEnds) {
  const std::string path = Write("yes.tpt", TemplateText("DesignBased"));
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate(path.c_str()));
  RunDialog(file, [this](CCreateTmpltDlg& d) {
    script.AnswerMessage("ZRREPS-254", IDYES);
    Type(d, CCreateTmpltDlg::kReportNameId, "Renamed");
    Click(d, IDCANCEL);
    EXPECT_FALSE(d.IsModalSessionRunning());
  });
  CTemplateFile saved;
  ASSERT_TRUE(saved.loadTemplate(path.c_str()));
  EXPECT_EQ(saved.getTemplateData()->m_reportName, "Renamed");
}

TEST_F(ShellTest, FailedSaveIsReportedKeepsTheChangesAndCloseAsksAgain) {
  const std::string path = Write("gone/t.tpt", TemplateText("DesignBased"));
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate(path.c_str()));
  RunDialog(file, [this, &path](CCreateTmpltDlg& d) {
    script.AnswerMessage("ZRREPS-260", IDOK).AnswerMessage("ZRREPS-254", IDYES).AnswerMessage("ZRREPS-260", IDOK)
        .AnswerMessage("ZRREPS-254", IDNO);
    EXPECT_TRUE(d.CanSave());
    std::filesystem::remove_all(folder / "gone");  // the file's folder goes while it is open
    Type(d, CCreateTmpltDlg::kReportNameId, "Kept");
    mirel::script::DoubleClick(d, CLayoutDlg::kStdFieldsId, StdFields(d).FindStringExact(-1, "VALUE"));
    Click(d, CCreateTmpltDlg::kSaveId);
    EXPECT_FALSE(d.IsSaveDone());
    EXPECT_TRUE(d.IsModified());
    EXPECT_TRUE(d.GetLayoutDlg()->IsGridModified());
    Click(d, IDCANCEL);  // Yes: the save fails again, so the dialog stays
    EXPECT_TRUE(d.IsModalSessionRunning());
    Click(d, IDCANCEL);  // No
    EXPECT_FALSE(d.IsModalSessionRunning());
    EXPECT_FALSE(std::filesystem::exists(path));
  });
  const mirel::AskedQuestion& failure = script.Asked().front();
  EXPECT_EQ(failure.code, "ZRREPS-260");
  ASSERT_EQ(failure.args.size(), 2u);
  EXPECT_EQ(failure.args[0].Text(), path);
  EXPECT_FALSE(failure.args[1].Text().empty()) << "the reason";
}

TEST_F(ShellTest, EscInTheGridClosesAndHelpOpensTheDialogsContext) {
  CTemplateFile file;
  RunDialog(file, [](CCreateTmpltDlg& d) {
    Click(d, ID_HELP);
    CQueryGrid& grid = *d.GetLayoutDlg()->GetGrid();
    grid.SetFocus();
    mirel::script::Key(grid, VK_ESCAPE);
    EXPECT_FALSE(d.IsModalSessionRunning());
  });
  ASSERT_EQ(script.HelpCalls().size(), 1u);
  EXPECT_EQ(script.HelpCalls().front().context, 0x203FDu);
}

TEST_F(ShellTest, EscInACellEditorGoesToTheEditorAndTheGridKeepsTheDialog) {
  CTemplateFile file;
  RunDialog(file, [](CCreateTmpltDlg& d) {
    CQueryGrid& grid = *d.GetLayoutDlg()->GetGrid();
    struct Editor : CEdit {
      int escapes = 0;
      void OnKeyDown(UINT ch, UINT, UINT) override { escapes += ch == VK_ESCAPE; }
    } editor;
    ASSERT_TRUE(editor.Create(WS_CHILD | WS_VISIBLE, RECT{0, 0, 50, 18}, &grid, 7));
    editor.SetFocus();
    mirel::script::Key(editor, VK_ESCAPE);
    EXPECT_TRUE(d.IsModalSessionRunning());
    EXPECT_EQ(editor.escapes, 1);
    EXPECT_EQ(CWnd::GetFocus(), &grid);
    editor.DestroyWindow();

    // The window layer's own cell editor: the key is left to it, the dialog stays.
    grid.SetFocus();
    grid.SetInPlaceEditing(TRUE);
    mirel::script::Key(grid, VK_ESCAPE);
    EXPECT_TRUE(d.IsModalSessionRunning());
    grid.SetInPlaceEditing(FALSE);
    d.EndDialog(0);
  });
}

TEST_F(ShellTest, TrackingSizeKeepsTheHeightAndAMinimumWidth) {
  CTemplateFile file;
  RunDialog(file, [](CCreateTmpltDlg& d) {
    MINMAXINFO info{};
    info.ptMaxTrackSize = {100000, 100000};
    d.OnGetMinMaxInfo(&info);
    EXPECT_EQ(info.ptMinTrackSize.x, CZRWinAPI::ConvertToCorrectDLU(525, 1));
    EXPECT_EQ(info.ptMinTrackSize.y, CZRWinAPI::ConvertToCorrectDLU(525, 0));
    EXPECT_EQ(info.ptMaxTrackSize.y, CZRWinAPI::ConvertToCorrectDLU(525, 0));
    EXPECT_EQ(info.ptMaxTrackSize.x, 100000);
    d.EndDialog(0);
  });
}

}  // namespace
}  // namespace shelltest

namespace shelltest {
namespace {

TEST_F(ShellTest, TitlePageBrowserStartsAtTheCurrentTextAndTakesTheChosenPath) {
  const std::string cover = Write("project/cover.zrr", "cover");
  CTemplateFile file;
  mirel::FileDialogRequest seen;
  FileDialogSpy spy(script, seen);
  mirel::ScopedInteraction installed(spy);
  RunDialog(file, [this, &cover, &seen](CCreateTmpltDlg& d) {
    script.AnswerFile(cover);
    mirel::script::Click(d, CCreateTmpltDlg::kBrowseTitlePageId);
    EXPECT_TRUE(seen.open);
    EXPECT_TRUE(seen.fileMustExist);
    EXPECT_EQ(seen.title, "Select the Title Page");
    EXPECT_EQ(seen.initialFolder, (folder / "project").string()) << "no title page yet: the project's folder";
    EXPECT_EQ(d.GetDlgItem(CCreateTmpltDlg::kTitlePageId)->GetWindowTextString(), cover);
    EXPECT_TRUE(d.IsModified());

    script.CancelFile();
    mirel::script::Click(d, CCreateTmpltDlg::kBrowseTitlePageId);
    EXPECT_EQ(seen.initialFolder, cover) << "then the title page itself";
    EXPECT_EQ(d.GetDlgItem(CCreateTmpltDlg::kTitlePageId)->GetWindowTextString(), cover);
    d.EndDialog(0);
  });
}

TEST_F(ShellTest, FrameActivationIsSwallowedWhileACellDropDownIsOpen) {
  CTemplateFile file;
  RunDialog(file, [](CCreateTmpltDlg& d) {
    GXSetDropDownOpen(TRUE);
    EXPECT_TRUE(d.OnNcActivate(FALSE));
    GXSetDropDownOpen(FALSE);
    EXPECT_FALSE(d.OnNcActivate(FALSE)) << "the default processing runs";
    d.EndDialog(0);
  });
}

}  // namespace
}  // namespace shelltest
