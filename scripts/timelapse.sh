#!/usr/bin/env bash
# Renders a whole day, time of day 0 to 350 in steps of 10 degrees, from the
# default camera, and joins the frames into one animated GIF with ImageMagick:
#   bash scripts/timelapse.sh [OUT.gif]     (default: build/timelapse.gif)
# Each frame is a separate run of the capture tool, so this takes several minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
OUT=${1:-$ROOT/build/timelapse.gif}
bash scripts/install-deps.sh
bash scripts/build.sh
# Debian's ImageMagick; named by path, as some machines put a stand-in "convert" first on PATH.
CONVERT=/usr/bin/convert
if [ ! -x "$CONVERT" ]; then
  SUDO=$([ "$(id -u)" = 0 ] || echo sudo)
  $SUDO apt-get install -y -o DPkg::Lock::Timeout=600 imagemagick
fi
FRAMES=$(mktemp -d)
trap 'rm -rf "$FRAMES"' EXIT
cd build/bin
for degrees in $(seq 0 10 350); do
  printf '[timelapse] time of day %3d\r' "$degrees"
  SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" \
    ./kestrune-capture --frames 2 --hide-ui --time-of-day "$degrees" \
    --out "$FRAMES/$(printf '%03d' "$degrees").png" >/dev/null
done
echo
"$CONVERT" -delay 15 -loop 0 "$FRAMES"/*.png -resize 800x450 "$OUT"
echo "[timelapse] wrote $OUT"
