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

# The Debian package of the optimised build holds the program's files only.
echo "=== Debian package ==="
cpack --config build/CPackConfig.cmake -B build/package
deb=build/package/quorin_$(sed -n "s/^set(CPACK_PACKAGE_VERSION \"\(.*\)\")$/\1/p" build/CPackConfig.cmake)_$(dpkg --print-architecture).deb
if dpkg-deb -c "${deb}" | awk '{print $6}' \
    | grep -Ev '^\./usr/(|bin/|bin/quorin|bin/quorin-batch|share/|share/doc/|share/(applications|icons|doc/quorin)/.*)$'; then
  echo "${deb} holds more than the program (above)" >&2
  exit 1
fi
echo "${deb}: $(dpkg-deb -f "${deb}" Version), depends on $(dpkg-deb -f "${deb}" Depends)"
