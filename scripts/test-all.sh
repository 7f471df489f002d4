#!/usr/bin/env bash
# Builds everything and runs every test: the native tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the Debian package of the optimised build (checked by lintian, and
# built twice more to see the same bytes), then the Windows programs and tests under Wine and
# Xvfb, and the check that a second and third build of the Windows programs, zip and installer in
# other folders give the same bytes.
# Installs what it needs first. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
jobs=$(nproc)

bash scripts/setup.sh

echo "== Native build and tests (ASan, UBSan)"
cmake --preset linux-asan >/dev/null
cmake --build --preset linux-asan -j "$jobs"
scripts/with-xvfb.sh ctest --preset linux-asan -j "$jobs"  # the native program opens a real window

echo "== Native optimised build (renderer, benchmarks) and its Debian package"
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$jobs"
cpack --preset linux >/dev/null
version=$(sed -n 's/^project(Morvantis VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
bash tests/xscreensaver/package_test.sh "build/linux/morvantis_${version}_amd64.deb"
bash tests/reproducible/linux_package_test.sh "$jobs"  # built twice more, elsewhere: the same bytes

echo "== Windows build and tests under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
scripts/run-windows-tests.sh -j "$jobs"

echo "== The Windows programs, zip and installer built again elsewhere: the same bytes"
MORVANTIS_JOBS="$jobs" bash tests/reproducible/windows_programs_test.sh build/windows
