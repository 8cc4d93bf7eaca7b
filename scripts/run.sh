#!/usr/bin/env bash
# Builds and starts the demo. Without a display it runs under a private Xvfb (nothing to see,
# but the show plays; use the capture tool to watch it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
cd "$root/build"
if [ -z "${DISPLAY:-}" ]; then
  echo "No display found: starting the demo under Xvfb."
  . "$root/scripts/xvfb.sh"
  start_private_xvfb
fi
./lumavex
