#!/usr/bin/env bash
# Hunts for tests that fail now and then: runs the whole suite (built as
# scripts/test.sh builds it) several times in a row at -j4, twice the cores of
# a small machine, then several times more beside a CPU hog (stress-ng, which
# this script installs when it is missing). Every run must pass; CTest stops a
# test's repeats at its first failure and the script ends with the summary of
# each run.
#
#   bash scripts/flake-hunt.sh [RUNS [LOADED-RUNS]]     default 5 and 3
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-5}
LOADED_RUNS=${2:-3}
for count in "$RUNS" "$LOADED_RUNS"; do
  if ! [[ "$count" =~ ^[0-9]+$ ]]; then
    echo "flake-hunt: run counts are whole numbers, not '$count'" >&2
    exit 2
  fi
done

bash scripts/install-deps.sh
if ! command -v stress-ng >/dev/null; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  echo "[hunt] installing stress-ng ..."
  $SUDO apt-get -o DPkg::Lock::Timeout=600 update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends stress-ng >/dev/null
fi
export BUILD_DIR=${BUILD_DIR:-build}
bash scripts/build.sh
export SDL_AUDIODRIVER=dummy

# One ctest run of every test, each repeated until it fails, at most `$1` times.
hunt() {
  xvfb-run -a -s "-screen 0 1920x1080x24" \
    ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 900 -j4 --repeat "until-fail:$1"
}

status=0
if [ "$RUNS" -gt 0 ]; then
  echo "[hunt] the whole suite, each test up to $RUNS times, at -j4"
  hunt "$RUNS" || status=1
fi
if [ "$LOADED_RUNS" -gt 0 ]; then
  echo "[hunt] the whole suite, each test up to $LOADED_RUNS times, at -j4 beside stress-ng --cpu 2"
  stress-ng --cpu 2 --quiet &
  hog=$!
  hunt "$LOADED_RUNS" || status=1
  kill "$hog"
  wait "$hog" 2>/dev/null || true
fi
exit "$status"
