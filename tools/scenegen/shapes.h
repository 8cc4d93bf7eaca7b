#pragma once

// Building blocks for the set's meshes. Every face comes out counter-clockwise seen from the
// side its normal points to, which is the side the renderer keeps.

#include <glm/glm.hpp>

#include <vector>

#include "mesh.h"

namespace scenegen {

// Where a face takes its texture from. A rectangle of the texture shows `tile` metres of the
// material; larger faces are split at tile boundaries so every piece maps into the rectangle.
// A surface that owns a whole repeating texture (`wraps`) lets uvs run on instead of splitting.
struct Surface {
    glm::vec2 uvOrigin{0.0f};
    glm::vec2 uvSize{1.0f};
    glm::vec2 tile{1.0f};
    bool wraps = false;
};

// A surface that shows one small patch of the texture, for parts too small to care.
Surface patch(glm::vec2 uv, float size = 1.0f / 64.0f);

// Hole in a rectangle, in the rectangle's own metres along u and v.
struct Hole {
    glm::vec2 min;
    glm::vec2 max;
};

// Rectangle spanning `size` metres from `origin` along the unit axes u and v; it faces
// u x v. Cells are at most `maxCell` metres (0: no limit) and skip the holes.
void addRect(Mesh& mesh, const glm::vec3& origin, const glm::vec3& u, const glm::vec3& v,
             const glm::vec2& size, const Surface& surface, float maxCell = 0.0f,
             const std::vector<Hole>& holes = {});

// Axis-aligned box with outward faces; side faces have v pointing up.
struct BoxSurfaces {
    Surface sides;
    Surface top;
    Surface bottom;
};
BoxSurfaces allSides(const Surface& surface);
void addBox(Mesh& mesh, const glm::vec3& min, const glm::vec3& max, const BoxSurfaces& surfaces);
void addBox(Mesh& mesh, const glm::vec3& min, const glm::vec3& max, const Surface& surface);

// Surface of revolution about the y axis through the profile points (radius, height), listed
// from bottom to top so the faces look outwards. Bends sharper than about 35 degrees stay
// creased. The texture runs once around (times `repeats` for wrapping surfaces) and up the
// profile.
void addLathe(Mesh& mesh, const std::vector<glm::vec2>& profile, int segments,
              const Surface& surface, float repeats = 1.0f);

// Closed cylinder along y from y0 to y1.
void addCylinder(Mesh& mesh, float radius, float y0, float y1, int segments,
                 const Surface& surface);

// Box with rounded edges of radius `radius`, centred on the origin.
void addRoundedBox(Mesh& mesh, const glm::vec3& halfExtent, float radius, int steps,
                   const Surface& surface);

// Profile of a quarter or half circle for lathes: from angle a0 to a1 (radians, 0 = outwards,
// pi/2 = up) around the centre (radius, height).
std::vector<glm::vec2> arcProfile(glm::vec2 centre, float radius, float a0, float a1, int steps);

glm::mat4 translation(const glm::vec3& offset);
glm::mat4 rotationX(float angle);
glm::mat4 rotationY(float angle);
glm::mat4 rotationZ(float angle);
glm::mat4 scaling(const glm::vec3& factors);

}  // namespace scenegen
