#!/usr/bin/env bash
# Regenerates the README's pictures (docs/*.jpg) with the capture tool, under
# Xvfb when there is no display. Builds first; takes a minute or two.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
bash scripts/install-deps.sh
bash scripts/build.sh
OUT="$ROOT/docs"
mkdir -p "$OUT"
cd build/bin

shot() {
  local name=$1
  shift
  echo "[screenshots] $name"
  SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" \
    ./kestrune-capture --frames 3 --out "$OUT/$name.jpg" "$@" >/dev/null
}

shot default --hide-ui
shot noon --hide-ui --time-of-day 0
shot dusk --hide-ui --time-of-day 88 --camera 200,8,45
shot night --hide-ui --time-of-day 180 --camera 200,8,45
shot sun --hide-ui --time-of-day 75 --camera 90,5,100
shot lanterns --hide-ui --time-of-day 160 --camera 140,5,60
# The "Info" window with its "Profiler" section opened by a click on its header.
shot profiler --frames 4 --click 120,211:2
echo "[screenshots] wrote $(ls "$OUT"/*.jpg | wc -l) pictures to $OUT"
