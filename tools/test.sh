#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test headless twice: once in a normal
# build and once under AddressSanitizer and UndefinedBehaviorSanitizer. Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
ensure_packages "${E2E_PACKAGES[@]}" ||
    echo "The end-to-end tools could not be installed: the scale-change check will be skipped."

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== normal build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORBET_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
(cd build && ctest --output-on-failure -j"$jobs")

echo "== sanitizer build"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DORBET_WERROR=ON -DORBET_SANITIZE=ON \
    -DORBET_BENCHMARKS=OFF >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
(cd build-asan && ctest --output-on-failure -j"$jobs")
