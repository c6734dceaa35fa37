#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Drawsmith and runs every test
# headless through ctest.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2
