# Cross-compiling for 64-bit Windows with Debian's mingw-w64, the POSIX-threads variant: the
# win32 variant of its GCC has no std::thread or std::mutex. Everything is linked statically,
# so the programs need no DLLs beyond Windows' own.
#
# The dependencies live in one prefix, named by LUMAVEX_WINDOWS_PREFIX in the environment (an
# environment variable, because CMake reads this file again for every try_compile project).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(CMAKE_AR ${triplet}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triplet}-gcc-ranlib-posix CACHE FILEPATH "")

set(prefix "$ENV{LUMAVEX_WINDOWS_PREFIX}")
if(prefix STREQUAL "")
  message(FATAL_ERROR "LUMAVEX_WINDOWS_PREFIX must name the Windows dependency prefix")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} ${prefix})
set(CMAKE_PREFIX_PATH ${prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Static archives only: a found import library would make the programs need a DLL.
set(CMAKE_FIND_LIBRARY_SUFFIXES .a)

# Static libraries list their own dependencies only in pkg-config's private fields.
set(ENV{PKG_CONFIG_LIBDIR} ${prefix}/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")
set(PKG_CONFIG_ARGN --static CACHE STRING "")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -L${prefix}/lib")
set(CMAKE_C_FLAGS_INIT "-I${prefix}/include")
set(CMAKE_CXX_FLAGS_INIT "-I${prefix}/include")

# Find modules for the static Windows libraries, ahead of the project's own and CMake's.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/modules)
