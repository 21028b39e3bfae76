#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice through the
# presets of CMakePresets.json: the optimised build (preset dev, build/) and
# one with AddressSanitizer and UndefinedBehaviorSanitizer (preset asan,
# build-asan/), where any sanitizer report fails the test that raised it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh

# The presets leave the job count to the machine: one compile job and one
# test per core.
export CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"
export CTEST_PARALLEL_LEVEL="${CTEST_PARALLEL_LEVEL:-$(nproc)}"

for preset in dev asan; do
  echo "=== Preset ${preset} ==="
  cmake --preset "${preset}"
  cmake --build --preset "${preset}"
  ctest --preset "${preset}"
done
