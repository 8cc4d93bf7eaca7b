#pragma once

namespace rtr {

// The fixed set: which files (scene/scene_models.h), where they stand, which lights with which
// values (scene/scene_lights.h). Each function fills its program-wide names and lists in the
// order the renderer and the show rely on.
void createStaticModels();
void loadFaceTextures();
void createTessellatedModels();
void createSpheres();
void createPointLights();

}  // namespace rtr
