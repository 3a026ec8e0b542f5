// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {

// Opens without waiting for a writer or reader at the other end of a pipe,
// and keeps the descriptor only when it is a regular file.
int openRegular(const std::string& path, int flags) {
  const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
  if (fd < 0) return -1;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

bool syncFolderOf(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  const std::filesystem::path folder = parent.empty() ? std::filesystem::path(".") : parent;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

// A regular file of a sane size, opened for reading; -1 for anything else.
int openDataFile(const std::string& path) {
  const int fd = openRegular(path, O_RDONLY);
  struct stat info {};
  if (fd >= 0 && (::fstat(fd, &info) != 0 || info.st_size < 0 ||
                  static_cast<std::size_t>(info.st_size) > kLargestDataFile)) {
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

std::optional<std::string> readFileBytes(const std::string& path) {
  const int fd = openDataFile(path);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char buffer[1 << 14];
  for (;;) {
    // A file that grows while it is read is no more trusted than a large one.
    if (bytes.size() > kLargestDataFile) {
      ::close(fd);
      return std::nullopt;
    }
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return std::nullopt;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
    // A regular file reads short only at its end.
    if (static_cast<std::size_t>(n) < sizeof buffer) break;
  }
  ::close(fd);
  return bytes;
}

bool writeFileBytes(const std::string& path, const std::string& bytes, bool durable) {
  const int fd = openRegular(path, O_WRONLY | O_CREAT | O_TRUNC);
  if (fd < 0) return false;
  bool ok = true;
  for (std::size_t done = 0; ok && done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0)
      ok = false;
    else
      done += static_cast<std::size_t>(n);
  }
  if (ok && durable) ok = ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

bool removeFile(const std::string& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT; }

bool replaceFile(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return false;
  return syncFolderOf(to);
}
