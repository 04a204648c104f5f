#include "host/setuppath.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include "hostapi/vyncommon.h"

namespace mirel {
namespace {

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string Parent(const std::string& dir) {
  const size_t slash = dir.find_last_of('/');
  if (slash == std::string::npos) return {};
  if (slash == 0) return dir.size() > 1 ? "/" : std::string();
  return dir.substr(0, slash);
}

std::string ExecutableDir() {
  std::string buffer(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  buffer.resize(static_cast<size_t>(n));
  return Parent(buffer);
}

std::string Join(const std::string& dir, std::string_view relative) {
  if (dir.empty()) return std::string(relative);
  if (dir.back() == '/') return dir + std::string(relative);
  return dir + "/" + std::string(relative);
}

std::string StripLeadingSlashes(std::string path) {
  const size_t first = path.find_first_not_of('/');
  return first == std::string::npos ? std::string() : path.substr(first);
}

}  // namespace

std::string ToSlashes(std::string_view path) {
  std::string out(path);
  for (char& c : out)
    if (c == '\\') c = '/';
  return out;
}

std::string InstallRoot() {
  if (const char* root = std::getenv("MIREL_ROOT"); root && *root) return ToSlashes(root);
  for (std::string dir = ExecutableDir(); !dir.empty(); dir = Parent(dir)) {
    if (IsDirectory(Join(dir, "share/vynsetup"))) return dir;
    if (dir == "/") break;
  }
  return {};
}

std::vector<std::string> SetupSearchDirs() {
  std::vector<std::string> dirs;
  if (const char* list = std::getenv("MIREL_SETUP_PATH")) {
    const std::string text = ToSlashes(list);
    size_t start = 0;
    while (start <= text.size()) {
      const size_t colon = text.find(':', start);
      const size_t end = colon == std::string::npos ? text.size() : colon;
      if (end > start) dirs.push_back(text.substr(start, end - start));  // empty entries mean nothing
      if (colon == std::string::npos) break;
      start = colon + 1;
    }
  }
  if (const std::string root = InstallRoot(); !root.empty()) {
    dirs.push_back(Join(root, "share/vynsetup"));
    dirs.push_back(Join(root, "share"));
  }
  return dirs;
}

std::string FindSetupFile(std::string_view relativePath, const std::vector<std::string>& dirs) {
  const std::string path = ToSlashes(relativePath);
  if (path.empty()) return {};
  if (path.front() == '/') return Exists(path) ? path : std::string();
  for (const std::string& dir : dirs) {
    const std::string candidate = Join(dir, path);
    if (Exists(candidate)) return candidate;
  }
  return {};
}

std::string FindSetupFile(std::string_view relativePath) {
  return FindSetupFile(relativePath, SetupSearchDirs());
}

std::string HelpFolder() { return FindSetupFile("mirel/help"); }

}  // namespace mirel

// The common library's C-style face over the same search.

struct CsfSearchState {
  std::vector<std::string> dirs;
};

std::string vynGetInstPath(const char* relativePath) {
  const std::string root = mirel::InstallRoot();
  if (root.empty()) return {};
  const std::string relative = mirel::StripLeadingSlashes(mirel::ToSlashes(relativePath ? relativePath : ""));
  return relative.empty() ? root : mirel::Join(root, relative);
}

int csfInitialize(CSFHANDLE* handle) {
  if (!handle) return CSF_BAD_ARGUMENT;
  *handle = new CsfSearchState{mirel::SetupSearchDirs()};
  return CSF_OK;
}

int csfSearch(CSFHANDLE handle, const char* relativePath, char* buffer, int size) {
  if (!handle || !relativePath || !buffer || size < 1) return CSF_BAD_ARGUMENT;
  buffer[0] = '\0';
  const std::string found = mirel::FindSetupFile(relativePath, handle->dirs);
  if (found.empty()) return CSF_NOT_FOUND;
  if (found.size() + 1 > static_cast<size_t>(size)) return CSF_BUFFER_TOO_SMALL;
  found.copy(buffer, found.size());
  buffer[found.size()] = '\0';
  return CSF_OK;
}

int csfReleaseHandle(CSFHANDLE handle) {
  if (!handle) return CSF_BAD_ARGUMENT;
  delete handle;
  return CSF_OK;
}
