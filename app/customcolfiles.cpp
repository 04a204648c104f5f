#include "app/customcolfiles.h"

#include <unistd.h>

#include <array>
#include <filesystem>
#include <system_error>

#include "hostapi/vyncommon.h"
#include "platform/mfc/nocase.h"

namespace mirel::cli {

namespace fs = std::filesystem;

namespace {

std::string SetupColumnsFolder() {
  CSFHANDLE handle = nullptr;
  if (csfInitialize(&handle) != CSF_OK) return "";
  std::array<char, 1024> buffer{};
  const int found = csfSearch(handle, "vynsetup\\tdd\\custom_columns", buffer.data(), int(buffer.size()));
  csfReleaseHandle(handle);
  return found == CSF_OK ? std::string(buffer.data()) : std::string();
}

std::string ProjectFolder(const std::string& projectFile) {
  if (projectFile.empty()) return "";
  std::error_code ec;
  fs::path full = fs::absolute(projectFile, ec);
  if (ec) return "";
  return full.parent_path().string();
}

std::string CurrentFolder() {
  std::array<char, 4096> buffer{};
  return ::getcwd(buffer.data(), buffer.size()) ? std::string(buffer.data()) : std::string();
}

void Append(std::vector<std::string>& files, const std::string& folder) {
  for (std::string& file : ListColumnFilesIn(folder)) files.push_back(std::move(file));
}

}  // namespace

std::vector<std::string> ListColumnFilesIn(const std::string& folder) {
  std::vector<std::string> files;
  if (folder.empty()) return files;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) continue;
    if (it->path().extension() != ".txt") continue;
    files.push_back((fs::path(folder) / it->path().filename()).string());
  }
  return files;
}

std::vector<std::string> FindCustomColumnFiles(const std::string& projectFile) {
  std::vector<std::string> files;
  Append(files, SetupColumnsFolder());
  const std::string project = ProjectFolder(projectFile);
  Append(files, project);
  const std::string current = CurrentFolder();
  if (!EqualsNoCase(current, project)) Append(files, current);
  return files;
}

}  // namespace mirel::cli
