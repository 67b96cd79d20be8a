#!/usr/bin/env bash
# Sets up a fresh machine, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs the whole suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

build=build/test
cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DORVA_SANITIZE=ON -DORVA_WERROR=ON -DORVA_FUZZ=ON -DORVA_BUILD_TESTS=ON
cmake --build "$build"

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
