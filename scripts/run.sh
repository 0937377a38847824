#!/usr/bin/env bash
# Builds Kestrune (incrementally) and runs it from the runnable layout (build/bin).
# With no display it renders frames under Xvfb with the capture tool instead
# and prints the path of the screenshot it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
bash scripts/install-deps.sh
bash scripts/build.sh
cd build/bin
if [ -n "${DISPLAY:-}" ]; then
  exec ./kestrune
fi
SHOT="$ROOT/build/kestrune-screenshot.png"
echo "[run] no display: rendering 30 frames under Xvfb instead of opening a window ..."
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" \
  ./kestrune-capture --frames 30 --out "$SHOT"
echo "[run] screenshot: $SHOT"
