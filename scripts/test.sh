#!/usr/bin/env bash
# Installs dependencies, builds, generates the data set and runs every test.
# GL and end-to-end tests run under Xvfb on llvmpipe.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
echo "[test] running all tests under Xvfb ..."
export SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 1920x1080x24" \
  ctest --test-dir build --output-on-failure --timeout 300 -j"$(nproc)" "$@"
