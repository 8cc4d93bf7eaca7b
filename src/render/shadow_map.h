#pragma once

#include <GL/glew.h>
#include <glm/glm.hpp>

#include <array>
#include <vector>

#include "gpu/gl_name.h"
#include "scene/scene_layout.h"

namespace rtr {

class ShaderProgram;

// The depth cube map of the main light and the layered framebuffer that renders all six faces
// in one pass.
class ShadowMapFBO {
  public:
    // Creates the cube map (shadowMapSize square faces) and its framebuffer; reports an incomplete framebuffer.
    void init();

    GlFramebuffer framebuffer;
    GlTexture cubeMap;
};

// One cube face and the view from the cube's centre through it, without translation.
struct CubeFaceView {
    GLenum face;
    glm::mat4 view;
};

// In layer order of the cube map: +X, -X, +Y, -Y, +Z, -Z.
extern const std::array<CubeFaceView, 6> cubeFaceViews;

constexpr GLsizei shadowMapSize = scene::layout::shadowMapSize;

// A 90-degree square frustum per face with the camera's clip distances.
glm::mat4 shadowProjection();

// Projection times view for each face, in layer order, around the origin; the light position
// is applied every frame.
std::vector<glm::mat4> buildShadowTransforms();

// Fills the program's six "shadowMatrices[i]" slots and its "faceCount" and "faces" slots.
void lookUpShadowMatrixSlots(ShaderProgram& program);

// The cube faces a caster can reach: those whose frustum the box, placed by each transform
// (face projection times view times model), does not lie wholly outside of. Listed in layer
// order in the first `count` entries.
struct CubeFaces {
    int count = 0;
    int faces[6] = {};
};
CubeFaces facesReached(const glm::vec3& boxMin, const glm::vec3& boxMax,
                       const std::array<glm::mat4, 6>& faceTransforms);

// Start-up: creates shadowMapFbo, fills shadowTransforms and the program's matrix slots.
void setUpShadowMapping(ShaderProgram& shadowMapProgram);

}  // namespace rtr
