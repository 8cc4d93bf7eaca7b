#pragma once

#include <string>

#include "scene/imported_model.h"

namespace rtr::scene {

// An imported model drawn as triangles with the program it is given.
class SceneGeometry : public ImportedModel {
  public:
    // Makes `shaderProgram` current and loads `path` for it.
    SceneGeometry(const glm::mat4& modelMatrix, ShaderProgram* shaderProgram,
                  const std::string& path);
};

}  // namespace rtr::scene
