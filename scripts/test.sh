#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test:
#  1. the release build (warnings as errors): unit, scenario, window, locale, long-input
#     and storm tests, formatting, clang-tidy, cppcheck and the hardening check;
#  2. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
#  3. the libFuzzer targets, each for a bounded time (with clang++);
#  4. everything cross-built for Windows with MinGW-w64, the Win32 window and
#     metalweight.exe with it, its tests run under Wine on a virtual display.
# Each stage prints how long it took.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)

# Each stage says when it starts and how long the one before it took.
stage_start=$SECONDS
stage_name=
stage() {
    [ -n "$stage_name" ] && echo "== $stage_name: $((SECONDS - stage_start)) s"
    stage_start=$SECONDS
    stage_name=$1
    [ -n "$stage_name" ] && echo "== $stage_name"
    return 0
}

stage "release build"
scripts/build.sh -DMETALWEIGHT_WERROR=ON -DMETALWEIGHT_BUILD_TESTS=ON -DMETALWEIGHT_BUILD_BENCH=ON
(cd build && ctest --output-on-failure --parallel "$jobs")

stage "sanitizer build"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DMETALWEIGHT_SANITIZE=ON \
    -DMETALWEIGHT_BUILD_TESTS=ON -DMETALWEIGHT_BUILD_BENCH=OFF -DMETALWEIGHT_WERROR=ON >/dev/null
cmake --build build-sanitize --parallel "$jobs"
(cd build-sanitize && ctest --output-on-failure --parallel "$jobs" -E "clang_format|cppcheck")

if command -v clang++ >/dev/null; then
    stage "fuzzing"
    cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DMETALWEIGHT_FUZZ=ON \
        -DMETALWEIGHT_BUILD_GUI=OFF -DMETALWEIGHT_BUILD_TESTS=OFF -DMETALWEIGHT_BUILD_BENCH=OFF \
        -DMETALWEIGHT_WERROR=ON >/dev/null
    cmake --build build-fuzz --parallel "$jobs"
    (cd build-fuzz && ctest --output-on-failure)
fi

stage "windows build (MinGW-w64, tests under Wine)"
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64.cmake \
    -DMETALWEIGHT_BUILD_TESTS=ON -DMETALWEIGHT_WERROR=ON >/dev/null
# One X display with a window manager and one Wine server for the whole stage, the
# prefix made before anything runs under Wine. Before the tests, one hidden window keeps
# Wine's desktop open between them (tests/win32/DesktopKeeper.cpp says why).
tests/run-under-window-manager.sh \
    cmake/toolchains/wine-session.sh "$PWD/build-windows/wineprefix" bash -c '
    cmake --build build-windows --parallel "$1" || exit
    cmake/toolchains/wine-run.sh "$PWD/build-windows/wineprefix" \
        build-windows/bin/wine_desktop_keeper.exe </dev/null >/dev/null 2>&1 &
    cd build-windows && ctest --output-on-failure --parallel "$1"' windows-stage "$jobs"
stage ""
