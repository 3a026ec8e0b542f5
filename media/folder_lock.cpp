// SPDX-License-Identifier: GPL-3.0-or-later
#include "media/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

bool FolderLock::take(const std::string& folder) {
  release();
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // A folder its owner may enter and write but not list (mode 0300) cannot
  // be opened itself: a file of its own in it carries the lock instead.
  if (fd < 0 && errno == EACCES)
    fd =
        ::open((folder + "/pentaro.lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return true;
  int result;
  do result = ::flock(fd, LOCK_EX | LOCK_NB);
  while (result != 0 && errno == EINTR);
  if (result != 0) {
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return !busy;
  }
  fd_ = fd;
  return true;
}

void FolderLock::release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}
