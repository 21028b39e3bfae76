#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal
# build (build/) and one with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/), where any sanitizer report fails the test that raised it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Optimised code as the program ships, without debug information, which
# the tests do not need and which doubles the compile time.
echo "=== Normal build ==="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG"
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2

echo "=== AddressSanitizer + UndefinedBehaviorSanitizer build ==="
# Line tables are all a sanitizer report needs for its stack traces.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
  -DQUORIN_SANITIZE=ON
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2
