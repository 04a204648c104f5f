// A save of the template dialog that fails at the disk (the system call failing, through the
// writer's test seam): the person is told why, the old file stays whole, no temporary file is
// left, and the changes stay in the dialog for the next try.
#include <cerrno>
#include <cstring>

#include "host/atomicwrite.h"
#include "shell/shell_fixture.h"

namespace shelltest {
namespace {

using mirel::testing::FailSaveStep;
using mirel::testing::SaveStep;
using mirel::script::Click;
using mirel::script::Type;

class InjectedSaveFailure : public ShellTest, public ::testing::WithParamInterface<SaveStep> {
 protected:
  void TearDown() override { FailSaveStep(std::nullopt); }
};

TEST_P(InjectedSaveFailure, TellsWhyKeepsTheOldFileAndTheChanges) {
  const std::string path = Write("project/t.tpt", TemplateText("DesignBased"));
  const std::string before = Read(path);
  CTemplateFile file;
  ASSERT_TRUE(file.loadTemplate(path.c_str()));
  RunDialog(file, [this, &path, &before](CCreateTmpltDlg& d) {
    script.AnswerMessage("ZRREPS-260", IDOK);
    Type(d, CCreateTmpltDlg::kReportNameId, "Kept");
    FailSaveStep(GetParam(), EIO);
    Click(d, CCreateTmpltDlg::kSaveId);
    FailSaveStep(std::nullopt);
    EXPECT_EQ(Read(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "project"),
                            std::filesystem::directory_iterator()),
              1)
        << "no temporary file is left";
    EXPECT_FALSE(d.IsSaveDone());
    EXPECT_TRUE(d.IsModified());
    Click(d, CCreateTmpltDlg::kSaveId);  // the disk is back: the same changes are saved
    EXPECT_TRUE(d.IsSaveDone());
    d.EndDialog(IDCANCEL);
  });
  ASSERT_FALSE(script.Asked().empty());
  const mirel::AskedQuestion& failure = script.Asked().front();
  EXPECT_EQ(failure.code, "ZRREPS-260");
  ASSERT_EQ(failure.args.size(), 2u);
  EXPECT_EQ(failure.args[0].Text(), path);
  EXPECT_NE(failure.args[1].Text().find(std::strerror(EIO)), std::string::npos) << failure.args[1].Text();
  CTemplateFile saved;
  ASSERT_TRUE(saved.loadTemplate(path.c_str()));
  EXPECT_EQ(saved.getTemplateData()->m_reportName, "Kept");
}

std::string StepName(const ::testing::TestParamInfo<SaveStep>& info) {
  static const char* const names[] = {"Write", "FileSync", "Rename", "FolderSync"};
  return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Steps, InjectedSaveFailure,
                         ::testing::Values(SaveStep::Write, SaveStep::FileSync, SaveStep::Rename, SaveStep::FolderSync),
                         StepName);

}  // namespace
}  // namespace shelltest
