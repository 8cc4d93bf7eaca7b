#pragma once

// The set's Collada models: their meshes in final world coordinates (or in the local frame
// the show's matrices expect) and the textures their material names.

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
