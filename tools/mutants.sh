#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants one small fault at a time in the game and tells whether the tests
# notice: each mutant of tools/mutants.txt is applied, the targets it needs
# are rebuilt, its tests run, and the file is put back (also on Ctrl+C).
#
#   tools/mutants.sh [BUILD_DIR] [NAME_REGEX]
#
# BUILD_DIR is a configured build folder (default build/); NAME_REGEX picks
# mutants by name. MUTANT_TIMEOUT (seconds, default 300) bounds each run of
# tests, MUTANT_JOBS (default 2) the build's parallel jobs.
#
# A mutant's "tests:" line names suites: core (the core and advisor tests,
# stopping at the first failure, the long-play games last), shell (the Qt shell's tests)
# and launcher; or it gives ctest arguments after "ctest".
#
# A mutant is "caught" when its tests fail, "missed" when they pass, "stale"
# when its text is no longer found exactly once in its file, and "broken"
# when it does not build.
set -uo pipefail
set -f  # the ctest arguments are split on spaces, never globbed
cd "$(dirname "$(readlink -f "$0")")/.."
root=$PWD
build=$(realpath -m -- "${1:-build}")
only=${2:-}
list=$root/tools/mutants.txt
timeout=${MUTANT_TIMEOUT:-300}
jobs=${MUTANT_JOBS:-2}

[ -f "$build/CMakeCache.txt" ] || { echo "no configured build in $build" >&2; exit 2; }

saved=$(mktemp -d)
mutated=
restore() {
  if [ -n "$mutated" ]; then
    cp -- "$saved/original" "$root/$mutated"
    mutated=
  fi
}
trap 'restore; rm -rf "$saved"' EXIT
trap 'echo; echo "interrupted: $mutated put back" >&2; restore; exit 130' INT TERM

# Replaces the one occurrence of FIND in FILE by INTO; prints how many there were.
plant() {  # FILE FIND INTO
  perl -e '
    my ($file, $find, $into) = @ARGV;
    open(my $in, "<", $file) or die; local $/; my $text = <$in>; close $in;
    my $n = () = $text =~ /\Q$find\E/g;
    print $n;
    exit 0 if $n != 1;
    $text =~ s/\Q$find\E/$into/;
    open(my $out, ">", $file) or die; print $out $text; close $out;' "$@"
}

# The command that runs a suite, and the targets it needs built.
suite_command() {  # SUITE
  case $1 in
    core) echo "tests/core_tests --gtest_brief=1 --gtest_fail_fast '--gtest_filter=-*LongPlay*' &&" \
               "tests/advisor_tests --gtest_brief=1 --gtest_fail_fast &&" \
               "QT_QPA_PLATFORM=offscreen tests/history_tests --gtest_brief=1 --gtest_fail_fast '--gtest_filter=*LongPlay*'" ;;
    shell) echo "QT_QPA_PLATFORM=offscreen tests/shell_tests --gtest_brief=1 --gtest_fail_fast" ;;
    launcher) echo "ctest -R '^launcher\$'" ;;
    *) return 1 ;;
  esac
}
suite_targets() {  # SUITE
  case $1 in
    core) echo core_tests advisor_tests history_tests ;;
    shell) echo shell_tests ;;
    *) echo pentaro ;;
  esac
}

caught=0 missed=0 stale=0 broken=0
declare -a report
run_one() {
  local name=$1 file=$2 find=$3 into=$4 tests=$5 targets=$6
  [ -n "$only" ] && ! [[ $name =~ $only ]] && return
  local command= result
  if [ "${tests%% *}" = ctest ]; then
    command="QT_QPA_PLATFORM=offscreen $tests"
    [ -n "$targets" ] || targets="core_tests shell_tests"
  else
    local suite
    for suite in $tests; do
      command+="${command:+ && }$(suite_command "$suite")" || { echo "no suite $suite" >&2; exit 2; }
      [ -n "${6}" ] || targets+=" $(suite_targets "$suite")"
    done
  fi
  if [ ! -f "$file" ]; then
    result=stale
  else
    cp -- "$file" "$saved/original"
    mutated=$file
    if [ "$(plant "$file" "$find" "$into")" != 1 ]; then
      result=stale
    elif ! cmake --build "$build" -j "$jobs" --target $targets > "$saved/build.log" 2>&1; then
      result=broken
    else
      (cd "$build" && timeout "$timeout" bash -c "$command" > "$saved/test.log" 2>&1)
      local status=$?
      if grep -q -e "No tests were found" -e "0 tests from 0 test suites ran" "$saved/test.log"; then
        result=stale
      elif [ $status -ne 0 ]; then
        result=caught
      else
        result=missed
      fi
    fi
    restore
  fi
  case $result in
    caught) caught=$((caught + 1)) ;;
    missed) missed=$((missed + 1)) ;;
    stale) stale=$((stale + 1)) ;;
    broken) broken=$((broken + 1)) ;;
  esac
  printf '%-7s %s\n' "$result" "$name"
  report+=("$result $name")
}

# The list: blocks of "name:", "file:", "find:", "into:", "tests:" and an
# optional "build:" line (the targets to build instead of the suites' own), separated by blank lines; "#" starts a comment.
name= file= find= into= tests= targets=
flush() {
  [ -n "$name" ] && run_one "$name" "$file" "$find" "$into" "$tests" "$targets"
  name= file= find= into= tests= targets=
}
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    '#'*) ;;
    '') flush ;;
    name:*) name=${line#name: } ;;
    file:*) file=${line#file: } ;;
    find:*) find=${line#find: } ;;
    into:*) into=${line#into:}; into=${into# } ;;
    tests:*) tests=${line#tests: } ;;
    build:*) targets=${line#build: } ;;
    *) echo "mutants.txt: cannot read: $line" >&2; exit 2 ;;
  esac
done < "$list"
flush

# The build folder holds the game as it is again.
cmake --build "$build" -j "$jobs" --target core_tests advisor_tests shell_tests pentaro > /dev/null 2>&1

total=$((caught + missed + stale + broken))
echo "mutants: $total, caught $caught, missed $missed, stale $stale, broken $broken"
[ $((missed + stale + broken)) -eq 0 ]
