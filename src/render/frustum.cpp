#include "render/frustum.h"

#include <cmath>

#include "app/globals.h"
#include "scene/scene_object.h"

namespace rtr {

namespace {

glm::vec4 normalisedPlane(const glm::vec4& plane) {
    return plane * (1.0f / std::sqrt(plane.x * plane.x + plane.y * plane.y + plane.z * plane.z));
}

// The corner of the box farthest along the plane normal: if even that one is behind the
// plane, the whole box is.
glm::vec3 farthestCorner(const glm::vec4& plane, const glm::vec3& lo, const glm::vec3& hi) {
    return glm::vec3(plane.x >= 0.0f ? hi.x : lo.x, plane.y >= 0.0f ? hi.y : lo.y,
                     plane.z >= 0.0f ? hi.z : lo.z);
}

}  // namespace

void extractFrustumPlanes(glm::mat4 m) {
    const glm::mat4 t = glm::transpose(m);
    const glm::vec4 planes[6] = {t[3] + t[0], t[3] - t[0], t[3] + t[1],
                                 t[3] - t[1], t[3] + t[2], t[3] - t[2]};
    for (int i = 0; i < 6; ++i) {
        frustumPlanes[i] = normalisedPlane(planes[i]);
    }
}

bool isInFrustum(const glm::vec3& boxMin, const glm::vec3& boxMax, const glm::mat4& modelMatrix) {
    // The corners are transformed as points without perspective division: model matrices
    // are affine.
    const glm::vec3 p0(modelMatrix * glm::vec4(boxMin, 1.0f));
    const glm::vec3 p1(modelMatrix * glm::vec4(boxMax, 1.0f));
    const glm::vec3 lo = glm::min(p0, p1);
    const glm::vec3 hi = glm::max(p0, p1);
    for (const glm::vec4& plane : frustumPlanes) {
        const glm::vec3 corner = farthestCorner(plane, lo, hi);
        if (glm::dot(glm::vec3(plane), corner) + plane.w < 0.0f) {
            return false;
        }
    }
    return true;
}

bool isInFrustum(const scene::SceneObject& object) {
    return isInFrustum(object.boundingBoxMin, object.boundingBoxMax, object.modelMatrix);
}

}  // namespace rtr
