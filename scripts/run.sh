#!/usr/bin/env bash
# Builds and starts the demo. Without a display there is nothing to watch a window on, so the
# whole show is rendered to captures/show.mp4 with its music instead (under a private Xvfb).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
cd "$root/build"
if [ -n "${DISPLAY:-}" ]; then
  exec ./lumavex
fi
echo "No display found: rendering the show to $root/captures/show.mp4 instead."
. "$root/scripts/xvfb.sh"
start_private_xvfb
start=$(date +%s)
./lumavex_capture --video --out "$root/captures"
seconds=$(( $(date +%s) - start ))
printf 'The show is in %s (rendered in %d min %02d s).\n' \
  "$root/captures/show.mp4" $((seconds / 60)) $((seconds % 60))
