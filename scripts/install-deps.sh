#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and a headless run need.
# Packages already present are skipped; apt-get runs through sudo when not root.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  libsdl2-dev libglew-dev libassimp-dev libfreeimage-dev libfreetype-dev
  libglm-dev libimgui-dev libstb-dev libgtest-dev googletest
  libgl1-mesa-dri libgl-dev mesa-utils
  xvfb xauth xdotool
  fonts-open-sans fonts-droid-fallback
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "[deps] all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

echo "[deps] installing: ${missing[*]}"
echo "[deps] apt-get update ..."
$SUDO apt-get update -qq
echo "[deps] apt-get install (this can take a few minutes) ..."
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "[deps] done"
