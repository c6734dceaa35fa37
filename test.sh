#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Drawsmith and runs every test
# headless through ctest.
#
#   ./test.sh             the build in ./build, every test
#   ./test.sh --sanitize  the whole suite built in ./build-sanitize with
#                         AddressSanitizer and UBSan, stopping at the first
#                         report (the install and package tests, which check
#                         the installed layout rather than memory, run only
#                         in the plain build)
set -euo pipefail
cd "$(dirname "$0")"
mode=plain
case "${1:-}" in
  "") ;;
  --sanitize) mode=sanitize ;;
  *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
esac
./scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
if [ "$mode" = plain ]; then
  ./scripts/build.sh
  ctest --test-dir build --output-on-failure -j2
else
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAWSMITH_SANITIZE=ON \
    -DDRAWSMITH_BENCH=OFF >/dev/null
  # Leaks are not memory errors and the desktop libraries keep some on
  # purpose until the end: only errors stop a test (the build lists the
  # tests by running them, so this holds from here on).
  export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=0:malloc_context_size=10
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  cmake --build build-sanitize -j"$(nproc)"
  ctest --test-dir build-sanitize --output-on-failure -j2 -E '^install_'
fi
