# Sourced by build-windows.sh: cross-builds the dependencies as static libraries into one
# prefix, from the Debian source packages that sources.sh fetches. Functions only; the caller
# sets:
#   LUMAVEX_ROOT            the repository
#   LUMAVEX_WINDOWS_PREFIX  where the libraries and headers go
#   WIN_WORK                scratch build trees
# The prefix's cache key covers this file: a change here builds the libraries anew.

WIN_TOOLCHAIN="$LUMAVEX_ROOT/cmake/windows/mingw-w64-x86_64.cmake"

# Configures, builds and installs one CMake project into the prefix, statically.
cmake_install() {
    local name=$1 source=$2
    shift 2
    local build="$WIN_WORK/$name"
    rm -rf "$build"
    nice cmake -G Ninja -S "$source" -B "$build" -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$WIN_TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$LUMAVEX_WINDOWS_PREFIX" -DBUILD_SHARED_LIBS=OFF "$@" \
        >"$WIN_WORK/$name.log" 2>&1 &&
        nice cmake --build "$build" -j"$(nproc)" >>"$WIN_WORK/$name.log" 2>&1 &&
        cmake --install "$build" >>"$WIN_WORK/$name.log" 2>&1 ||
        { echo "building $name failed; the end of $WIN_WORK/$name.log:" >&2
          tail -n 40 "$WIN_WORK/$name.log" >&2; return 1; }
}

cc_win() { nice x86_64-w64-mingw32-gcc-posix -O2 "$@"; }
cxx_win() { nice x86_64-w64-mingw32-g++-posix -O2 "$@"; }
ar_win() { x86_64-w64-mingw32-gcc-ar-posix "$@"; }

# zlib by hand: its CMake project always builds the DLL too, from a resource file Debian's
# repacked tarball does not have. minizip (zlib's contrib) is what Assimp reads archives with.
build_zlib() {
    local src obj="$WIN_WORK/zlib" p="$LUMAVEX_WINDOWS_PREFIX" f
    src=$(fetch_source zlib) || return 1
    rm -rf "$obj" && mkdir -p "$obj/minizip" "$p/lib/pkgconfig" "$p/include/minizip"
    for f in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback inffast inflate \
        inftrees trees uncompr zutil; do
        cc_win -c "$src/$f.c" -o "$obj/$f.o" || return 1
    done
    ar_win rcs "$p/lib/libz.a" "$obj"/*.o
    cp "$src/zlib.h" "$src/zconf.h" "$p/include/"
    printf 'prefix=%s\nlibdir=${prefix}/lib\nincludedir=${prefix}/include\n\nName: zlib\nDescription: zlib compression library\nVersion: 1.2.13\nLibs: -L${libdir} -lz\nCflags: -I${includedir}\n' \
        "$p" >"$p/lib/pkgconfig/zlib.pc"
    for f in ioapi unzip zip iowin32; do
        cc_win -I"$p/include" -c "$src/contrib/minizip/$f.c" -o "$obj/minizip/$f.o" || return 1
    done
    ar_win rcs "$p/lib/libminizip.a" "$obj"/minizip/*.o
    cp "$src"/contrib/minizip/{ioapi,unzip,zip,iowin32,crypt}.h "$p/include/minizip/"
    printf 'prefix=%s\nlibdir=${prefix}/lib\nincludedir=${prefix}/include\n\nName: minizip\nDescription: zip archive library\nVersion: 1.2.13\nRequires: zlib\nLibs: -L${libdir} -lminizip\nCflags: -I${includedir}/minizip\n' \
        "$p" >"$p/lib/pkgconfig/minizip.pc"
}

build_libpng() {
    local src
    src=$(fetch_source libpng1.6) || return 1
    cmake_install libpng "$src" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF \
        -DPNG_EXECUTABLES=OFF -DZLIB_ROOT="$LUMAVEX_WINDOWS_PREFIX"
}

build_glfw() {
    local src
    src=$(fetch_source glfw3) || return 1
    cmake_install glfw "$src" -DGLFW_BUILD_EXAMPLES=OFF -DGLFW_BUILD_TESTS=OFF \
        -DGLFW_BUILD_DOCS=OFF
}

build_glew() {
    local src
    src=$(fetch_source glew) || return 1
    cmake_install glew "$src/build/cmake" -DBUILD_UTILS=OFF -DGLEW_REGAL=OFF -DGLEW_OSMESA=OFF
}

# SDL only plays the music here, so its video, input and sensor parts stay out (a third of the
# build time).
build_sdl2() {
    local src
    src=$(fetch_source libsdl2) || return 1
    # The dynamic API (SDL looking for a newer SDL2.dll at run time) refers to every function,
    # the video ones left out here too; a static copy inside the programs has no use for it.
    sed -i 's/^#define SDL_DYNAMIC_API 1$/#define SDL_DYNAMIC_API 0/' "$src/src/dynapi/SDL_dynapi.h"
    cmake_install sdl2 "$src" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
        -DSDL_VIDEO=OFF -DSDL_RENDER=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF \
        -DSDL_SENSOR=OFF -DSDL_POWER=OFF -DSDL_VULKAN=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF \
        -DSDL_DIRECTX=OFF -DSDL_RENDER_D3D=OFF && write_sdl2_pc
}

# SDL's own sdl2.pc makes its users GUI programs with SDL's main (-mwindows, -Dmain=SDL_main).
# The demo is a console program with its own main and uses SDL for sound only.
write_sdl2_pc() {
    local p="$LUMAVEX_WINDOWS_PREFIX"
    printf '%s\n' "prefix=$p" 'libdir=${prefix}/lib' 'includedir=${prefix}/include' '' \
        'Name: sdl2' 'Description: SDL2, static, without SDL_main' 'Version: 2' \
        'Libs: -L${libdir} -lSDL2' \
        'Libs.private: -lm -luser32 -lgdi32 -lwinmm -limm32 -lole32 -loleaut32 -lversion -luuid -ladvapi32 -lsetupapi -lshell32' \
        'Cflags: -I${includedir} -I${includedir}/SDL2 -DSDL_MAIN_HANDLED' >"$p/lib/pkgconfig/sdl2.pc"
}

# SDL2_mixer installs a pkg-config file for its shared library only.
write_sdl2_mixer_pc() {
    local p="$LUMAVEX_WINDOWS_PREFIX"
    printf '%s\n' "prefix=$p" 'libdir=${prefix}/lib' 'includedir=${prefix}/include' '' \
        'Name: SDL2_mixer' 'Description: SDL2_mixer, static' 'Version: 2.6.2' 'Requires: sdl2' \
        'Libs: -L${libdir} -lSDL2_mixer' 'Cflags: -I${includedir}/SDL2' \
        >"$p/lib/pkgconfig/SDL2_mixer.pc"
}

# MP3 through the bundled dr_mp3 and Ogg through the bundled stb_vorbis: no other libraries.
build_sdl2_mixer() {
    local src
    src=$(fetch_source libsdl2-mixer) || return 1
    cmake_install sdl2_mixer "$src" -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_VENDORED=OFF \
        -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF \
        -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_MP3_MPG123=OFF \
        -DSDL2MIXER_MP3_DRMP3=ON -DSDL2MIXER_VORBIS=STB -DSDL2MIXER_WAVE=ON \
        -DSDL2MIXER_CMD=OFF && write_sdl2_mixer_pc
}

# Only the Collada importer. Debian's source needs system draco (its patch is undone: draco
# stays out), utf8cpp and stb (their headers come from the binary packages).
build_assimp() {
    local src p="$LUMAVEX_WINDOWS_PREFIX"
    src=$(fetch_source assimp) || return 1
    if [ ! -f "$src/.draco-reverted" ]; then
        patch -R -p1 -d "$src" <"$src/debian/patches/use-system-libdraco.patch" >/dev/null &&
            touch "$src/.draco-reverted" || return 1
    fi
    mkdir -p "$p/include/utf8cpp" "$p/include/stb"
    cp -r /usr/include/utf8cpp/. "$p/include/utf8cpp/"
    cp /usr/include/stb/stb_image.h "$p/include/stb/"
    cmake_install assimp "$src" -DASSIMP_BUILD_ALL_IMPORTERS_BY_DEFAULT=OFF \
        -DASSIMP_BUILD_COLLADA_IMPORTER=ON -DASSIMP_BUILD_ALL_EXPORTERS_BY_DEFAULT=OFF \
        -DASSIMP_NO_EXPORT=ON -DASSIMP_BUILD_TESTS=OFF -DASSIMP_BUILD_ASSIMP_TOOLS=OFF \
        -DASSIMP_BUILD_SAMPLES=OFF -DASSIMP_BUILD_ZLIB=OFF -DASSIMP_BUILD_DRACO=OFF \
        -DASSIMP_WARNINGS_AS_ERRORS=OFF -DASSIMP_INSTALL_PDB=OFF -DASSIMP_DOUBLE_PRECISION=OFF \
        -DCMAKE_CXX_FLAGS="-I$p/include/utf8cpp -Wa,-mbig-obj" \
        -DZLIB_ROOT="$p"
}

# FreeImage with the codecs that need no other library plus PNG; see cmake/windows/freeimage.
build_freeimage() {
    local src
    src=$(fetch_source freeimage) || return 1
    cmake_install freeimage "$LUMAVEX_ROOT/cmake/windows/freeimage" -DFREEIMAGE_SOURCE="$src"
}

# DevIL's IL with PNG, from the copy kept in the repository.
build_devil() {
    cmake_install devil "$LUMAVEX_ROOT/third_party/devil"
}

# Dear ImGui laid out as Debian's libimgui-dev has it: the library, its headers under
# include/imgui, and the GLFW and OpenGL 3 backends as sources (the project compiles those
# itself), named in imgui.pc. Built by hand from its four sources, which carry the stb code
# ImGui bundles (Debian's own build takes stb from the system instead).
build_imgui() {
    local src obj="$WIN_WORK/imgui" p="$LUMAVEX_WINDOWS_PREFIX" f version
    src=$(fetch_source imgui) || return 1
    rm -rf "$obj" "$p/include/imgui" "$p/share/imgui"
    mkdir -p "$obj" "$p/include/imgui/backends" "$p/share/imgui/backends" "$p/lib/pkgconfig"
    for f in imgui imgui_draw imgui_tables imgui_widgets; do
        cxx_win -w -I"$src" -c "$src/$f.cpp" -o "$obj/$f.o" || return 1
    done
    ar_win rcs "$p/lib/libimgui.a" "$obj"/*.o
    cp "$src"/imgui.h "$src"/imconfig.h "$src"/imgui_internal.h "$src"/imstb_*.h "$p/include/imgui/"
    cp "$src"/backends/imgui_impl_glfw.h "$src"/backends/imgui_impl_opengl3.h \
        "$src"/backends/imgui_impl_opengl3_loader.h "$p/include/imgui/backends/"
    cp "$src"/backends/imgui_impl_glfw.cpp "$src"/backends/imgui_impl_opengl3.cpp \
        "$p/share/imgui/backends/"
    version=$(sed -n 's/^#define IMGUI_VERSION *"\(.*\)"/\1/p' "$src/imgui.h")
    # Windows' input method and clipboard functions, which imgui.cpp calls by default.
    printf '%s\n' "prefix=$p" 'libdir=${prefix}/lib' 'includedir=${prefix}/include/imgui' \
        'backendsdir=${prefix}/share/imgui/backends' '' 'Name: imgui' \
        'Description: Dear ImGui, static, backends as sources' "Version: $version" \
        'Libs: -L${libdir} -limgui' 'Libs.private: -limm32 -luser32' 'Cflags: -I${includedir}' \
        >"$p/lib/pkgconfig/imgui.pc"
}

# Header-only: GLM with a small package file, CLI11 through its own install.
build_headers() {
    local glm cli11 p="$LUMAVEX_WINDOWS_PREFIX"
    glm=$(fetch_source glm) && cli11=$(fetch_source cli11) || return 1
    rm -rf "$p/include/glm"
    cp -r "$glm/glm" "$p/include/glm"
    find "$p/include/glm" \( -name '*.cpp' -o -name CMakeLists.txt \) -delete
    mkdir -p "$p/lib/cmake/glm"
    cat >"$p/lib/cmake/glm/glmConfig.cmake" <<'EOF'
if(NOT TARGET glm::glm)
  add_library(glm::glm INTERFACE IMPORTED)
  set_target_properties(glm::glm PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${CMAKE_CURRENT_LIST_DIR}/../../../include")
endif()
EOF
    cmake_install cli11 "$cli11" -DCLI11_BUILD_TESTS=OFF -DCLI11_BUILD_EXAMPLES=OFF \
        -DCLI11_BUILD_DOCS=OFF -DCLI11_PRECOMPILED=OFF
}

build_all_dependencies() {
    local step
    for step in build_zlib build_libpng build_glfw build_glew build_sdl2 build_sdl2_mixer \
        build_assimp build_freeimage build_devil build_imgui build_headers; do
        local start=$SECONDS
        "$step" || return 1
        echo "  ${step#build_}: $((SECONDS - start)) s" >&2
    done
}
