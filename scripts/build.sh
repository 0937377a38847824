#!/usr/bin/env bash
# Configures and builds into build/ (or $BUILD_DIR); the runnable layout is <build dir>/bin.
# Extra CMake options go in $KESTRUNE_CMAKE_ARGS (scripts/test.sh --sanitize uses it).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${BUILD_DIR:-build}
read -r -a extra_args <<<"${KESTRUNE_CMAKE_ARGS:-}"
echo "[build] configuring ($BUILD_DIR) ..."
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${extra_args[@]}" >"$BUILD_DIR.configure.log" 2>&1 || {
  cat "$BUILD_DIR.configure.log"; exit 1; }
echo "[build] compiling with $(nproc) jobs (a clean build takes a few minutes) ..."
cmake --build "$BUILD_DIR" -j"$(nproc)"
echo "[build] runnable layout: $BUILD_DIR/bin"
