#!/usr/bin/env bash
# Builds everything and runs the whole test suite under its own Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
. "$root/scripts/xvfb.sh"
start_private_xvfb
cd "$root/build"
ctest --output-on-failure --timeout 600 "$@"
