#!/usr/bin/env bash
# Installs what is missing, builds the calculator alone, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build --parallel "$(nproc)" --target metalweight
exec build/bin/metalweight "$@"
