#pragma once
// What the shell tests share: a small vocabulary with keywords highlighted for each structure,
// a scratch folder for templates and user-defined columns (also the setup folder, so that only
// the columns a test writes are found), and running the template dialog with a script.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "host/vocabularyserver.h"
#include "hostapi/propertyserver.h"
#include "hostapi/templatefile.h"
#include "platform/mfc/scripted.h"
#include "querygrid/QueryGrid.h"
#include "resources/library_resources.h"
#include "shell/CreateTmpltDlg.h"
#include "shell/LayoutDlg.h"

namespace shelltest {

inline constexpr const char* kVocabulary = R"({
  "format": "mirel-vocabulary", "formatVersion": 1,
  "propertyMarkers": { "qualifier": "<PROPERTY>", "keyword": "PROPERTY" },
  "specialWidths": { "PROP": "20", "MATH-OP": "12", "RELOP": "12", "STRINGOP": "20" },
  "keywords": [
    { "name": "DESIGN", "title": "Design", "width": "12", "dependsOn": [] },
    { "name": "REFDES", "title": "Reference", "width": "10", "dependsOn": ["DESIGN"], "highlightDesign": true },
    { "name": "BLOCK", "title": "Block", "width": "10", "dependsOn": ["DESIGN"], "highlightBlock": true },
    { "name": "VALUE", "title": "Value", "width": "8", "dependsOn": ["REFDES"] }
  ] })";

// A template file text with one root column of the keyword (the options all false).
inline std::string TemplateText(const std::string& structure, const std::string& keyword = "REFDES") {
  return R"({ "format": "mirel-template", "formatVersion": 1, "version": "1.0", "reportName": "Parts",
    "structure": ")" + structure + R"(", "titlePage": "",
    "options": { "refDesAsRange": false, "pinNumberAsRange": false, "removeRowIfAnyEmpty": false,
                 "removeRowIfAllEmpty": false, "duplicateCellValues": false },
    "queries": [ { "keyword": ")" + keyword + R"(", "dependency": "", "qualifier": "", "qualifierText": "",
      "qualifierValues": [""], "title": "Reference", "viewOrder": 1, "sortOrder": 1, "width": 10,
      "alignment": "LEFT", "visible": true, "total": false } ] })";
}

inline std::string ColumnText(const std::string& name) {
  return R"({ "format": "mirel-custom-column", "formatVersion": 1, "name": ")" + name + R"(", "version": "1.0",
    "queries": [
      { "keyword": "REFDES", "dependency": "", "qualifier": "", "qualifierText": "", "qualifierValues": [""],
        "title": "Ref", "viewOrder": 1, "sortOrder": 1, "width": 10, "alignment": "LEFT", "visible": true, "total": false },
      { "keyword": "VALUE", "dependency": "REFDES", "qualifier": "", "qualifierText": "", "qualifierValues": [""],
        "title": "Val", "viewOrder": 2, "sortOrder": 2, "width": 6, "alignment": "LEFT", "visible": true, "total": false }
    ] })";
}

class ShellTest : public ::testing::Test {
 protected:
  ShellTest() : m_scope(script) {
    mirel::AddResourceModule(mirel::LibraryResources());
    std::string error;
    queries = mirel::VocabularyQueryServer::LoadFromText(kVocabulary, "shell vocabulary", error);
    EXPECT_TRUE(queries) << error;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             ("mirel_shell_" + std::string(test->test_suite_name()) + "_" + test->name() + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "setup" / "vynsetup" / "tdd" / "custom_columns");
    std::filesystem::create_directories(folder / "project");
    const char* previous = std::getenv("MIREL_SETUP_PATH");
    m_previousSetupPath = previous ? previous : "";
    m_hadSetupPath = previous != nullptr;
    ::setenv("MIREL_SETUP_PATH", (folder / "setup").c_str(), 1);
  }
  ~ShellTest() override {
    EXPECT_EQ(script.PendingAnswers(), 0u) << "answers left unused";
    if (m_hadSetupPath) ::setenv("MIREL_SETUP_PATH", m_previousSetupPath.c_str(), 1);
    else ::unsetenv("MIREL_SETUP_PATH");
    std::error_code ignored;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(folder, ignored);
  }

  std::string Write(const std::filesystem::path& relative, const std::string& text) {
    const std::filesystem::path path = folder / relative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << text;
    return path.string();
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  std::string ProjectFile() const { return (folder / "project" / "design.prj").string(); }

  // Runs the template dialog on file with `work` as the person; the dialog's result.
  int RunDialog(CTemplateFile& file, std::function<void(CCreateTmpltDlg&)> work) {
    CCreateTmpltDlg dialog(&server, &file, queries.get(), nullptr);
    dialog.SetProjectFile(CString(ProjectFile()));
    script.AnswerDialog(CCreateTmpltDlg::IDD, [&work](CDialog& d) { work(static_cast<CCreateTmpltDlg&>(d)); });
    return int(dialog.DoModal());
  }

  mirel::ScriptedInteraction script;
  std::unique_ptr<mirel::VocabularyQueryServer> queries;
  CPQPropertyServer properties{CPQPropertyServer::KindMap{{10, {"VALUE"}}}};
  struct Server : IServer {
    explicit Server(CPQPropertyServer* p) : properties(p) {}
    CPQPropertyServer* GetPropertyServer() override { return properties; }
    CPQPropertyServer* properties;
  } server{&properties};
  std::filesystem::path folder;

 private:
  mirel::ScopedInteraction m_scope;
  std::string m_previousSetupPath;
  bool m_hadSetupPath = false;
};

// Passes every question on to the script, keeping the last file dialog's request.
class FileDialogSpy final : public mirel::IInteraction {
 public:
  FileDialogSpy(mirel::IInteraction& inner, mirel::FileDialogRequest& seen) : m_inner(inner), m_seen(seen) {}
  int MessageBox(const mirel::MessageRequest& request) override { return m_inner.MessageBox(request); }
  int DoModal(CDialog& dialog) override { return m_inner.DoModal(dialog); }
  std::optional<std::string> FileDialog(const mirel::FileDialogRequest& request) override {
    m_seen = request;
    return m_inner.FileDialog(request);
  }

 private:
  mirel::IInteraction& m_inner;
  mirel::FileDialogRequest& m_seen;
};

// Control helpers on a dialog's window tree (the page's controls included).
inline CListBox& StdFields(CCreateTmpltDlg& d) { return d.GetLayoutDlg()->m_lstStdFields; }
inline CListBox& UserFields(CCreateTmpltDlg& d) { return d.GetLayoutDlg()->m_lstUserFields; }
inline COLORREF ColorOf(const CListBox& list, const char* text) {
  const int index = list.FindStringExact(-1, text);
  EXPECT_NE(index, LB_ERR) << text;
  return list.GetItemTextColor(index);
}

}  // namespace shelltest
