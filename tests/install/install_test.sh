#!/usr/bin/env bash
# install_test.sh BUILD_DIR DRIVER
#
# Installs the build into a temporary prefix and runs the installed program
# there with a private HOME (after checking that a run from the build folder
# stays in the build folder): the first start fills the player's data folder
# with the shipped files, a draw stored goes there (DRIVER, the program's own
# start-up and main window), a second start keeps it, and the prefix is never
# written to.
set -euo pipefail
build=$1
driver=$2
work=$(mktemp -d)
prefix=$work/prefix
pid=""

# The processes running a program of the test's prefix, as "pid path".
programs_of_prefix() {
  local exe p
  for exe in /proc/[0-9]*/exe; do
    p=$(readlink "$exe" 2>/dev/null) || continue
    case "$p" in "$prefix"/*) echo "${exe//[^0-9]/} $p" ;; esac
  done
}
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; fi
  # Whatever a failed run left, so that nothing outlives the test.
  local p
  for p in $(programs_of_prefix | cut -d' ' -f1); do kill -9 "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

home=$work/home
user=$home/.local/share/Drawsmith/Drawsmith
mkdir -p "$home"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

# Nothing of the caller's desktop: a private HOME, no XDG folders.
isolated() {
  env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen "$@"
}
snapshot() {
  (cd "$prefix" && find . -printf '%y %m %p\n' | sort && find . -type f -exec sha256sum {} + | sort -k2)
}

[ -x "$prefix/bin/drawsmith" ] || fail "no bin/drawsmith"
shipped=$(cd "$prefix/share/drawsmith" && find . -type f | sort)
for f in UK.exe UK59.exe IR.exe IR45.exe IR47.exe IR45b.exe thresult.exe thresult39.exe; do
  grep -qx "./$f" <<<"$shipped" || fail "share/drawsmith lacks $f"
done
before=$(snapshot)

# The build folder, which holds the histories, stays the program folder.
isolated "$driver" --gtest_filter='BuildFolder.*'

# A folder of an earlier version: its misplaced draws move at start-up.
isolated "$driver" --gtest_filter='StartUp.*'

# Starts the installed program, lets it run until `ready` holds (at most 30
# seconds), checks it is still running, ends it and waits for it. The program
# is started straight from here (env replaces itself with it), so that $! is
# the program itself and not a shell around it.
run_program() {
  local ready=$1
  env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen "$prefix/bin/drawsmith" >"$work/program.log" 2>&1 &
  pid=$!
  for _ in $(seq 1 300); do
    if $ready; then break; fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  sleep 1
  kill -0 "$pid" 2>/dev/null || { cat "$work/program.log" >&2; fail "the installed program ended by itself"; }
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  local left
  left=$(programs_of_prefix)
  [ -z "$left" ] || fail "the program still runs after it was ended: $left"
}
all_copied() {
  local f
  for f in $shipped; do [ -f "$user/$f" ] || return 1; done
}
started() { true; }

# First start: every shipped file in the player's folder, as shipped.
run_program all_copied
for f in $shipped; do
  cmp -s "$prefix/share/drawsmith/$f" "$user/$f" || fail "$f not copied as shipped"
done

# A draw stored in the player's folder.
isolated DRAWSMITH_TEST_PREFIX="$prefix" "$driver" --gtest_filter='Installed.FirstStart*'
cmp -s "$prefix/share/drawsmith/UK59.exe" "$user/UK59.exe" && fail "the stored draw is not in the player's UK59.exe"
stored=$(sha256sum <"$user/UK59.exe")

# Second start of the program keeps the player's history; the draw is still found.
run_program started
[ "$(sha256sum <"$user/UK59.exe")" = "$stored" ] || fail "the second start changed the player's UK59.exe"
isolated DRAWSMITH_TEST_PREFIX="$prefix" "$driver" --gtest_filter='Installed.SecondStart*'

[ "$(snapshot)" = "$before" ] || { diff <(echo "$before") <(snapshot) >&2 || true; fail "the prefix changed"; }
left=$(programs_of_prefix)
[ -z "$left" ] || fail "a program of the prefix is still running: $left"
echo "install test passed"
