#!/usr/bin/env bash
# Fuzzes the readers of the gas/steam, liquid and averaging-tube case files with libFuzzer,
# under AddressSanitizer and UndefinedBehaviorSanitizer (clang).
#
#   scripts/fuzz.sh [SECONDS]      default 600
#
# Starts from the seed files in fuzz/corpus (left unchanged); what the run
# finds goes to build-fuzz/corpus, a crash or a sanitizer report to
# build-fuzz/artifacts and ends the run with a non-zero status.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}

if ! command -v clang++ >/dev/null; then
  echo "clang++ is needed: apt-get install -y clang" >&2
  exit 2
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORIN_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j2 --target case_file_fuzz

mkdir -p build-fuzz/corpus build-fuzz/artifacts
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
exec build-fuzz/case_file_fuzz build-fuzz/corpus fuzz/corpus \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
  -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1
