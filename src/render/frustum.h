#pragma once

#include <glm/glm.hpp>

namespace rtr {

namespace scene {
class SceneObject;
}

// Stores the six normalised clip planes of a view-projection matrix in frustumPlanes, in the
// order left, right, bottom, top, near, far; a point is inside a plane when dot >= 0.
void extractFrustumPlanes(glm::mat4 m);

// False only when the box, taken as the world-axis box spanned by its two transformed corners,
// lies wholly outside one of the planes. Conservative: boxes near an edge of the frustum may
// pass although they are outside.
bool isInFrustum(const glm::vec3& boxMin, const glm::vec3& boxMax, const glm::mat4& modelMatrix);
bool isInFrustum(const scene::SceneObject& object);

}  // namespace rtr
