#!/usr/bin/env bash
# Builds everything and runs every test: the layout check of every C and C++
# file, a normal build with warnings as errors and its tests, the Windows
# cross-build with its Wine smoke test, a short fuzzing run, then the tests
# again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
tools/check-format.sh
jobs=$(nproc)
export TARNWICKET_HEADLESS=1

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICKET_WERROR=ON >/dev/null
cmake --build build/release -j"$jobs"
(cd build/release && ctest --output-on-failure -j"$jobs")

# The same sources must still build for Windows against the real SDK, and the
# Windows programs must still run: a short smoke test of the zip under Wine.
tools/ci-windows-build.sh
tests/wine/smoke.sh

# Every reader fuzzed briefly (libFuzzer with clang): about a minute in all.
tools/fuzz-run.sh --ci

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTARNWICKET_WERROR=ON -DTARNWICKET_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j"$jobs"
(cd build/sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j"$jobs" -LE slow)
