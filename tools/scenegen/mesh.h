#pragma once

// Triangle meshes as the scene's Collada files carry them: one vertex stream of position,
// normal and uv, indexed triangles, counter-clockwise seen from the side the normal points to.

#include <glm/glm.hpp>

#include <cstdint>
#include <vector>

namespace scenegen {

struct Vertex {
    glm::vec3 position;
    glm::vec3 normal;
    glm::vec2 uv;
};

struct Mesh {
    std::vector<Vertex> vertices;
    std::vector<std::uint32_t> indices;

    std::uint32_t add(const Vertex& vertex);
    void triangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    // Appends `other` moved by `transform`; normals follow the inverse transpose.
    void append(const Mesh& other, const glm::mat4& transform = glm::mat4(1.0f));
    // Turns every face around: reversed winding and negated normals.
    void flip();
    std::size_t triangleCount() const { return indices.size() / 3; }
};

struct Bounds {
    glm::vec3 min{1e30f};
    glm::vec3 max{-1e30f};
    void include(const glm::vec3& p);
};
Bounds boundsOf(const Mesh& mesh);

}  // namespace scenegen
