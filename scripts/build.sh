#!/usr/bin/env bash
# Configures and builds into build/ at the repository root (the programs expect ../Shader and
# ../Models next to their working directory); the build also generates the scene data.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$root/build" -j"$(nproc)"
