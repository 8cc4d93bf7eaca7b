#!/usr/bin/env bash
# Cross-builds the Windows package, dist/lumavex-windows-x64.zip: both demo builds and the
# capture tool (64-bit, statically linked: no DLLs beyond Windows' own), Shader/, Models/, a
# short README and the third-party licences.
#
#   scripts/build-windows.sh
#
# Installs mingw-w64, Wine and the build tools with apt-get (sudo when not root), fetches the
# dependencies as Debian source packages and cross-builds them into a prefix outside the clone:
# $LUMAVEX_WINDOWS_CACHE, by default /var/cache/lumavex-windows (or ~/.cache/lumavex-windows
# when that is not writable), one prefix per set of source versions and build recipe. The
# first run takes a quarter of an hour on two cores; later ones reuse the prefix.
#
# Models/ is generated data: it comes from the native build (build/), which is configured and
# asked for its scene data when needed.
set -euo pipefail
# With pipefail, a reader that stops early (head, grep -q) can fail a pipeline at random when
# the writer is still writing: pipelines here read their input to the end.
root="$(cd "$(dirname "$0")/.." && pwd)"
started=$SECONDS

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

log() { echo "build-windows: $*" >&2; }

# apt is shared with other users of the machine: wait for its locks instead of failing.
apt_run() {
    local try
    for try in 1 2 3 4 5 6 7 8 9 10; do
        DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=120 "$@" && return 0
        log "apt-get $1 failed (attempt $try), retrying in 15 s"
        sleep 15
    done
    return 1
}

packages=(
    mingw-w64 gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64 dpkg-dev cmake ninja-build pkg-config patch xz-utils zip unzip
    libutfcpp-dev libstb-dev
)

install_packages() {
    local missing=() p
    for p in "${packages[@]}"; do
        [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing ${missing[*]}"
    apt_run update -q >/dev/null
    apt_run install -y -q --no-install-recommends "${missing[@]}" >/dev/null
}

# apt-get source needs deb-src entries. They mirror the machine's Debian entries with the type
# changed: debian.sources, the deb822 file Debian 12 ships, or else the one-line sources.list.
ensure_source_entries() {
    if [ -n "$(source_versions zlib)" ]; then
        return 0
    fi
    local deb822=/etc/apt/sources.list.d/debian.sources
    if [ -f "$deb822" ]; then
        log "adding deb-src entries in /etc/apt/sources.list.d/lumavex-deb-src.sources"
        sed 's/^Types: deb$/Types: deb-src/' "$deb822" |
            $sudo tee /etc/apt/sources.list.d/lumavex-deb-src.sources >/dev/null
    else
        log "adding deb-src entries in /etc/apt/sources.list.d/lumavex-deb-src.list"
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list |
            $sudo tee /etc/apt/sources.list.d/lumavex-deb-src.list >/dev/null
    fi
    apt_run update -q >/dev/null
}

cache_root() {
    local dir="${LUMAVEX_WINDOWS_CACHE:-/var/cache/lumavex-windows}"
    if mkdir -p "$dir" 2>/dev/null && [ -w "$dir" ]; then
        echo "$dir"
    else
        dir="${XDG_CACHE_HOME:-$HOME/.cache}/lumavex-windows"
        mkdir -p "$dir" && echo "$dir"
    fi
}

# The prefix's name: the source versions the archive offers, the compiler and a hash of
# everything that says how they are built.
prefix_key() {
    local name
    {
        for name in "${WIN_SOURCE_PACKAGES[@]}"; do
            echo "$name $(source_versions "$name" | tr '\n' ' ')"
        done
        x86_64-w64-mingw32-g++-posix --version | sed -n 1p
        dpkg-query -W -f='${Version}\n' libutfcpp-dev libstb-dev
        cd "$root" && find scripts/windows/deps.sh cmake/windows/mingw-w64-x86_64.cmake \
            cmake/windows/freeimage third_party/devil -type f |
            LC_ALL=C sort | xargs sha256sum
    } | sha256sum | cut -c1-16
}

build_dependencies() {
    export LUMAVEX_ROOT="$root"
    export LUMAVEX_WINDOWS_PREFIX="$cache/$key/prefix"
    WIN_SOURCES="$cache/sources"
    WIN_WORK="$cache/$key/work"
    if [ -f "$cache/$key/complete" ]; then
        log "dependencies: cached in $cache/$key"
        return 0
    fi
    log "dependencies: building into $cache/$key (about a quarter of an hour)"
    rm -rf "$cache/$key"
    mkdir -p "$LUMAVEX_WINDOWS_PREFIX" "$WIN_WORK" "$WIN_SOURCES"
    build_all_dependencies
    rm -rf "$WIN_WORK"
    touch "$cache/$key/complete"
}

# The native build's generated scene data, made when missing or stale.
scene_data() {
    if [ ! -f "$root/build/CMakeCache.txt" ]; then
        "$root/scripts/setup.sh"
        cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    nice cmake --build "$root/build" --target scene_data -j"$(nproc)" >/dev/null
}

cross_build() {
    local build="$root/build-windows"
    # A tree configured against another prefix would mix two sets of libraries.
    if [ "$(cat "$build/prefix" 2>/dev/null)" != "$LUMAVEX_WINDOWS_PREFIX" ]; then
        rm -rf "$build"
        cmake -G Ninja -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" \
            -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >"$cache/cross-configure.log" 2>&1 ||
            { tail -n 30 "$cache/cross-configure.log" >&2; return 1; }
        echo "$LUMAVEX_WINDOWS_PREFIX" >"$build/prefix"
    fi
    # The benchmark is not packaged, but building it keeps its sources compiling for Windows.
    nice cmake --build "$build" -j"$(nproc)" --target lumavex lumavex_fullscreen lumavex_capture \
        lumavex_benchmark
}

# Fails when a program imports a DLL that Windows does not ship: the package has no others.
check_imports() {
    local foreign
    foreign=$(foreign_imports "$@")
    [ -z "$foreign" ] && return 0
    log "programs that need DLLs Windows does not have:"
    echo "$foreign" >&2
    return 1
}

# The licences that go into the package, copied from the sources actually built.
collect_licences() {  # directory
    local out=$1
    cp "$(fetch_source zlib)/debian/copyright" "$out/zlib.txt"
    cp "$(fetch_source libpng1.6)/LICENSE" "$out/libpng.txt"
    cp "$(fetch_source glfw3)/LICENSE.md" "$out/glfw.txt"
    cp "$(fetch_source glew)/LICENSE.txt" "$out/glew.txt"
    cp "$(fetch_source libsdl2)/LICENSE.txt" "$out/sdl2.txt"
    cp "$(fetch_source libsdl2-mixer)/LICENSE.txt" "$out/sdl2_mixer.txt"
    cp "$(fetch_source assimp)/LICENSE" "$out/assimp.txt"
    cp "$(fetch_source freeimage)/license-fi.txt" "$out/freeimage.txt"
    cp "$(fetch_source glm)/copying.txt" "$out/glm.txt"
    cp "$(fetch_source imgui)/LICENSE.txt" "$out/imgui.txt"
    cp "$(fetch_source cli11)/LICENSE" "$out/cli11.txt"
    cp "$LUMAVEX_ROOT/third_party/devil/COPYING" "$out/devil.txt"
    # Header-only code compiled into Assimp.
    cp /usr/share/doc/libutfcpp-dev/copyright "$out/utf8cpp.txt"
    cp /usr/share/doc/libstb-dev/copyright "$out/stb.txt"
    # The compiler's runtime, linked into every program: mingw-w64's C runtime and winpthreads,
    # GCC's libstdc++ and libgcc (under the GCC runtime library exception).
    cp /usr/share/doc/mingw-w64-common/copyright "$out/mingw-w64-runtime.txt"
    cp /usr/share/doc/gcc-mingw-w64-base/copyright "$out/gcc-runtime.txt"
}

package() {
    local build="$root/build-windows" name=lumavex-windows-x64
    local stage="$root/dist/$name"
    rm -rf "$stage" "$root/dist/$name.zip"
    mkdir -p "$stage/bin" "$stage/licences"
    cp "$build"/lumavex.exe "$build"/lumavex_fullscreen.exe "$build"/lumavex_capture.exe "$stage/bin/"
    check_imports "$stage"/bin/*.exe
    cp -r "$root/Shader" "$stage/Shader"
    cp -r "$root/Models" "$stage/Models"
    collect_licences "$stage/licences"
    sed 's/$/\r/' "$root/scripts/windows/package-readme.txt" >"$stage/README.txt"
    (cd "$root/dist" && rm -f "$name.zip" && zip -q -r -X "$name.zip" "$name")
    rm -rf "$stage"
}

# shellcheck source=windows/sources.sh
. "$root/scripts/windows/sources.sh"
install_packages
ensure_source_entries
cache=$(cache_root)
# One build at a time per cache: another one (a second clone's CI, say) waits here.
exec 9>"$cache/build.lock"
flock -w 1800 9 || log "another build still holds $cache/build.lock; going on"
LUMAVEX_ROOT="$root"
# shellcheck source=windows/deps.sh
. "$root/scripts/windows/deps.sh"
# shellcheck source=windows/imports.sh
. "$root/scripts/windows/imports.sh"
key=$(prefix_key)
build_dependencies
scene_data
cross_build
package
log "wrote dist/lumavex-windows-x64.zip in $((SECONDS - started)) s"
