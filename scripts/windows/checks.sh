# Sourced by ci-windows.sh: the checks of the Windows package against the Linux build. Each
# function returns 0 when its check holds. Expects root, work (scratch), pkg (the unpacked
# package) and the Wine and Xvfb environment to be set.

# shellcheck source=imports.sh
. "$root/scripts/windows/imports.sh"

title="Lumavex - VORNE.X"
linux_build="$root/build"
moments=2,30,57

imports_are_system_only() {
    local foreign
    foreign=$(foreign_imports "$@")
    [ -z "$foreign" ] && return 0
    echo "$foreign" | sed 's/^/  /' >&2
    return 1
}

# Runs a command once more when it ended by a signal or a time-out (status 124 to 254) rather
# than with a status of its own (the programs end with 0, 1, 2 or 255): twice on this machine a
# capture under Wine was killed on its way out after writing everything, which never
# reproduced. A build that crashes fails both runs.
retry_on_crash() {
    "$@"
    local status=$?
    if [ "$status" -ge 124 ] && [ "$status" -le 254 ]; then
        echo "  $* ended with status $status; once more" >&2
        "$@"
        status=$?
    fi
    return "$status"
}

# Runs a command with its standard output in OUT (and its standard error in OUT.err), afresh
# each time, with no input.
run_into() {  # out command...
    local out=$1
    shift
    "$@" >"$out" 2>"$out.err" </dev/null
}

# The close request a window manager sends (WM_DELETE_WINDOW), from the tests' helper.
wm_delete_tool() {
    local tool="$linux_build/tests/send_wm_delete"
    if [ ! -x "$tool" ]; then
        tool="$work/send_wm_delete"
        [ -x "$tool" ] || g++ -O1 -o "$tool" "$root/tests/support/send_wm_delete.cpp" -lX11 ||
            return 1
    fi
    echo "$tool"
}

# Runs a demo command in the current directory until its start-up is over (">>> Load Music"),
# then asks its window to close, once a second until it ends. Its standard output goes to
# OUT; the function returns the program's exit status.
run_and_close() {  # out command...
    local out=$1 tool pid wid i
    shift
    tool=$(wm_delete_tool) || return 99
    "$@" >"$out" 2>"$out.err" </dev/null &
    pid=$!
    for i in $(seq 1 600); do
        grep -q '^>>> Load Music' "$out" 2>/dev/null && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    for i in $(seq 1 60); do
        kill -0 "$pid" 2>/dev/null || break
        for wid in $(xdotool search --name "^$title\$" 2>/dev/null); do
            "$tool" "$wid"
        done
        sleep 1
    done
    if kill -0 "$pid" 2>/dev/null; then
        echo "  $* did not end on the close request" >&2
        kill "$pid" 2>/dev/null
    fi
    wait "$pid"
}

# The transcript without the three GL strings (renderer, version, vendor), which name the
# driver and differ between the two.
without_gl_strings() {
    sed '1,3d' "$1" | tr -d '\r'
}

transcripts_match() {
    local linux_status windows_status
    (cd "$linux_build" && run_and_close "$work/linux.out" ./lumavex)
    linux_status=$?
    (cd "$pkg/bin" && retry_on_crash run_and_close "$work/windows.out" timeout 600 wine lumavex.exe)
    windows_status=$?
    echo "  exit status: Linux $linux_status, Windows $windows_status;" \
        "$(wc -l <"$work/windows.out") lines from Windows" >&2
    if ! diff <(without_gl_strings "$work/linux.out") <(without_gl_strings "$work/windows.out") \
        >"$work/transcript.diff"; then
        echo "  transcripts differ (< Linux, > Windows):" >&2
        head -n 20 "$work/transcript.diff" >&2
        return 1
    fi
    [ "$linux_status" -eq 0 ] && [ "$windows_status" -eq 0 ]
}

# Every pair of frames: the share of pixels off by more than 1/255 in some channel must stay
# within 0.1 %. Prints the figures of each pair.
compare_frames() {  # linux_dir windows_dir
    /usr/bin/python3 - "$1" "$2" <<'EOF'
import pathlib, sys
from PIL import Image, ImageChops

linux, windows = map(pathlib.Path, sys.argv[1:3])
names = sorted(p.name for p in linux.glob("*.png"))
ok = len(names) == 3 and names == sorted(p.name for p in windows.glob("*.png"))
if not ok:
    print(f"  frames: Linux {names}, Windows {sorted(p.name for p in windows.glob('*.png'))}",
          file=sys.stderr)
for name in names:
    a = Image.open(linux / name).convert("RGB")
    b = Image.open(windows / name).convert("RGB")
    if a.size != b.size:
        print(f"  {name}: sizes differ", file=sys.stderr)
        ok = False
        continue
    channels = ImageChops.difference(a, b).split()
    largest = max(c.getextrema()[1] for c in channels)
    per_pixel = ImageChops.lighter(ImageChops.lighter(channels[0], channels[1]), channels[2])
    histogram = per_pixel.histogram()
    total = a.width * a.height
    changed = (total - histogram[0]) / total
    beyond = sum(histogram[2:]) / total
    fine = beyond <= 0.001
    ok = ok and fine
    print(f"  {name}: largest step {largest}/255, pixels changed {changed * 100:.4f} %, "
          f"beyond 1/255 {beyond * 100:.4f} %  {'ok' if fine else 'FAIL'}", file=sys.stderr)
sys.exit(0 if ok else 1)
EOF
}

frames_match() {
    mkdir -p "$work/frames-linux" "$pkg/frames"
    (cd "$linux_build" && ./lumavex_capture --at "$moments" --out "$work/frames-linux" \
        >"$work/capture-linux.out" 2>&1) || { cat "$work/capture-linux.out" >&2; return 1; }
    (cd "$pkg/bin" && retry_on_crash run_into "$work/capture-windows.out" timeout 900 \
        wine lumavex_capture.exe --at "$moments" --out ../frames) ||
        { cat "$work/capture-windows.out" "$work/capture-windows.out.err" >&2; return 1; }
    compare_frames "$work/frames-linux" "$pkg/frames"
}

# Both builds started beside a Shader/ that lacks the light pass's fragment shader.
missing_shader_matches() {
    local missing=deferredLight.frag linux_status windows_status sandbox="$work/no-shader"
    mkdir -p "$sandbox/build"
    cp -r "$root/Shader" "$sandbox/Shader"
    ln -s "$root/Models" "$sandbox/Models"
    rm "$sandbox/Shader/$missing"
    (cd "$sandbox/build" && timeout 300 "$linux_build/lumavex" >"$work/noshader-linux.out" \
        2>/dev/null </dev/null)
    linux_status=$?
    mv "$pkg/Shader/$missing" "$work/$missing"
    (cd "$pkg/bin" && retry_on_crash run_into "$work/noshader-windows.out" timeout 300 \
        wine lumavex.exe)
    windows_status=$?
    mv "$work/$missing" "$pkg/Shader/$missing"
    echo "  exit status: Linux $linux_status, Windows $windows_status; last line from Windows:" \
        "$(tail -n 1 "$work/noshader-windows.out" | tr -d '\r')" >&2
    diff <(without_gl_strings "$work/noshader-linux.out") \
        <(without_gl_strings "$work/noshader-windows.out") >&2 &&
        [ "$linux_status" -eq 255 ] && [ "$windows_status" -eq 255 ] &&
        grep -q '^Failed to open shader file' "$work/noshader-windows.out"
}

# The panel's pixels against the frame without it: within the panel's top-left corner (the
# title bar and the clock line) nearly every pixel changed, and beyond its right edge the
# frame is the panel-less one (at most 0.1 % of the pixels off by more than 1/255).
compare_panel_frame() {  # without_panel with_panel
    /usr/bin/python3 - "$1" "$2" <<'PYTHON'
import sys
from PIL import Image, ImageChops

plain, panel = (Image.open(p).convert("RGB") for p in sys.argv[1:3])
if plain.size != panel.size:
    print("  the two frames differ in size", file=sys.stderr)
    sys.exit(1)

def share_changed(box, beyond):
    channels = ImageChops.difference(plain.crop(box), panel.crop(box)).split()
    per_pixel = ImageChops.lighter(ImageChops.lighter(channels[0], channels[1]), channels[2])
    histogram = per_pixel.histogram()
    return sum(histogram[beyond + 1:]) / sum(histogram)

corner = share_changed((12, 12, 292, 52), 0)
rest = share_changed((320, 0, plain.width, plain.height), 1)
fine = corner >= 0.9 and rest <= 0.001
print(f"  panel corner changed {corner * 100:.1f} %, beyond the panel {rest * 100:.4f} %"
      f"  {'ok' if fine else 'FAIL'}", file=sys.stderr)
sys.exit(0 if fine else 1)
PYTHON
}

# lumavex_capture.exe --at 30 --panel: no GL error, and the panel drawn over the frame. The
# panel-less frame is the one frames_match captured, or captured here when it is missing.
panel_frame_drawn() {
    local plain="$pkg/frames/moment_030.00s.png"
    mkdir -p "$pkg/frames" "$pkg/frames-panel"
    if [ ! -f "$plain" ]; then
        (cd "$pkg/bin" && retry_on_crash run_into "$work/capture-plain.out" timeout 900 \
            wine lumavex_capture.exe --at 30 --out ../frames) ||
            { cat "$work/capture-plain.out" "$work/capture-plain.out.err" >&2; return 1; }
    fi
    (cd "$pkg/bin" && retry_on_crash run_into "$work/capture-panel.out" timeout 900 \
        wine lumavex_capture.exe --at 30 --panel --out ../frames-panel) ||
        { cat "$work/capture-panel.out" "$work/capture-panel.out.err" >&2; return 1; }
    echo "  $(tr -d '\r' <"$work/capture-panel.out" | grep '^Captured')" >&2
    grep -q ' 0 GL errors\.' "$work/capture-panel.out" &&
        compare_panel_frame "$plain" "$pkg/frames-panel/moment_030.00s.png"
}
