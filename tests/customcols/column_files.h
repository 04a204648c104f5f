#pragma once
// Column files in scratch folders, the setup search path pointed at one of them, and the
// current folder changed for one test and restored afterwards.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/scratch.h"
#include "platform/mfc/afxstr.h"

namespace cctest {

// A user-defined column file with one sub-column.
inline std::string ColumnText(const std::string& name, const std::string& keyword = "PIN_NUMBER") {
  return R"({ "format": "mirel-custom-column", "formatVersion": 1, "name": ")" + name +
         R"(", "version": "15.5-D031", "queries": [ { "keyword": ")" + keyword +
         R"(", "dependency": "", "qualifier": "", "qualifierText": "", "qualifierValues": [""],
         "title": "Pin", "viewOrder": 1, "sortOrder": 1, "width": 6, "alignment": "LEFT",
         "visible": true, "total": false } ] })";
}

class ScopedCurrentDir {
 public:
  explicit ScopedCurrentDir(const std::string& dir) : m_saved(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
  }
  ~ScopedCurrentDir() {
    std::error_code ec;
    std::filesystem::current_path(m_saved, ec);
  }
  ScopedCurrentDir(const ScopedCurrentDir&) = delete;
  ScopedCurrentDir& operator=(const ScopedCurrentDir&) = delete;

 private:
  std::filesystem::path m_saved;
};

inline std::vector<std::string> Paths(const CStringList& list) {
  std::vector<std::string> paths;
  for (const CString& s : list) paths.push_back(s.str());
  return paths;
}

// A scratch tree: <root>/setup (the only setup search folder) holding
// vynsetup/tdd/custom_columns, <root>/project and <root>/other. No install root is found, so the
// shipped columns stay out of the way. The current folder is <root>/other unless a test moves.
class ColumnFolders : public ::testing::Test {
 protected:
  ColumnFolders()
      : m_root(scratch / "no-install"),
        m_setupPath(scratch / "setup"),
        m_rootEnv("MIREL_ROOT", m_root),
        m_setupEnv("MIREL_SETUP_PATH", m_setupPath),
        setupDir(scratch / "setup/vynsetup/tdd/custom_columns"),
        projectDir(scratch / "project"),
        otherDir(scratch / "other") {
    for (const std::string& dir : {m_root, setupDir, projectDir, otherDir}) std::filesystem::create_directories(dir);
    m_cwd = std::make_unique<ScopedCurrentDir>(otherDir);
  }

  std::string Put(const std::string& dir, const std::string& file, const std::string& text) {
    const std::string path = dir + "/" + file;
    mirel::test::WriteFile(path, text);
    return path;
  }
  std::string PutColumn(const std::string& dir, const std::string& file, const std::string& name) {
    return Put(dir, file, ColumnText(name));
  }
  void MoveTo(const std::string& dir) {
    m_cwd.reset();
    m_cwd = std::make_unique<ScopedCurrentDir>(dir);
  }

  // In this order: the scratch tree outlives the environment and the current folder.
  mirel::test::ScratchDir scratch;
  std::string m_root;
  std::string m_setupPath;
  mirel::test::ScopedEnv m_rootEnv;
  mirel::test::ScopedEnv m_setupEnv;
  std::string setupDir;
  std::string projectDir;
  std::string otherDir;
  std::unique_ptr<ScopedCurrentDir> m_cwd;
};

}  // namespace cctest
