#!/usr/bin/env bash
# Regenerates the README's pictures (docs/NAME.jpg) with the capture tool, one
# for each whole-frame view of tests/references/views.txt, under Xvfb when there is no
# display. Builds first; takes a minute or two.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
# shellcheck source=scripts/reference-views.sh
source scripts/reference-views.sh
bash scripts/install-deps.sh
bash scripts/build.sh
OUT="$ROOT/docs"
mkdir -p "$OUT"
cd build/bin

while read -r name args; do
  echo "[screenshots] $name"
  # shellcheck disable=SC2086
  SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" \
    ./kestrune-capture $args --out "$OUT/$name.jpg" >/dev/null </dev/null
done < <(picture_views)
echo "[screenshots] wrote $(ls "$OUT"/*.jpg | wc -l) pictures to $OUT"
