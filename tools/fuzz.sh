#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the fuzz targets that the build made in BUILD_DIR/fuzz, each for
# SECONDS, from the seed corpus in fuzz/corpus and the corpus earlier runs
# grew in BUILD_DIR/fuzz/corpus. A target dies, with a report and the input
# that did it, on a crash, a sanitizer's finding, a leak, or more than
# 512 MiB of memory.
#
#   tools/fuzz.sh [SECONDS [BUILD_DIR [TARGET...]]]     (60, build, record picture)
set -euo pipefail
root=$(dirname "$(readlink -f "$0")")/..
seconds=${1:-60}
build=${2:-$root/build}
shift $(($# < 2 ? $# : 2))
[ $# -gt 0 ] || set -- record picture
for target in "$@"; do
  fuzzer=$build/fuzz/${target}_fuzz
  [ -x "$fuzzer" ] || { echo "no $fuzzer: is clang installed, and was the game built?" >&2; exit 1; }
  mkdir -p "$build/fuzz/corpus/$target"
  echo "== $target, $seconds s"
  "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=512 -print_final_stats=1 \
    "$build/fuzz/corpus/$target" "$root/fuzz/corpus/$target"
done
