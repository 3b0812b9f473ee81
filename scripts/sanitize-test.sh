#!/usr/bin/env bash
# Builds everything with AddressSanitizer + UndefinedBehaviorSanitizer in build-asan/ and runs
# the ordinary tests there. Any sanitizer report fails the test that caused it.
# Usage: scripts/sanitize-test.sh [ctest arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLO_ASAN_BUILD_DIR:-$root/build-asan}
cmake -S "$root" -B "$build" -G Ninja -DQUILLO_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

export QT_QPA_PLATFORM=offscreen
# Leak detection is off: Qt, fontconfig and the platform plugin keep process-wide caches that
# are never freed by design, which LeakSanitizer reports as leaks from inside Qt. Our own code
# has no manual memory management to leak; the fuzz targets run with leak detection on.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=$root/scripts/ubsan.supp
cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
