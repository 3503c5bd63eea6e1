#!/usr/bin/env bash
# clang-tidy over the project's own sources with the checked-in .clang-tidy; any
# finding fails.
#   run-clang-tidy.sh CLANG_TIDY BUILD_DIR SOURCE_DIR
set -euo pipefail
tidy=$1 build=$2 source=$3
cd "$source"
find core presets ui tools -name '*.cpp' -print0 |
    xargs -0 -P "$(nproc)" -n 4 "$tidy" -p "$build" --quiet
