#!/usr/bin/env bash
# Installs what is missing, builds the program and its tests with coverage
# counters (build-coverage/, Debug, -O0), runs every test and prints the line
# coverage of src/ (the generated steam-table data left out).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
if ! command -v gcovr >/dev/null 2>&1; then
  echo "Installing: gcovr"
  as_root=()
  [[ $(id -u) -eq 0 ]] || as_root=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -q
  "${as_root[@]}" apt-get install -y -q --no-install-recommends gcovr
fi

export QT_QPA_PLATFORM=offscreen

cmake -S . -B build-coverage -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  "-DCMAKE_CXX_FLAGS_DEBUG=-O0 -g --coverage" \
  -DCMAKE_EXE_LINKER_FLAGS=--coverage -DQUORIN_BENCH=OFF
# Counters of an earlier run (or of the test discovery at build time) would
# add to this one.
find build-coverage -name '*.gcda' -delete 2>/dev/null || true
cmake --build build-coverage -j2
find build-coverage -name '*.gcda' -delete
ctest --test-dir build-coverage --output-on-failure -j2
gcovr -r . --filter 'src/' --exclude 'src/tools/SteamTableData.inc' \
  --exclude-unreachable-branches --print-summary build-coverage
