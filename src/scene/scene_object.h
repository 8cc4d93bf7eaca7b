#pragma once

#include <glm/glm.hpp>

namespace rtr::scene {

// Base of everything drawn from a mesh: where it stands, how large it is in object space (for
// the frustum test) and how to issue its draw call.
class SceneObject {
  public:
    explicit SceneObject(const glm::mat4& modelMatrix) : modelMatrix(modelMatrix) {}
    virtual ~SceneObject() = default;

    // Draws with the object's own vertex array and leaves vertex array 0 bound. The caller has
    // made the program current and set the per-object uniforms.
    virtual void draw() = 0;

    glm::vec3 boundingBoxMin = glm::vec3(0.0f);
    glm::vec3 boundingBoxMax = glm::vec3(0.0f);
    glm::mat4 modelMatrix;
};

}  // namespace rtr::scene
