# DevIL's IL as the Windows prefix has it: a static library built from third_party/devil, with
# PNG only (no ILU or ILUT), so its users also link libpng and zlib.
find_path(IL_INCLUDE_DIR IL/il.h)
find_library(IL_LIBRARIES NAMES IL)
find_package(PNG REQUIRED)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(DevIL REQUIRED_VARS IL_LIBRARIES IL_INCLUDE_DIR)
if(DevIL_FOUND AND NOT TARGET DevIL::IL)
  add_library(DevIL::IL STATIC IMPORTED)
  set_target_properties(DevIL::IL PROPERTIES
    IMPORTED_LOCATION "${IL_LIBRARIES}"
    INTERFACE_INCLUDE_DIRECTORIES "${IL_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS IL_STATIC_LIB
    INTERFACE_LINK_LIBRARIES PNG::PNG)
endif()
