#pragma once

// The set's Collada models, one per row of the program's model table (scene/scene_models.h),
// which gives each its file and the textures its material names: their meshes in final world
// coordinates (or in the local frame the show's matrices expect).

#include <string>
#include <vector>

#include "collada.h"
#include "mesh.h"

namespace scenegen {

struct Model {
    std::string file;
    Mesh mesh;
    MaterialTextures textures;
};

std::vector<Model> sceneModels();

}  // namespace scenegen
