#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds antkeys and starts the desktop program on the bundled
# Georgian data. Extra arguments go to the program ("as" starts the search at once).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)"
exec build/bin/antkeys "$@"
