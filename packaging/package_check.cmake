# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before it makes the package. Without dpkg-shlibdeps or file
# cpack would make a package that names none of the libraries the game needs,
# and say it succeeded: here it stops instead, naming what to install.
if(CPACK_GENERATOR STREQUAL "DEB")
  find_program(shlibdeps dpkg-shlibdeps NO_CMAKE_SYSTEM_PATH)
  find_program(file_tool file NO_CMAKE_SYSTEM_PATH)
  set(missing)
  if(NOT shlibdeps)
    list(APPEND missing dpkg-dev)
  endif()
  if(NOT file_tool)
    list(APPEND missing file)
  endif()
  if(missing)
    list(JOIN missing " " missing)
    message(FATAL_ERROR "The package's dependencies cannot be worked out: install ${missing} "
                        "(apt-get install --no-install-recommends ${missing}), or use ./package.")
  endif()
endif()
