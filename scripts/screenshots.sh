#!/usr/bin/env bash
# Regenerates the README's pictures (docs/NAME.jpg) with the capture tool, one
# for each whole-frame view of tests/references/views.txt, and the picture of
# the frame's passes (docs/frame.svg, from --frame-graph, drawn by graphviz's
# dot), under Xvfb when there is no display. Builds first; takes a minute or two.
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

# The default view's passes as they ran, each with its GPU time (after two
# frames, so that the targets and programs have settled).
echo "[screenshots] frame graph"
graph=$(mktemp --suffix=.dot)
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1920x1080x24" \
  ./kestrune-capture --hide-ui --bench --frames 3 --frame-graph "$graph" >/dev/null </dev/null
dot -Tsvg -o "$OUT/frame.svg" "$graph"
rm -f "$graph"
echo "[screenshots] wrote $OUT/frame.svg"
