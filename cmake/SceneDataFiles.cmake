# The files the scene generator writes into Models/, relative to it, as a list in
# LUMAVEX_SCENE_DATA_FILES: every model file and texture the program's model table names
# (src/scene/scene_models.h, read here at configure time; CMake configures again when it
# changes), then the generator's own: the particle sprite, the camera's curve and the music.
set(LUMAVEX_SCENE_MODEL_TABLE ${PROJECT_SOURCE_DIR}/src/scene/scene_models.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LUMAVEX_SCENE_MODEL_TABLE})
# Lines whose code (not a comment) quotes a model or a picture.
file(STRINGS ${LUMAVEX_SCENE_MODEL_TABLE} table_lines REGEX "^[^/]*\"[^\"]+\\.(dae|png)\"")
string(REGEX MATCHALL "\"[^\"]+\\.(dae|png)\"" quoted "${table_lines}")
string(REPLACE "\"" "" LUMAVEX_SCENE_DATA_FILES "${quoted}")
list(REMOVE_DUPLICATES LUMAVEX_SCENE_DATA_FILES)
if(NOT LUMAVEX_SCENE_DATA_FILES MATCHES "\\.dae")
  message(FATAL_ERROR "no model files found in ${LUMAVEX_SCENE_MODEL_TABLE}")
endif()
list(APPEND LUMAVEX_SCENE_DATA_FILES particle.png maincurve.txt
  Sound/Corvale_-_This_Whole_World_Loves_Me_Instrumental.mp3)
