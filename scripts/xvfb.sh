#!/usr/bin/env bash
# Sourced: starts a private Xvfb and exports DISPLAY; stops it when the shell exits.
start_private_xvfb() {
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp +extension GLX >/tmp/lumavex-xvfb-$n.log 2>&1 &
    LUMAVEX_XVFB_PID=$!
    # Ready means answering clients, not only having created its socket.
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    if kill -0 "$LUMAVEX_XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      trap 'kill "$LUMAVEX_XVFB_PID" 2>/dev/null || true' EXIT
      return 0
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}
