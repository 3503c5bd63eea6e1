#!/usr/bin/env bash
# Builds the calculator, starts its window under a virtual X server, picks an I-beam
# height so that a weight shows, and saves the picture as docs/screenshot.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p docs
xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" build/bin/metalweight-screenshot docs/screenshot.png
echo "saved docs/screenshot.png"
