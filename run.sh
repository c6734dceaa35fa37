#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Drawsmith and starts it from the
# build folder, which holds everything the program ships.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/setup.sh
./scripts/build.sh
exec ./build/bin/drawsmith "$@"
