#!/usr/bin/env bash
# Installs dependencies, builds, generates the data set and runs every test.
# GL and end-to-end tests run under Xvfb on llvmpipe; the reference frames also
# run on softpipe and zink, and the GL call stream is recorded and replayed with
# apitrace (label drivers). Arguments go to CTest
# (e.g. -L nogl).
#
#   bash scripts/test.sh              the normal build, in build/
#   bash scripts/test.sh --sanitize   the same suite built with AddressSanitizer
#                                     and UndefinedBehaviorSanitizer, in build-asan/
#                                     (or KESTRUNE_SANITIZE=1); any finding fails
#
# $BUILD_DIR overrides either build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

SANITIZE=${KESTRUNE_SANITIZE:-0}
if [ "${1:-}" = "--sanitize" ]; then
  SANITIZE=1
  shift
fi

bash scripts/install-deps.sh
if [ "$SANITIZE" = 1 ]; then
  export BUILD_DIR=${BUILD_DIR:-build-asan}
  export KESTRUNE_CMAKE_ARGS="-DKESTRUNE_SANITIZE=ON"
  # Leaks inside the OpenGL driver and the window system are theirs, not ours:
  # the suppression file names only those libraries.
  export LSAN_OPTIONS=suppressions=$ROOT/tests/sanitizer/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  # The GL driver is unloaded with the last context, before the leak check at
  # exit, and what it leaked could then not be traced to it. Preloaded, it stays
  # mapped to the end (hence no complaint that the sanitizer's runtime is not
  # the first library).
  driver=$(ls /usr/lib/*/dri/swrast_dri.so | head -n 1)
  export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:verify_asan_link_order=0
  preload=(env LD_PRELOAD="$driver")
  # The reference frames check the picture, not our memory handling, which the
  # end-to-end tests already run the same capture path for; on softpipe and
  # zink they would multiply this pass's time.
  ctest_args=(-LE "drivers|references")
  echo "[test] sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer) in $BUILD_DIR"
else
  export BUILD_DIR=${BUILD_DIR:-build}
  preload=()
  ctest_args=()
fi
bash scripts/build.sh

echo "[test] running all tests under Xvfb ..."
export SDL_AUDIODRIVER=dummy
xvfb-run -a -s "-screen 0 1920x1080x24" "${preload[@]}" \
  ctest --test-dir "$BUILD_DIR" --output-on-failure --timeout 600 -j"$(nproc)" "${ctest_args[@]}" "$@"
