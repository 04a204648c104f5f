#include "host/atomicwrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace mirel {
namespace {

std::optional<testing::SaveStep> g_failingStep;
int g_failingErrno = EIO;

// True (with errno set) when a test made this step fail.
bool Injected(testing::SaveStep step) {
  if (g_failingStep != step) return false;
  errno = g_failingErrno;
  return true;
}

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
  if (Injected(testing::SaveStep::Write)) return false;
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

int SyncFile(int fd) { return Injected(testing::SaveStep::FileSync) ? -1 : ::fsync(fd); }

// Flushes the folder's entries; a folder that cannot be opened or does not support being
// flushed is no failure (nothing can be done about it), an error while flushing is.
bool SyncFolder(const std::string& folder) {
  if (Injected(testing::SaveStep::FolderSync)) return false;
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return true;
  const bool synced = ::fsync(dir) == 0 || errno == EINVAL || errno == EROFS || errno == ENOTSUP;
  const int err = errno;
  ::close(dir);
  errno = err;
  return synced;
}

// Puts the new file in place. With an old file there, the two trade places, so that the old one
// can come back should the folder fail to flush; where the file system cannot trade, a plain
// rename does (and *swapped says the old file is gone).
bool PutInPlace(const std::string& temp, const std::string& target, bool exists, bool* swapped) {
  *swapped = false;
  if (Injected(testing::SaveStep::Rename)) return false;
  if (exists) {
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE) == 0) {
      *swapped = true;
      return true;
    }
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP && errno != ENOENT) return false;
  }
  return ::rename(temp.c_str(), target.c_str()) == 0;
}

std::atomic<unsigned> g_counter{0};
std::function<void(const std::string&)> g_savedObserver;

}  // namespace

void ObserveSavedFiles(std::function<void(const std::string& path)> observer) {
  g_savedObserver = std::move(observer);
}

namespace testing {
void FailSaveStep(std::optional<SaveStep> step, int err) {
  g_failingStep = step;
  g_failingErrno = err;
}
}  // namespace testing

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
  if (exists && !S_ISREG(old.st_mode)) {
    error = target + ": is not a file (a device, a pipe or a socket); it is not replaced";
    return false;
  }
  // Renaming over a file needs only the folder's permission; a file its user may not write is
  // never replaced by a save.
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
    error = Reason(path, "may not be written", errno);
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
  if (SyncFile(fd) != 0) return fail("cannot flush to disk");
  if (::close(fd) != 0) {
    fd = -1;
    return fail("cannot write");
  }
  fd = -1;
  bool swapped = false;
  if (!PutInPlace(temp, target, exists, &swapped)) return fail("cannot replace the file");

  if (!SyncFolder(Directory(target))) {
    const int err = errno;
    // The rename may not survive a power cut: put the old file back and say so.
    if (swapped) {
      (void)::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_EXCHANGE);
      ::unlink(temp.c_str());
    } else if (!exists) {
      ::unlink(target.c_str());
    }
    if (swapped || !exists) {
      error = Reason(path, "cannot flush its folder to disk", err);
      return false;
    }
  }
  if (swapped) ::unlink(temp.c_str());  // the old content
  error.clear();
  if (g_savedObserver) g_savedObserver(path);
  return true;
}

}  // namespace mirel
