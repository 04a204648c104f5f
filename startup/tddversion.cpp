#include "startup/tddversion.h"

#include <cstdio>
#include <memory>

#include "hostapi/vyncommon.h"

CString GetTddVersion() {
  const std::string path = vynGetInstPath("share/vynsetup/tdd/version.txt");
  if (path.empty()) return kDefaultTddVersion;
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return kDefaultTddVersion;
  char token[1024] = {};
  // An empty file has no first word; the default is better than an empty version.
  if (std::fscanf(file.get(), "%1023s", token) != 1) return kDefaultTddVersion;
  return CString(token);
}
