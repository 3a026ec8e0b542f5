// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Keeps a game folder to one copy of the game. The lock lives on the data
// folder itself while this object does; the system drops it when the
// process ends in any way, a kill included, and no file is made for it
// unless the folder cannot be listed.
class FolderLock {
 public:
  FolderLock() = default;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock() { release(); }

  // False only when another copy holds the folder. A folder that cannot be
  // opened is no reason to refuse: start-up will report it as it should.
  bool take(const std::string& folder);
  void release();

 private:
  int fd_ = -1;
};
