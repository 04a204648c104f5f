// The live preview headless, following the template dialog as the host runs it: Export through
// answered file dialogs, in each format, of the report worked out by hand for the bill of
// materials of tests/cli/data/designs/amp.json; a cancelled or impossible export writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/previewsession.h"
#include "host/hostserver.h"
#include "host/scratch.h"
#include "hostapi/queryserver.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

namespace {

using mirel::cli::PreviewSession;
using mirel::preview::Format;

std::string Data(const std::string& path) { return std::string(MIREL_CLI_DATA) + "/" + path; }

constexpr const char* kText =
    "\n"
    "Part Number          Reference  Qty\n"
    "CL10B104KB8NNNC      C1-C3      3\n"
    "RC0603FR-074K7L      R3         1\n"
    "RC0603FR-0710KL      R1, R2     2\n"
    "                     U1         1\n";
constexpr const char* kCsv =
    "Part Number,Reference,Qty\r\n"
    "CL10B104KB8NNNC,C1-C3,3\r\n"
    "RC0603FR-074K7L,R3,1\r\n"
    "RC0603FR-0710KL,\"R1, R2\",2\r\n"
    ",U1,1\r\n";
constexpr const char* kJson =
    R"({"format":"mirel-report","formatVersion":1,"reportName":"Bill of Materials","design":"amp","variant":"",)"
    R"("columns":[{"keyword":"PART_NUMBER","title":"Part Number","alignment":"LEFT"},)"
    R"({"keyword":"REFDES","title":"Reference","alignment":"LEFT"},{"keyword":"QUANTITY","title":"Qty","alignment":"LEFT"}],)"
    R"("sections":[{"title":"","rows":[["CL10B104KB8NNNC","C1-C3","3"],["RC0603FR-074K7L","R3","1"],)"
    R"(["RC0603FR-0710KL","R1, R2","2"],["","U1","1"]]}],"totals":[]})";

std::string WithoutFinalNewline(std::string text) {
  if (!text.empty() && text.back() == '\n') text.pop_back();
  return text;
}

class PreviewSessionTest : public testing::Test {
 protected:
  PreviewSessionTest() : m_scope(script) {
    mirel::AddResourceModule(mirel::LibraryResources());
    vocabulary = IZRQueryServer::InitQueryServer();
  }

  // Runs the dialog on bom.tpt with the preview of amp.json, and `work` while it is open.
  void WithDialog(const std::function<void(PreviewSession&, CCreateTmpltDlg&)>& work) {
    ASSERT_NE(vocabulary, nullptr) << "the shipped vocabulary";
    CTemplateFile file;
    ASSERT_TRUE(file.loadTemplate(Data("templates/bom.tpt").c_str())) << file.getLastError();
    mirel::HostServer server(nullptr);
    CCreateTmpltDlg dialog(&server, &file, vocabulary, nullptr);
    PreviewSession preview(*vocabulary);
    std::string error;
    ASSERT_TRUE(preview.OpenDesign(Data("designs/amp.json"), error)) << error;
    preview.Attach(dialog);
    script.AnswerDialog(CCreateTmpltDlg::IDD, [&](CDialog& opened) {
      work(preview, static_cast<CCreateTmpltDlg&>(opened));
      opened.EndDialog(0);
    });
    dialog.DoModal();
    preview.Detach();
  }

  mirel::ScriptedInteraction script;
  IZRQueryServer* vocabulary = nullptr;
  mirel::test::ScratchDir scratch;

 private:
  mirel::ScopedInteraction m_scope;
};

TEST_F(PreviewSessionTest, EachFormatIsExportedThroughTheFileDialogAsWorkedOutByHand) {
  WithDialog([&](PreviewSession& preview, CCreateTmpltDlg&) {
    preview.Settle();
    const std::pair<Format, std::string> cases[] = {{Format::kText, "bom.txt"}, {Format::kCsv, "bom.csv"},
                                                    {Format::kHtml, "bom.html"}, {Format::kJson, "bom.json"}};
    for (const auto& [format, name] : cases) {
      script.AnswerFile(scratch / name);
      std::string error;
      EXPECT_EQ(preview.AskExport(format, error), std::optional<std::string>(scratch / name)) << error;
    }
  });
  EXPECT_EQ(mirel::test::ReadFile(scratch / "bom.txt"), kText);
  EXPECT_EQ(mirel::test::ReadFile(scratch / "bom.csv"), kCsv);
  EXPECT_EQ(WithoutFinalNewline(mirel::test::ReadFile(scratch / "bom.json")), kJson);
  const std::string html = mirel::test::ReadFile(scratch / "bom.html");
  for (const char* part : {"Bill of Materials", "amp", "default", "CL10B104KB8NNNC", "C1-C3", "R1, R2", "U1"})
    EXPECT_NE(html.find(part), std::string::npos) << part;
  EXPECT_EQ(html.find("<script"), std::string::npos);

  // The file dialog asked is a save dialog of the format, starting in the design's folder.
  std::vector<mirel::FileDialogRequest> asked;
  for (const mirel::AskedQuestion& question : script.Asked())
    if (question.kind == mirel::QuestionKind::FileDialog) asked.push_back(question.file);
  ASSERT_EQ(asked.size(), 4u);
  EXPECT_FALSE(asked[1].open);
  EXPECT_TRUE(asked[1].overwritePrompt);
  EXPECT_EQ(asked[1].defaultExtension, "csv");
  EXPECT_EQ(asked[1].initialFolder, std::filesystem::path(Data("designs")).string());
}

TEST_F(PreviewSessionTest, NothingIsWrittenWhenTheDialogIsCancelledOrTheQueryDoesNotValidate) {
  WithDialog([&](PreviewSession& preview, CCreateTmpltDlg& dialog) {
    preview.Settle();
    script.CancelFile();
    std::string error;
    EXPECT_EQ(preview.AskExport(Format::kCsv, error), std::nullopt);
    EXPECT_EQ(error, "");

    // Qty loses its dependency: two roots, no report to export, and no file dialog either.
    CQueryGrid& grid = *dialog.GetLayoutDlg()->GetGrid();
    grid.SetCurrentCell(qg::kRowDependency, 4);
    grid.SetSelection(CGXRange(qg::kRowDependency, 4));
    grid.OnEditDelete();
    preview.Settle();
    ASSERT_TRUE(preview.Shown().invalid);
    EXPECT_EQ(preview.AskExport(Format::kCsv, error), std::nullopt);
    EXPECT_EQ(error, "there is no report to export");
  });
  EXPECT_TRUE(std::filesystem::is_empty(scratch.path()));
}

}  // namespace
