#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install lays out a complete game that a menu, a software centre and
# man accept. Usage: install_test.sh BUILD_DIR
source "$(dirname "$0")/checks.sh"
cmake --install "$1" --prefix "$scratch/prefix" > /dev/null
check_installed_tree "$scratch/prefix"
grep -qx "Exec=$scratch/prefix/games/pentaro" \
  "$scratch/prefix/share/applications/io.github.pentaro.Pentaro.desktop" ||
  fail "menu entry does not start the installed launcher"
