# Sourced by build-windows.sh: the dependencies' Debian source packages, fetched with
# apt-get source into WIN_SOURCES (set by the caller; shared by every prefix) and unpacked with
# Debian's patches applied.

# The Debian source packages, in build order. Every library is built from these; only the
# utf8cpp and stb headers come from binary packages (Assimp includes them, Debian strips them
# from its source).
WIN_SOURCE_PACKAGES=(zlib libpng1.6 glfw3 glew libsdl2 libsdl2-mixer assimp freeimage imgui glm
    cli11)

# Every version of a source package the archive lists, newest first.
source_versions() {
    apt-cache showsrc --only-source "$1" 2>/dev/null | awk '/^Version:/ {print $2}' | sort -Vru
}

# Tries each listed version, newest first, in DIR; true once one is unpacked there. The
# security archive serves binaries only, so its source versions fail to download and an older
# one from the main archive is used.
download_source() {  # name dir
    local version
    for version in $(source_versions "$1"); do
        if (cd "$2" && apt-get source -q "$1=$version" >"$2/.log" 2>&1); then
            return 0
        fi
        find "$2" -mindepth 1 -maxdepth 1 ! -name .log -exec rm -rf {} +
    done
    return 1
}

# Prints the unpacked source directory of a package, fetching it first when needed. The
# directory is named after the versions the archive lists, as the cache key is, so a new
# version is fetched anew. Lists that no longer match the archive are refreshed once.
fetch_source() {
    local name=$1 dir
    dir="$WIN_SOURCES/$name/$(source_versions "$name" | sed -n 1p | tr ':~' '__')"
    if [ ! -f "$dir/.unpacked" ]; then
        rm -rf "$dir"
        mkdir -p "$dir"
        if ! download_source "$name" "$dir"; then
            echo "apt-get source $name failed; refreshing the package lists" >&2
            $sudo apt-get update -q >/dev/null 2>&1
            download_source "$name" "$dir" || {
                echo "cannot fetch the source package $name; apt-get said:" >&2
                cat "$dir/.log" >&2
                return 1
            }
        fi
        find "$dir" -mindepth 1 -maxdepth 1 -type d | sed -n 1p >"$dir/.unpacked"
    fi
    cat "$dir/.unpacked"
}
