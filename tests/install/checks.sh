# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the installation tests: a temporary folder, removed at the end,
# and the checks they share.
set -euo pipefail

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

same_file() {  # FILE1 FILE2 WHAT
  cmp -s "$1" "$2" || fail "$3"
}

# The installed tree under PREFIX, as a menu, a software centre and man find it.
check_installed_tree() {  # PREFIX
  local prefix=$1 app=io.github.pentaro.Pentaro
  [ -x "$prefix/games/pentaro" ] || fail "no launcher in games/"
  [ -x "$prefix/lib/games/pentaro/pentaro" ] || fail "no game in lib/games/pentaro/"
  local data=$prefix/share/pentaro/Dati
  [ "$(ls "$data"/*.EMX | wc -l)" = 36 ] || fail "not 36 die pictures in $data"
  [ "$(ls "$data"/fx*.wav | wc -l)" = 11 ] || fail "not 11 sounds in $data"
  [ -s "$data/MCRC00.RCX" ] || fail "no first record in $data"
  [ -s "$data/data.sha256" ] || fail "no fingerprint of the pictures and sounds"
  grep -q "GPL-3.0-or-later" "$prefix/share/doc/pentaro/copyright" || fail "no copyright file"
  [ "$(ls "$data" | wc -l)" = 49 ] || fail "unexpected files in $data: $(ls "$data")"

  local entry=$prefix/share/applications/$app.desktop
  desktop-file-validate "$entry" || fail "desktop entry not valid"
  grep -qx 'Categories=Game;BoardGame;' "$entry" || fail "menu categories"
  grep -qx "Icon=$app" "$entry" || fail "menu icon"
  grep -q '^Name\[it\]=' "$entry" || fail "no Italian name"
  grep -q '^Comment\[it\]=' "$entry" || fail "no Italian comment"
  appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$app.metainfo.xml" ||
    fail "metainfo not valid"

  for size in 16 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x$size/apps/$app.png" |
      grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "no $size pixel icon"
  done

  local page=$prefix/share/man/man6/pentaro.6.gz
  [ -s "$page" ] || fail "no manual page"
  local warnings
  warnings=$(zcat "$page" | groff -t -man -ww -z 2>&1)
  [ -z "$warnings" ] || fail "manual page: $warnings"
}
