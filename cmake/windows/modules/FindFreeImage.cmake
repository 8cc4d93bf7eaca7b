# FreeImage as the Windows prefix has it: static (FREEIMAGE_LIB), PNG through libpng.
find_path(FreeImage_INCLUDE_DIR FreeImage.h)
find_library(FreeImage_LIBRARY NAMES freeimage)
find_package(PNG REQUIRED)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(FreeImage REQUIRED_VARS FreeImage_LIBRARY FreeImage_INCLUDE_DIR)
if(FreeImage_FOUND AND NOT TARGET FreeImage::FreeImage)
  add_library(FreeImage::FreeImage STATIC IMPORTED)
  set_target_properties(FreeImage::FreeImage PROPERTIES
    IMPORTED_LOCATION "${FreeImage_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${FreeImage_INCLUDE_DIR}"
    INTERFACE_COMPILE_DEFINITIONS FREEIMAGE_LIB
    INTERFACE_LINK_LIBRARIES PNG::PNG)
endif()
