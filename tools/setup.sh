# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by ./run (with "play"), ./test (with "test") and ./package (with
# "package"), from the top of the clone: installs what is missing on Debian
# 12, then builds into build/.
# The build's own game folder is build/game; ./run starts the game through
# build/games/pentaro, which plays in the player's own folder.

play_packages=(cmake g++ make qt6-base-dev qt6-tools-dev qt6-l10n-tools libpulse-dev pkgconf
               libfontconfig-dev
               fonts-liberation2 fonts-dejavu-core qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite)
test_packages=(libgtest-dev xvfb xauth desktop-file-utils appstream dpkg-dev file groff-base
               clang libclang-rt-14-dev pulseaudio pulseaudio-utils sox
               libxcb1-dev libxcb-damage0-dev dbus-daemon lintian)
# What cpack needs to work out the package's dependencies.
package_packages=(dpkg-dev file)

packages=("${play_packages[@]}")
[ "${1-}" = test ] || [ "${1-}" = sanitize ] && packages+=("${test_packages[@]}")
[ "${1-}" = package ] && packages+=("${package_packages[@]}")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  as_root() {
    echo "PENTARO needs these packages, which are not installed: ${missing[*]}" >&2
    echo "Install them as root (su asks for root's password), then start $0 again:" >&2
    echo "    su -c 'apt-get update && apt-get install --no-install-recommends ${missing[*]}'" >&2
    exit 1
  }
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo > /dev/null || as_root
    # sudo may be there without letting this user in.
    sudo -v || as_root
    sudo=(sudo)
  fi
  # apt's output is kept in a log and shown only when something fails.
  log=$(mktemp "${TMPDIR:-/tmp}/pentaro-apt-XXXXXX.log")
  echo "Installing: ${missing[*]} (log in $log)"
  if ! { "${sudo[@]}" apt-get update -qq &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends "${missing[@]}"; } > "$log" 2>&1; then
    cat "$log" >&2
    echo "Installing the packages failed (log in $log)." >&2
    exit 1
  fi
  rm -f "$log"
fi

# A build folder made for a clone in another place cannot be reused: it is
# set aside (with any record played in its game folder, which the player's
# own folder takes over if it has none) and the game is built afresh.
if [ -f build/CMakeCache.txt ]; then
  made_for=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' build/CMakeCache.txt)
  if [ "$(realpath -m -- "$made_for")" != "$(pwd -P)" ]; then
    aside=build.moved
    n=1
    while [ -e "$aside" ]; do aside=build.moved.$((n++)); done
    echo "build/ was made for the clone in $made_for: set aside as $aside, building afresh."
    mv build "$aside"
    if [ -f "$aside/game/Dati/MCRC00.RCX" ]; then
      mkdir -p build/game/Dati
      cp "$aside/game/Dati/MCRC00.RCX" build/game/Dati/
    fi
  fi
fi

if [ "${1-}" = sanitize ]; then
  # The shell tests once more, in build-ubsan/, stopping at the first
  # undefined behaviour: overflows, bad casts, calls through dead objects.
  flags="-fno-omit-frame-pointer -fsanitize=undefined -fno-sanitize-recover=undefined"
  cmake -S . -B build-ubsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPENTARO_UBSAN=ON \
    "-DCMAKE_CXX_FLAGS=$flags" > /dev/null
  cmake --build build-ubsan -j "$(nproc)" --target shell_tests
  return
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release > /dev/null
if [ "${1-}" = test ]; then
  cmake --build build -j "$(nproc)"
elif [ "${1-}" = package ]; then
  cmake --build build -j "$(nproc)" --target pentaro pentaro-sound pentaro-history package_docs
else
  cmake --build build -j "$(nproc)" --target pentaro
fi
