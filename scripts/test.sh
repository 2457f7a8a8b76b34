#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds antkeys and runs every test: once in the normal build
# (warnings as errors) and once in the AddressSanitizer + UndefinedBehaviorSanitizer build.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=${ANTKEYS_JOBS:-$(nproc)}

echo "== normal build =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DANTKEYS_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
# How much the random-folder figures suite compared (ANTKEYS_RANDOM_FOLDERS=N for more).
build/bin/test_eval --gtest_filter='RandomFolders.*' | grep '^random folders:'
# Grading has a vector form chosen from the processor's features; the portable form must
# pass every test too.
echo "== normal build, portable grading =="
ANTKEYS_PORTABLE=1 ctest --test-dir build --output-on-failure -j "$jobs"

echo "== sanitizer build =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DANTKEYS_SANITIZE=ON \
      -DANTKEYS_WERROR=ON -DANTKEYS_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
