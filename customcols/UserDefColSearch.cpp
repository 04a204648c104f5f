// CUserDefColAPI: finding the column files of the setup, project and current folders.
#include <array>
#include <filesystem>
#include <system_error>

#include "customcols/UserDefColAPI.h"
#include "customcols/Wildcard.h"
#include "hostapi/vyncommon.h"
#include "platform/mfc/samepath.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kSetupColumnsFolder = "vynsetup\\tdd\\custom_columns";
constexpr const char* kColumnFilePattern = "*.txt";
constexpr int kSetupPathBufferSize = 1024;

std::string WithSlashes(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  return path;
}

std::string SetupColumnsFolder() {
  CSFHANDLE handle = nullptr;
  if (csfInitialize(&handle) != CSF_OK) return {};
  std::array<char, kSetupPathBufferSize> buffer{};
  const int found = csfSearch(handle, kSetupColumnsFolder, buffer.data(), kSetupPathBufferSize);
  csfReleaseHandle(handle);
  return found == CSF_OK ? std::string(buffer.data()) : std::string();
}

// The folder of the project file, from its path: the folder it would be opened in. The last
// component is the file's name, so a folder whose name contains the file's name stays whole.
std::string ProjectFolder(const CString& projectFile) {
  if (projectFile.IsEmpty()) return {};
  std::error_code ec;
  const fs::path full = fs::absolute(fs::path(WithSlashes(projectFile.str())), ec).lexically_normal();
  if (ec) return {};
  return full.parent_path().string();
}

std::string CurrentFolder() {
  std::error_code ec;
  const fs::path current = fs::current_path(ec);
  return ec ? std::string() : current.string();
}

// format joins the folder and the wildcard name.
void FillFrom(const std::string& folder, const char* format, CStringList& list) {
  if (folder.empty()) return;
  CString pattern;
  pattern.Format(format, folder, kColumnFilePattern);
  CUserDefColAPI::FillCustomColFiles(pattern, list);
}

}  // namespace

void CUserDefColAPI::FillCustomColFiles(CString pattern, CStringList& list) {
  if (pattern.IsEmpty()) return;
  const std::string text = WithSlashes(pattern.str());
  const size_t slash = text.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : text.substr(0, slash == 0 ? 1 : slash);
  const std::string wildcard = slash == std::string::npos ? text : text.substr(slash + 1);

  std::error_code ec;
  fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
  for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name == "." || name == "..") continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;  // folders (x.txt ones too), devices, dangling links
    if (!mirel::customcols::MatchesWildcard(name, wildcard)) continue;
    if (folder.empty()) list.AddTail(CString(name));
    else list.AddTail(CString(folder.back() == '/' ? folder + name : folder + "/" + name));
  }
}

void CUserDefColAPI::GetCustomColFiles(CString projectFile, CStringList& list) {
  FillFrom(SetupColumnsFolder(), "%s\\%s", list);
  const std::string project = ProjectFolder(projectFile);
  FillFrom(project, "%s/%s", list);
  // An empty project folder never equals the current one.
  const std::string current = CurrentFolder();
  if (project.empty() || !mirel::SamePath(current, project)) FillFrom(current, "%s/%s", list);
}
