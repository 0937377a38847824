#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and a headless run need.
# Packages already present are skipped, so a second run installs nothing. When
# another package manager holds the lock, apt waits for it (up to 10 minutes)
# instead of failing. apt-get runs through sudo when not root.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libglew-dev libassimp-dev libfreeimage-dev libfreetype-dev
  libglm-dev libimgui-dev libstb-dev libgtest-dev googletest
  libgl1-mesa-dri libgl-dev mesa-utils
  mesa-vulkan-drivers    # lavapipe, under the zink driver that the reference-frame tests also run on
  xvfb xauth xdotool
  fonts-open-sans fonts-droid-fallback
  glslang-tools          # the reference GLSL front end that checks every shader stage
  apitrace               # records and replays the GL call stream in the call-stream replay test
  graphviz               # draws the capture tool's frame graph (docs/frame.svg, and a test)
  clang libclang-rt-14-dev # long libFuzzer sessions (the normal build uses g++)
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "[deps] all ${#PACKAGES[@]} packages present, nothing to install"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
APT=($SUDO apt-get -o DPkg::Lock::Timeout=600 -o Acquire::Retries=3)

echo "[deps] installing ${#missing[@]} package(s): ${missing[*]}"
echo "[deps] apt-get update (waits while another package manager holds the lock) ..."
"${APT[@]}" update -qq
echo "[deps] apt-get install (this can take a few minutes) ..."
DEBIAN_FRONTEND=noninteractive "${APT[@]}" install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "[deps] done"
