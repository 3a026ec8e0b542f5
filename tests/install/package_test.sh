#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cpack makes a Debian package of the installed tree under /usr, with its
# dependencies. Usage: package_test.sh BUILD_DIR VERSION
source "$(dirname "$0")/checks.sh"
version=$2
arch=$(dpkg --print-architecture)
(cd "$1" && cpack -G DEB -B "$scratch" > "$scratch/cpack.log") ||
  fail "cpack: $(cat "$scratch/cpack.log")"
# Without dpkg-shlibdeps cpack would name none of the libraries and report
# success: it must stop and say what to install instead.
mkdir "$scratch/bin"
for tool in /usr/bin/*; do
  case ${tool##*/} in dpkg-shlibdeps | file) ;; *) ln -s "$tool" "$scratch/bin/" ;; esac
done
! (cd "$1" && PATH=$scratch/bin cpack -G DEB -B "$scratch/none" > "$scratch/none.log" 2>&1) &&
  grep -q 'install dpkg-dev file' "$scratch/none.log" || fail "cpack without dpkg-dev: $(cat "$scratch/none.log")"
deb=$scratch/pentaro_${version}_$arch.deb
[ -f "$deb" ] || fail "no $deb: $(ls "$scratch")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = pentaro ] || fail "package name"
[ "$(field Version)" = "$version" ] || fail "version $(field Version)"
[ "$(field Architecture)" = "$arch" ] || fail "architecture"
[ "$(field Section)" = games ] || fail "section"
depends=$(field Depends)
for library in libqt6widgets6 libpulse0 libqt6gui6 libstdc++6 fonts-liberation2 fonts-dejavu-core; do
  [[ $depends == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
dpkg-deb -I "$deb" > /dev/null || fail "control data unreadable"
# Debian's own checks, where lintian is installed (./test installs it).
if command -v lintian > /dev/null; then
  lintian --fail-on error,warning "$deb" || fail "lintian"
fi

contents=$(dpkg-deb -c "$deb")
! grep -v ' root/root ' <<< "$contents" || fail "files not owned by root"
grep -q ' \./usr/games/pentaro$' <<< "$contents" || fail "launcher not in /usr/games"
! grep -v ' \./usr/' <<< "$contents" || fail "files outside /usr"

dpkg-deb -x "$deb" "$scratch/root"
check_installed_tree "$scratch/root/usr"
# As a software centre sees it: the description with its menu entry and icons.
appstreamcli validate-tree --pedantic --no-net "$scratch/root" || fail "installed tree not valid"
grep -qx 'Exec=/usr/games/pentaro' "$scratch/root/usr/share/applications/io.github.pentaro.Pentaro.desktop" ||
  fail "menu entry does not start /usr/games/pentaro"
