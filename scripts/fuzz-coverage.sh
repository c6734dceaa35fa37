#!/usr/bin/env bash
# Line coverage of the sources each fuzzing harness is there for, measured by
# running its seed corpus and what scripts/fuzz.sh found (build-fuzz/corpus)
# through a build with clang's source coverage (./build-fuzz-cov).
#
#   scripts/fuzz-coverage.sh [NAME...]
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
build=build-fuzz-cov
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAWSMITH_FUZZ=ON \
  -DDRAWSMITH_FUZZ_COVERAGE=ON -DDRAWSMITH_TESTS=OFF -DDRAWSMITH_BENCH=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target drawsmith_fuzzers
export ASAN_OPTIONS=malloc_context_size=0:detect_leaks=0

# The sources a harness exercises (a new harness adds its line here).
sources_of() {
  case "$1" in
    history_*) echo src/core/drawhistory.cpp src/core/recordfile.cpp ;;
    entry_*) echo src/core/entryfile.cpp src/core/recordfile.cpp ;;
    thunder_results) echo src/thunderball/resultsfile.cpp ;;
    thunder_delete) echo src/thunderball/resultsedit.cpp src/thunderball/resultsfile.cpp ;;
    thunder_entries) echo src/thunderball/thunderentries.cpp ;;
    wheel_table) echo src/wheels/wheels.cpp ;;
    printer_settings) echo src/core/printersettings.cpp ;;
    weblinks) echo src/links/weblinks.cpp ;;
    import_*) echo src/core/resultsimport.cpp src/core/csv.cpp src/thunderball/resultsimport.cpp ;;
    standing_copy) echo src/core/entryfile.cpp src/entries/entryplans.cpp src/core/recordfile.cpp ;;
    program_fill) echo src/core/programfolder.cpp src/core/paths.cpp ;;
    draw_stats) echo src/statistics/drawstats.cpp ;;
    thunder_check) echo src/thunderball/thunderview.cpp src/thunderball/weeklycheck.cpp src/thunderball/thunderentries.cpp ;;
    thunder_stats) echo src/thunderball/thunderstats.cpp src/thunderball/autoadd.cpp src/thunderball/thunderinput.cpp ;;
    tickets) echo src/entries/tickets.cpp src/thunderball/thunderprinting.cpp ;;
    range_check) echo src/entries/rangecheck.cpp ;;
    numbers) echo src/core/numbers.cpp src/core/drawentry.cpp ;;
    dates) echo src/core/dateparse.cpp src/core/dates.cpp ;;
    *) echo src ;;
  esac
}

if [ $# -gt 0 ]; then
  names=("$@")
else
  names=()
  for h in "$build"/fuzz/fuzz_*; do
    if [ -f "$h" ] && [ -x "$h" ]; then names+=("${h##*/fuzz_}"); fi
  done
fi
mkdir -p "$build/profiles"
printf '%-18s %8s %10s  %s\n' harness inputs lines sources
for name in "${names[@]}"; do
  exe="$build/fuzz/fuzz_$name"
  raw="$build/profiles/$name.profraw"
  dirs=(fuzz/corpus/"$name")
  [ -d "build-fuzz/corpus/$name" ] && dirs+=("build-fuzz/corpus/$name")
  inputs=$(find "${dirs[@]}" -type f | wc -l)
  LLVM_PROFILE_FILE="$raw" "$exe" -runs=0 "${dirs[@]}" >/dev/null 2>&1
  llvm-profdata merge -sparse "$raw" -o "$build/profiles/$name.profdata"
  read -r -a srcs <<<"$(sources_of "$name")"
  lines=$(llvm-cov report "$exe" -instr-profile="$build/profiles/$name.profdata" "${srcs[@]}" \
            | awk '/^TOTAL/ { print $10 }')
  printf '%-18s %8s %10s  %s\n' "$name" "$inputs" "$lines" "${srcs[*]}"
done
