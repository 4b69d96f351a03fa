#!/usr/bin/env bash
# Builds everything into build-test/ with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ ! -f build-test/build.ninja ]; then
  cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVAR_SANITIZE=ON
fi
cmake --build build-test
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-test --output-on-failure -j2 --timeout 600
