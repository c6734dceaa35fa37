#!/usr/bin/env bash
# Builds the libFuzzer harnesses of the file readers and writers with clang,
# AddressSanitizer and UBSan into ./build-fuzz and runs each one for SECONDS
# (default 60) from its seed corpus in fuzz/corpus/<name>, one at a time.
#
#   scripts/fuzz.sh [SECONDS] [NAME...]   only the named harnesses when given
#   scripts/fuzz.sh 0                     builds the harnesses and runs none
#
# Inputs a run finds go to build-fuzz/corpus/<name> (the repository's seeds
# are not changed); an input that crashes or breaks an invariant is kept in
# build-fuzz/findings/<name>/ and the script fails. Copy a reproducer into the
# seed corpus once the fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
case "$seconds" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS] [NAME...]" >&2; exit 2 ;;
esac
./scripts/setup.sh

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDRAWSMITH_FUZZ=ON -DDRAWSMITH_TESTS=OFF -DDRAWSMITH_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target drawsmith_fuzzers
# libFuzzer takes a time limit of 0 as no limit at all.
[ "$seconds" -gt 0 ] || exit 0

# Without malloc_context_size=0 the sanitizer's own bookkeeping of every
# allocation reaches libFuzzer's memory limit long before the program does.
export ASAN_OPTIONS=malloc_context_size=0:halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

if [ $# -gt 0 ]; then
  names=("$@")
else
  names=()
  # The harness executables only (the build keeps other things beside them).
  for h in "$build"/fuzz/fuzz_*; do
    if [ -f "$h" ] && [ -x "$h" ]; then names+=("${h##*/fuzz_}"); fi
  done
fi

failed=0
printf '%-18s %12s %8s %8s  %s\n' harness executions cov ft result
for name in "${names[@]}"; do
  exe="$build/fuzz/fuzz_$name"
  seeds="fuzz/corpus/$name"
  work="$build/corpus/$name"
  findings="$build/findings/$name"
  log="$build/logs/$name.log"
  mkdir -p "$work" "$findings" "$(dirname "$log")"
  [ -d "$seeds" ] || { echo "$name: no seed corpus in $seeds" >&2; failed=1; continue; }
  result=ok
  if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
       -print_final_stats=1 -artifact_prefix="$findings/" "$work" "$seeds" >"$log" 2>&1; then
    result="FAILED (see $log, input in $findings/)"
    failed=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$( (grep -o 'cov: [0-9]*' "$log" || true) | tail -1 | cut -d' ' -f2)
  ft=$( (grep -o 'ft: [0-9]*' "$log" || true) | tail -1 | cut -d' ' -f2)
  printf '%-18s %12s %8s %8s  %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$result"
done
exit $failed
