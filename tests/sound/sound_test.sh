#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The game's sound, heard through a real sound server: a private PulseAudio
# with a null sink records what the game plays while a name is entered and the
# dice are thrown once, and sox measures it. The name sound must come first,
# then the rattle, and the throw must end with the tray's knock; each is told
# by its pitch, measured on the game's own sound files. Without a sound server
# the same play is silent, shows no message box and says why once.
#
#   sound_test.sh PLAYER SOUND_MODULE_FOLDER DATA_FOLDER
set -euo pipefail
player=$1 module_dir=$2 data=$3

for tool in pulseaudio pactl parec sox; do
  if ! command -v "$tool" > /dev/null; then
    echo "SKIPPED: $tool is not installed (tools/setup.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/pentaro-sound-XXXXXX")
recorder= silence=
cleanup() {
  for pid in $recorder $silence; do kill "$pid" 2> /dev/null || true; done
  pulseaudio --kill 2> /dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A server of our own: its own folders, a null sink, anyone on its socket.
export HOME=$work XDG_RUNTIME_DIR=$work PULSE_RUNTIME_PATH=$work/pulse
export PULSE_STATE_PATH=$work/state PULSE_CONFIG_PATH=$work/config
export PULSE_SERVER=unix:$work/native QT_QPA_PLATFORM=offscreen
mkdir -p "$work/game"
cp -r "$data" "$work/game/Dati"

fail() {
  echo "FAILED: $*"
  # A measurement of a few tens of milliseconds can be blurred on a loaded
  # machine: what was heard is recorded and measured once more before failing.
  if [ "${phase-}" = heard ] && [ -z "${PENTARO_SOUND_AGAIN-}" ]; then
    echo "recording again once"
    cleanup
    trap - EXIT
    PENTARO_SOUND_AGAIN=1 exec bash "$0" "$player" "$module_dir" "$data"
  fi
  exit 1
}

# --- no sound server: silent, no box, one line saying why -------------------
"$player" "$work/game" "$module_dir" 2> "$work/silent.err" || fail "the game did not play on without sound"
said=$(grep -c "plays no sound" "$work/silent.err" || true)
echo "without a server the game said $said time(s): $(grep "plays no sound" "$work/silent.err" || true)"
[ "$said" -eq 1 ] || fail "without a sound server the game must say why exactly once"

# --- with a server -----------------------------------------------------------
# --daemonize returns once the server is ready.
pulseaudio -n --daemonize=yes --exit-idle-time=-1 --system=false --use-pid-file=yes \
  --log-level=error -L "module-null-sink sink_name=pentaro_test" \
  -L "module-native-protocol-unix auth-anonymous=1 socket=$work/native" 2> /dev/null ||
  fail "PulseAudio did not start"

rate=16000
format=(--raw --format=s16le --rate=$rate --channels=1 --latency-msec=20)
# A silent stream keeps the sink running from the start, so the recording
# keeps real time; the game plays only once sound flows into the recording.
pacat "${format[@]}" -d pentaro_test < /dev/zero &
silence=$!
mkfifo "$work/flowing" "$work/stream"
parec "${format[@]}" -d pentaro_test.monitor > "$work/stream" &
recorder=$!
{ dd bs=320 count=1 status=none; echo > "$work/flowing"; cat; } < "$work/stream" > "$work/heard.raw" &
copier=$!
read -r -t 30 _ < "$work/flowing" || fail "nothing flows from the null sink"

"$player" "$work/game" "$module_dir" 2> "$work/sound.err" || fail "the game did not play"
! grep "plays no sound" "$work/sound.err" || fail "the game found no sound server"
kill -INT "$recorder"
kill "$silence"
wait "$copier"
recorder= silence=
phase=heard

heard=(-t raw -r $rate -e signed -b 16 -c 1 "$work/heard.raw")

# The loud stretches: 20 ms windows above -40 dBFS, gaps under 60 ms bridged.
sox "${heard[@]}" -t dat - | awk -v rate=$rate '
  /^;/ { next }
  { sum += $2 * $2; if (++n == rate / 50) { rms[w++] = sqrt(sum / n); sum = n = 0 } }
  END {
    for (i = 0; i < w; ++i) {
      if (rms[i] < 0.01) continue
      if (started && i * 0.02 - end <= 0.06) { end = (i + 1) * 0.02; continue }
      if (started) printf "%.2f %.2f\n", start, end
      started = 1; start = i * 0.02; end = (i + 1) * 0.02
    }
    if (started) printf "%.2f %.2f\n", start, end
  }' > "$work/loud"

# Stretches less than a second apart belong to one event (a throw pauses
# up to 0.3 s between rattles; the player waits 2.5 s after the name).
awk '
  NR == 1 || $1 - end >= 1.0 { if (NR > 1) print start, end; start = $1 }
  { end = $2 }
  END { if (NR) print start, end }' "$work/loud" > "$work/events"
echo "recorded $(stat -c %s "$work/heard.raw" | awk -v r=$rate "{ printf \"%.2f\", \$1 / 2 / r }") s; loud stretches (s): $(tr "\n" " " < "$work/loud")"
[ "$(wc -l < "$work/events")" -eq 2 ] ||
  fail "expected the name sound, then the throw; heard $(wc -l < "$work/events") events"

# Pitch and level of a sound file, or of a stretch of the recording
# (measure FROM TO).
measure() {
  if [ $# -eq 1 ]; then sox "$1" -n stat 2>&1; else sox "${heard[@]}" -n trim "$1" ="$2" stat 2>&1; fi |
    awk '/Rough +frequency/ { f = $3 } /RMS +amplitude/ { r = $3 }
      END { printf "%d %.1f\n", f, (r > 0 ? 20 * log(r) / log(10) : -200) }'
}
near() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b * 0.75 && a < b * 1.33) }'; }

read -r name_start name_end < <(sed -n 1p "$work/events")
read -r throw_start throw_end < <(sed -n 2p "$work/events")
after() { awk -v t="$1" -v d="$2" 'BEGIN { printf "%.2f", t + d }'; }
read -r name_pitch name_db < <(measure "$name_start" "$name_end")
read -r rattle_pitch rattle_db < <(measure "$throw_start" "$(after "$throw_start" 0.25)")
# The knock ends the throw: its loud part, the last 60 ms of sound. It cuts
# the last rattle off, at once when the player is quick.
knock_start=$(after "$throw_end" -0.06)
read -r knock_pitch knock_db < <(measure "$knock_start" "$throw_end")
read -r fx08_pitch _ < <(measure "$data/fx08.wav")
read -r fx02_pitch _ < <(measure "$data/fx02.wav")
read -r fx01_pitch _ < <(measure "$data/fx01.wav")

printf "name sound  %5.2f-%5.2f s  %5d Hz (fx08.wav %d Hz)  %6.1f dBFS\n" \
  "$name_start" "$name_end" "$name_pitch" "$fx08_pitch" "$name_db"
printf "rattle      %5.2f-       %5d Hz (fx02.wav %d Hz)  %6.1f dBFS\n" \
  "$throw_start" "$rattle_pitch" "$fx02_pitch" "$rattle_db"
printf "tray knock  %5.2f-%5.2f s  %5d Hz (fx01.wav %d Hz)  %6.1f dBFS\n" \
  "$knock_start" "$throw_end" "$knock_pitch" "$fx01_pitch" "$knock_db"

near "$name_pitch" "$fx08_pitch" || fail "the first sound is not the name sound"
near "$rattle_pitch" "$fx02_pitch" || fail "the throw does not start with the rattle"
near "$knock_pitch" "$fx01_pitch" || fail "the throw does not end with the tray's knock"
awk -v a="$throw_start" -v b="$throw_end" 'BEGIN { exit !(b - a >= 1.0) }' ||
  fail "the throw's sound is too short for its nine rattles"
# --- a pipe in a sound's place: that sound is silent, and the game ends ---
phase=pipe
rm "$work/game/Dati/fx08.wav"
mkfifo "$work/game/Dati/fx08.wav"
status=0
timeout 30 "$player" "$work/game" "$module_dir" 2> /dev/null || status=$?
[ "$status" = 0 ] || fail "a pipe in place of a sound: status $status (124: it hung)"
echo "PASSED"
