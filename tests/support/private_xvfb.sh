#!/usr/bin/env bash
# CTest fixture: `start STATE_DIR` runs a private Xvfb for the tests and writes its display
# name to STATE_DIR/display; `stop STATE_DIR` ends it. Tests never see the developer's display.
set -u
cmd=${1:?start or stop}
state=${2:?state directory}
mkdir -p "$state"

stop() {
    if [ -f "$state/pid" ]; then
        kill "$(cat "$state/pid")" 2>/dev/null || true
    fi
    rm -f "$state/pid" "$state/display"
}

start() {
    stop
    command -v Xvfb >/dev/null || { echo "Xvfb is not installed (apt-get install xvfb)" >&2; exit 1; }
    # -displayfd: the server picks a free display itself and names it once it accepts clients.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp +extension GLX \
        3>"$state/display.new" </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/pid"
    for _ in $(seq 1 300); do
        if [ -s "$state/display.new" ]; then
            local name=":$(tr -dc 0-9 <"$state/display.new")"
            if DISPLAY="$name" xdpyinfo >/dev/null 2>&1; then
                echo "$name" >"$state/display"
                rm -f "$state/display.new"
                echo "private X server on $name"
                return 0
            fi
        fi
        kill -0 "$(cat "$state/pid")" 2>/dev/null || break
        sleep 0.1
    done
    echo "the private Xvfb did not come up within 30 s; its log:" >&2
    cat "$state/xvfb.log" >&2
    stop
    exit 1
}

"$cmd"
