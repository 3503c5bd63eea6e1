#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test:
#  1. the release build (warnings as errors): unit, scenario, window, locale, long-input
#     and storm tests, formatting, clang-tidy, cppcheck and the hardening check;
#  2. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
#  3. the libFuzzer targets, each for a bounded time (with clang++);
#  4. everything but the window cross-built for Windows with MinGW-w64, its tests run
#     under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

echo "== release build"
scripts/build.sh -DMETALWEIGHT_WERROR=ON -DMETALWEIGHT_BUILD_TESTS=ON -DMETALWEIGHT_BUILD_BENCH=ON
(cd build && ctest --output-on-failure --parallel "$jobs")

echo "== sanitizer build"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMETALWEIGHT_SANITIZE=ON \
    -DMETALWEIGHT_BUILD_TESTS=ON -DMETALWEIGHT_BUILD_BENCH=OFF -DMETALWEIGHT_WERROR=ON >/dev/null
cmake --build build-sanitize --parallel "$jobs"
(cd build-sanitize && ctest --output-on-failure --parallel "$jobs" -E "clang_format|cppcheck")

if command -v clang++ >/dev/null; then
    echo "== fuzzing"
    cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DMETALWEIGHT_FUZZ=ON \
        -DMETALWEIGHT_BUILD_GUI=OFF -DMETALWEIGHT_BUILD_TESTS=OFF -DMETALWEIGHT_BUILD_BENCH=OFF \
        -DMETALWEIGHT_WERROR=ON >/dev/null
    cmake --build build-fuzz --parallel "$jobs"
    (cd build-fuzz && ctest --output-on-failure)
fi

echo "== windows build (MinGW-w64, tests under Wine)"
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64.cmake \
    -DMETALWEIGHT_BUILD_TESTS=ON -DMETALWEIGHT_WERROR=ON >/dev/null
# Wine makes its prefix on the first start; do it here, not inside a test's time.
cmake/toolchains/wine-run.sh "$PWD/build-windows/wineprefix" wineboot -i >/dev/null 2>&1 || true
cmake --build build-windows --parallel "$jobs"
(cd build-windows && ctest --output-on-failure --parallel "$jobs")
