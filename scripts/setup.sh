#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need, when missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libglfw3-dev libglew-dev libglm-dev libassimp-dev libdevil-dev libfreeimage-dev
  libsdl2-mixer-dev libimgui-dev libmp3lame-dev libmpg123-dev libgl-dev libgl1-mesa-dri libx11-dev
  libgtest-dev xvfb xauth xdotool x11-utils glslang-tools libcli11-dev ffmpeg
  imagemagick fonts-dejavu-core gnuplot-nox python3-pil
)

missing=()
for p in "${packages[@]}"; do
  # No pipe into grep -q: under pipefail its early exit can fail the pipeline at random.
  [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
