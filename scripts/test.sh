#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite twice: a normal build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

jobs="$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

for kind in release sanitize; do
    echo "== $kind build"
    scripts/build.sh "$kind"
    echo "== $kind tests"
    ctest --test-dir "build/$kind" --output-on-failure -j "$jobs"
done

# Fuzzing: every libFuzzer target of fuzz/ for 10 seconds (clang, build/fuzz).
echo "== fuzz targets"
scripts/fuzz.sh 10
