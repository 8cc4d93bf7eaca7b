# Dear ImGui for the overlay panel, as the target `lumavex_imgui`: the library, its headers and
# its GLFW and OpenGL 3 backends.
#
# Debian's libimgui-dev (and the Windows prefix, laid out the same way) installs the library
# with a pkg-config file, but ships the backends as sources only, so they are compiled here.
# They draw through GLEW, the loader the program has already set up, instead of the backend's
# own copy of gl3w. They are third-party code, compiled without warnings.
if(MSVC)
  # vcpkg's port compiles the backends into its library (the glfw- and opengl3-binding features
  # of vcpkg.json).
  find_package(imgui CONFIG REQUIRED)
  add_library(lumavex_imgui INTERFACE)
  target_link_libraries(lumavex_imgui INTERFACE imgui::imgui)
  return()
endif()

pkg_check_modules(IMGUI REQUIRED IMPORTED_TARGET imgui)
# The Windows prefix names its backend folder in imgui.pc; Debian keeps them with the examples.
pkg_get_variable(IMGUI_BACKEND_DIR imgui backendsdir)
if(NOT IMGUI_BACKEND_DIR)
  set(IMGUI_BACKEND_DIR /usr/share/doc/libimgui-dev/examples/backends)
endif()
foreach(backend imgui_impl_glfw.cpp imgui_impl_opengl3.cpp)
  if(NOT EXISTS ${IMGUI_BACKEND_DIR}/${backend})
    message(FATAL_ERROR "Dear ImGui's backend source ${backend} is not in ${IMGUI_BACKEND_DIR}"
      " (Debian: apt-get install libimgui-dev)")
  endif()
endforeach()

add_library(lumavex_imgui STATIC
  ${IMGUI_BACKEND_DIR}/imgui_impl_glfw.cpp ${IMGUI_BACKEND_DIR}/imgui_impl_opengl3.cpp)
target_include_directories(lumavex_imgui PUBLIC ${IMGUI_INCLUDEDIR}/backends)
target_compile_definitions(lumavex_imgui PRIVATE IMGUI_IMPL_OPENGL_LOADER_CUSTOM GLFW_INCLUDE_NONE)
target_compile_options(lumavex_imgui PRIVATE "SHELL:-include GL/glew.h" -w)
target_link_libraries(lumavex_imgui PUBLIC PkgConfig::IMGUI PkgConfig::GLFW3 GLEW::GLEW)
