#!/usr/bin/env bash
# clang-tidy over the project's own sources with the checked-in .clang-tidy; any
# finding fails.
#   run-clang-tidy.sh CLANG_TIDY BUILD_DIR SOURCE_DIR
set -euo pipefail
tidy=$1 build=$2 source=$3
cd "$source"
# The Win32 window is compiled by the cross build only: the host's compile database has
# no flags for it.
find core presets ui tools -name '*.cpp' -not -path 'ui/win32/*' -print0 |
    xargs -0 -P "$(nproc)" -n 4 "$tidy" -p "$build" --quiet
