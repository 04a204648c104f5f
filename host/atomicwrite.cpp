#include "host/atomicwrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace mirel {
namespace {

std::string Reason(const std::string& path, const char* what, int err) {
  return path + ": " + what + ": " + std::strerror(err);
}

std::string Directory(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// A symbolic link is followed, so the file it names is replaced and the link stays.
std::string ResolveTarget(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(path.c_str(), nullptr)) {
      std::string resolved(real);
      std::free(real);
      return resolved;
    }
  }
  return path;
}

bool WriteAll(int fd, std::string_view content) {
  size_t done = 0;
  while (done < content.size()) {
    const ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

std::atomic<unsigned> g_counter{0};

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string& error) {
  if (path.empty()) {
    error = "no file name was given";
    return false;
  }
  const std::string target = ResolveTarget(path);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) {
    error = target + ": is a folder";
    return false;
  }

  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
    temp = target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(g_counter++) + ".tmp";
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      error = Reason(path, "cannot create a file in its folder", errno);
      return false;
    }
  }
  if (fd < 0) {
    error = Reason(path, "cannot create a temporary file", EEXIST);
    return false;
  }

  auto fail = [&](const char* what) {
    const int err = errno;
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    error = Reason(path, what, err);
    return false;
  };
  if (exists) (void)::fchmod(fd, old.st_mode & 07777);  // keep the old file's permissions
  if (!WriteAll(fd, content)) return fail("cannot write");
  if (::fsync(fd) != 0) return fail("cannot flush to disk");
  if (::close(fd) != 0) {
    fd = -1;
    return fail("cannot write");
  }
  fd = -1;
  if (::rename(temp.c_str(), target.c_str()) != 0) return fail("cannot replace the file");

  // Make the rename itself durable; the file is saved whether or not this succeeds.
  const int dir = ::open(Directory(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    (void)::fsync(dir);
    ::close(dir);
  }
  error.clear();
  return true;
}

}  // namespace mirel
