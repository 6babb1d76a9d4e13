#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: the whole suite in a normal
# build, then the core and page-logic tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-dependencies.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHANNEL_EDITOR_BENCH=ON
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCHANNEL_EDITOR_SANITIZE=ON \
  -DCHANNEL_EDITOR_GUI=OFF
cmake --build build-sanitize -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j2
