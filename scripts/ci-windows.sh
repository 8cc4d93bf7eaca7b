#!/usr/bin/env bash
# The Windows stage of CI: builds the Windows package (scripts/build-windows.sh, with its
# dependency cache when there is one) and runs it under Wine on a private Xvfb, side by side
# with the Linux build in build/:
#   - the programs import no DLL that Windows lacks
#   - lumavex.exe prints the Linux build's start-up transcript (GL strings aside) and ends
#     with status 0 when its window is asked to close
#   - lumavex_capture.exe --at 2,30,57 writes frames that match the Linux build's: at most
#     0.1 % of the pixels differ by more than 1/255 in a channel
#   - without a shader file both builds print the same fatal message and end with status 255
#   - lumavex_capture.exe --at 30 --panel draws the overlay panel with no GL error: its corner
#     differs from the frame without it, the rest of the frame does not
# Ends with "N passed, N failed" and a non-zero status when a check failed.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
started=$SECONDS
passed=0
failed=0
work="$(mktemp -d /tmp/lumavex-ci-windows.XXXXXX)"

say() { echo "ci-windows: $*" >&2; }

cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    [ -n "${LUMAVEX_XVFB_PID:-}" ] && kill "$LUMAVEX_XVFB_PID" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

finish() {
    echo "Windows stage took $((SECONDS - started)) s"
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit $?
}

check() {  # name command...
    local name=$1
    shift
    if "$@"; then
        echo "PASS $name"
        passed=$((passed + 1))
    else
        echo "FAIL $name"
        failed=$((failed + 1))
    fi
}

# Xvfb, xdotool and the Python imaging module the checks use; CI's Linux suites have them.
"$root/scripts/setup.sh" >/dev/null

cache="${LUMAVEX_WINDOWS_CACHE:-/var/cache/lumavex-windows}"
mkdir -p "$cache" 2>/dev/null
[ -w "$cache" ] || cache="${XDG_CACHE_HOME:-$HOME/.cache}/lumavex-windows"
mkdir -p "$cache"
# The Wine prefix is shared: one stage at a time (its cleanup ends the prefix's wineserver).
exec 8>"$cache/ci.lock"
flock -w 1800 8 || say "another Windows stage still holds $cache/ci.lock; going on"
if ! bash "$root/scripts/build-windows.sh"; then
    echo "FAIL building the Windows package"
    failed=$((failed + 1))
    finish
fi
echo "PASS building the Windows package"
passed=$((passed + 1))
# The Linux programs to compare with; CI's Linux suites have built them already.
if [ ! -x "$root/build/lumavex" ] || [ ! -x "$root/build/lumavex_capture" ]; then
    bash "$root/scripts/build.sh" >/dev/null
fi

# shellcheck source=xvfb.sh
. "$root/scripts/xvfb.sh"
start_private_xvfb || { echo "FAIL starting Xvfb"; failed=$((failed + 1)); finish; }

# wine complains on standard error that the 32-bit half is missing: only 64-bit programs run.
export WINEPREFIX="$cache/wine-$(wine --version 2>/dev/null | tr -c 'a-zA-Z0-9.\n' _)"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs: nothing here needs them.
export WINEDLLOVERRIDES="mscoree=;mshtml="
# Wine's default audio (WASAPI) has no device here; the dummy driver still plays the music.
export SDL_AUDIODRIVER=dummy
# start_private_xvfb set its own exit trap; ours stops that Xvfb too.
trap cleanup EXIT
# A prefix is used only once wineboot finished it; a half-made one is made again.
if [ ! -f "$WINEPREFIX/.lumavex-ready" ]; then
    say "creating the Wine prefix $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    timeout 300 wineboot -i >/dev/null 2>&1 </dev/null &&
        timeout 120 wineserver -w && touch "$WINEPREFIX/.lumavex-ready"
fi

unzip -q "$root/dist/lumavex-windows-x64.zip" -d "$work"
pkg="$work/lumavex-windows-x64"
# shellcheck source=windows/checks.sh
. "$root/scripts/windows/checks.sh"

check "programs need no DLLs beyond Windows' own" imports_are_system_only "$pkg"/bin/*.exe
check "start-up transcript matches Linux, window close ends with 0" transcripts_match
check "captured frames at 2, 30, 57 s match Linux" frames_match
check "missing shader: same message and status as Linux" missing_shader_matches
check "capture with the overlay panel: no GL error, the panel in its corner only" panel_frame_drawn
finish
