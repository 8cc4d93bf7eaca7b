#pragma once

#include <string>

#include "scene/imported_model.h"

namespace rtr::scene {

// An imported model drawn as three-vertex patches through the program-wide displacement
// program. A sibling of SceneGeometry, not a kind of it.
class SceneGeometryTess : public ImportedModel {
  public:
    // Ignores `shaderProgram`: loads for the displacement program as it is at construction and
    // leaves the current program alone. The parameter keeps the signature of SceneGeometry.
    SceneGeometryTess(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                      const std::string& path);
};

}  // namespace rtr::scene
