#!/usr/bin/env bash
# cppcheck over the project's own sources; any finding fails.
#   run-cppcheck.sh CPPCHECK BUILD_DIR SOURCE_DIR
set -euo pipefail
cppcheck=$1 build=$2 source=$3
cd "$source"
"$cppcheck" --enable=warning,performance,portability --error-exitcode=1 --inline-suppr \
    --quiet --std=c++20 --language=c++ --suppress=missingIncludeSystem \
    -I core -I presets -I ui -I ui/qt -I tools/scenario -I "$build/ui/generated" \
    core presets ui tools
