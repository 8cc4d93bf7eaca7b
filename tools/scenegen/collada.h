#pragma once

// Collada 1.4.1 documents holding one mesh, as the program's importer reads them.

#include <string>

#include "mesh.h"

namespace scenegen {

// Texture files a model's material names, relative to the model's folder. An empty name
// leaves that slot out.
struct MaterialTextures {
    std::string diffuse;
    std::string displacement;  // written to the emissive slot, where the loader looks for it
};

// The document text. The importer skips its first material, so the file holds an untextured
// placeholder material first and the textured one second (when there are textures at all).
std::string colladaDocument(const std::string& name, const Mesh& mesh,
                            const MaterialTextures& textures);

}  // namespace scenegen
