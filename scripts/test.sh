#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DMETALWEIGHT_WERROR=ON
cd build
ctest --output-on-failure --parallel "$(nproc)"
