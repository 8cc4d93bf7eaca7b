#!/usr/bin/env bash
# Runs a test binary in the environment of its tier. `x STATE_DIR cmd...` points DISPLAY at the
# private Xvfb of the test fixture (never at the developer's own display); `nox cmd...` runs
# without any display, which proves the test needs none.
set -u
mode=$1
shift
unset WAYLAND_DISPLAY
if [ "$mode" = nox ]; then
    unset DISPLAY
    exec "$@"
fi
state=$1
shift
# Listing the tests needs no X server, and CTest lists before the fixture has started one.
for arg in "$@"; do
    if [ "$arg" = --gtest_list_tests ]; then
        unset DISPLAY
        exec "$@"
    fi
done
if [ ! -s "$state/display" ]; then
    echo "no private X server: run X tests through ctest, whose fixture starts one" >&2
    exit 1
fi
DISPLAY=$(cat "$state/display")
export DISPLAY
exec "$@"
