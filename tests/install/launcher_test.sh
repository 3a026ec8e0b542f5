#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The launcher prepares the player's own game folder and starts the game
# there: from an installed tree that has been moved, and from a clone's build.
# A stand-in game notes where it started and may play a new record.
# Usage: launcher_test.sh BUILD_DIR
source "$(dirname "$0")/checks.sh"
build=$1

stand_in_game() {  # PATH
  cat > "$1" <<'GAME'
#!/bin/sh
pwd > "$STARTED_IN"
[ -z "${NEW_RECORD-}" ] || printf '%s' "$NEW_RECORD" > Dati/MCRC00.RCX
GAME
  chmod +x "$1"
}

export STARTED_IN=$scratch/started-in
export HOME=$scratch/home
export DISPLAY=:99
unset WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_DATA_HOME NEW_RECORD

start() {  # LAUNCHER [VAR=VALUE...]: started from an unrelated folder
  local launcher=$1
  shift
  rm -f "$STARTED_IN"
  (cd / && env "$@" "$launcher") || fail "launcher failed"
}

# --- An installed tree, moved elsewhere after installing.
cmake --install "$build" --prefix "$scratch/first-place" > /dev/null
mv "$scratch/first-place" "$scratch/prefix"
installed=$scratch/prefix/share/pentaro/Dati
stand_in_game "$scratch/prefix/lib/games/pentaro/pentaro"
mkdir -p "$scratch/bin"
ln -s "$scratch/prefix/games/pentaro" "$scratch/bin/pentaro"

# No graphical session: a plain message, status 1, nothing prepared.
status=0
message=$(env -u DISPLAY "$scratch/bin/pentaro" 2>&1) || status=$?
[ "$status" = 1 ] || fail "no display: status $status"
[[ $message == *"needs a graphical session: neither DISPLAY nor WAYLAND_DISPLAY is set"* ]] ||
  fail "no display: $message"
[ ! -e "$STARTED_IN" ] && [ ! -e "$HOME/.local" ] || fail "no display: game folder touched"

# First start, through a link: ~/.local/share/pentaro with the installed
# pictures, sounds and first record; the game started there.
start "$scratch/bin/pentaro"
folder=$HOME/.local/share/pentaro
[ "$(cat "$STARTED_IN")" = "$folder" ] || fail "started in $(cat "$STARTED_IN")"
for file in "$installed"/*; do
  same_file "$file" "$folder/Dati/${file##*/}" "first start: ${file##*/} not copied"
done

# A record played is kept by every later start, also after an update of
# the pictures and sounds, which reaches the player's folder.
start "$scratch/bin/pentaro" NEW_RECORD="a record played"
start "$scratch/bin/pentaro"
[ "$(cat "$folder/Dati/MCRC00.RCX")" = "a record played" ] || fail "record replaced"
echo "new sound" > "$installed/fx04.wav"
echo "new fingerprint" > "$installed/data.sha256"
start "$scratch/bin/pentaro"
same_file "$installed/fx04.wav" "$folder/Dati/fx04.wav" "changed sound not copied"
same_file "$installed/data.sha256" "$folder/Dati/data.sha256" "fingerprint not copied"
[ "$(cat "$folder/Dati/MCRC00.RCX")" = "a record played" ] || fail "record replaced by update"

# A picture the player lost comes back.
rm "$folder/Dati/MC00001.EMX"
start "$scratch/bin/pentaro"
same_file "$installed/MC00001.EMX" "$folder/Dati/MC00001.EMX" "lost picture not restored"
[ "$(cat "$folder/Dati/MCRC00.RCX")" = "a record played" ] || fail "record replaced by repair"

# A link in the player's folder is replaced, never written through.
echo "the player's own file" > "$scratch/own"
ln -sf "$scratch/own" "$folder/Dati/fx04.wav"
echo "another fingerprint" > "$installed/data.sha256"
start "$scratch/bin/pentaro"
[ "$(cat "$scratch/own")" = "the player's own file" ] || fail "written through a link"
same_file "$installed/fx04.wav" "$folder/Dati/fx04.wav" "link not replaced by the sound"

# Every failure is shown in a box (here a stand-in zenity notes its text),
# and the game does not start.
mkdir -p "$scratch/notifier"
cat > "$scratch/notifier/zenity" <<'BOX'
#!/bin/sh
for a; do case $a in --text=*) printf '%s\n' "${a#--text=}" >> "$BOXES" ;; esac; done
BOX
chmod +x "$scratch/notifier/zenity"
export BOXES=$scratch/boxes
touch "$scratch/plain-file"
while IFS='|' read -r setting said; do
  rm -f "$BOXES" "$STARTED_IN"
  status=0
  (cd / && env PATH="$scratch/notifier:$PATH" "$setting" "$scratch/bin/pentaro") 2> /dev/null ||
    status=$?
  [ "$status" = 1 ] && [ ! -e "$STARTED_IN" ] || fail "$setting: status $status, or started"
  [[ $(cat "$BOXES" 2> /dev/null) == *"$said"* ]] || fail "$setting: the box said $(cat "$BOXES")"
done <<CASES
HOME=|HOME () non è un percorso assoluto
HOME=relative/home|HOME (relative/home) non è un percorso assoluto
XDG_DATA_HOME=$scratch/plain-file|impossibile creare $scratch/plain-file/pentaro/Dati
CASES

# XDG_DATA_HOME names the folder when it is absolute; a relative one is ignored.
start "$scratch/bin/pentaro" XDG_DATA_HOME="$scratch/xdg"
[ "$(cat "$STARTED_IN")" = "$scratch/xdg/pentaro" ] || fail "XDG_DATA_HOME not honoured"
same_file "$installed/MCRC00.RCX" "$scratch/xdg/pentaro/Dati/MCRC00.RCX" "no first record there"
start "$scratch/bin/pentaro" XDG_DATA_HOME=relative/data
[ "$(cat "$STARTED_IN")" = "$folder" ] || fail "relative XDG_DATA_HOME used"

# --- A clone's build: a record in its game folder is carried over once, when
# the player's folder has none.
clone=$scratch/clone/build
mkdir -p "$clone/games" "$clone/game/Dati"
cp "$build/games/pentaro" "$clone/games/"
cp "$build/game/Dati"/* "$clone/game/Dati/"
stand_in_game "$clone/game/pentaro"
echo "record of the old clone" > "$clone/game/Dati/MCRC00.RCX"
start "$clone/games/pentaro" XDG_DATA_HOME="$scratch/from-clone"
carried=$scratch/from-clone/pentaro/Dati/MCRC00.RCX
[ "$(cat "$carried")" = "record of the old clone" ] || fail "clone's record not carried over"
echo "a later record of the clone" > "$clone/game/Dati/MCRC00.RCX"
start "$clone/games/pentaro" XDG_DATA_HOME="$scratch/from-clone"
[ "$(cat "$carried")" = "record of the old clone" ] || fail "clone's record carried over twice"
start "$clone/games/pentaro"
[ "$(cat "$folder/Dati/MCRC00.RCX")" = "a record played" ] || fail "clone replaced the record"
