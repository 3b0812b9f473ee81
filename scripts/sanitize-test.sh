#!/usr/bin/env bash
# Builds the core tests with AddressSanitizer + UndefinedBehaviorSanitizer in build-asan/ and
# runs them; any sanitizer report fails the run. With --all the Qt application and the window
# and script tests are built and run (through ctest) as well.
#
# CI runs the core tests only: the sanitized build of everything is a second full build of the
# Qt application (about as long again as the ordinary build), which with it would take CI on two
# cores close to its 30-minute budget. The core holds every loader and algorithm; the Qt code
# only calls it.
# Usage: scripts/sanitize-test.sh [--all] [ctest or gtest arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUILLO_ASAN_BUILD_DIR:-$root/build-asan}
all=0
if [ "${1:-}" = --all ]; then
  all=1
  shift
fi
# -O1 -g1: line numbers in reports at a fraction of the compile time of -O2 -g.
cmake -S "$root" -B "$build" -G Ninja -DQUILLO_SANITIZE=ON -DCMAKE_BUILD_TYPE=None \
  -DCMAKE_CXX_FLAGS="-O1 -g1" >/dev/null

export QT_QPA_PLATFORM=offscreen
# Leak detection is off only for the Qt run: Qt, fontconfig and the platform plugin keep
# process-wide caches that are never freed by design, which LeakSanitizer reports as leaks
# from inside Qt. The core tests keep it on.
export ASAN_OPTIONS=abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=$root/scripts/ubsan.supp
if [ $all = 1 ]; then
  cmake --build "$build"
  export ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0
  cd "$build"
  ctest --output-on-failure -j"$(nproc)" "$@"
else
  cmake --build "$build" --target quillo_core_tests
  cd "$build"
  ./bin/quillo_core_tests --gtest_brief=1 "$@"
fi
