#include "base/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace tessel {

namespace {
bool Fail(std::string* error, const std::string& what, int fd, const std::string& tmp) {
  if (error) *error = what + ": " + std::strerror(errno);
  if (fd >= 0) ::close(fd);
  if (!tmp.empty()) ::unlink(tmp.c_str());
  return false;
}
}  // namespace

bool WriteFileSafely(const std::string& path, const void* data, size_t size, std::string* error,
                     bool createDirs) {
  namespace fs = std::filesystem;
  const fs::path target(path);
  if (createDirs && target.has_parent_path()) {
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
  }
  std::string tmp = path + ".XXXXXX";
  const int fd = ::mkstemp(tmp.data());
  if (fd < 0) return Fail(error, "Cannot create " + tmp, -1, "");
  const auto* p = static_cast<const char*>(data);
  size_t left = size;
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(error, "Cannot write " + path, fd, tmp);
    }
    p += n;
    left -= size_t(n);
  }
  if (::fsync(fd) != 0) return Fail(error, "Cannot flush " + path, fd, tmp);
  // Keep the permissions a new file would get (mkstemp makes it 0600).
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::close(fd) != 0) return Fail(error, "Cannot close " + path, -1, tmp);
  if (std::rename(tmp.c_str(), path.c_str()) != 0) return Fail(error, "Cannot replace " + path, -1, tmp);
  return true;
}

}  // namespace tessel
