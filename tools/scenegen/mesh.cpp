#include "mesh.h"

#include <algorithm>

namespace scenegen {

std::uint32_t Mesh::add(const Vertex& vertex) {
    vertices.push_back(vertex);
    return static_cast<std::uint32_t>(vertices.size() - 1);
}

void Mesh::triangle(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
    indices.insert(indices.end(), {a, b, c});
}

void Mesh::append(const Mesh& other, const glm::mat4& transform) {
    const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(transform)));
    // A mirroring transform turns faces inside out; swapping two corners keeps them facing out.
    const bool mirrored = glm::determinant(glm::mat3(transform)) < 0.0f;
    const auto base = static_cast<std::uint32_t>(vertices.size());
    for (const Vertex& v : other.vertices) {
        const glm::vec3 p = glm::vec3(transform * glm::vec4(v.position, 1.0f));
        vertices.push_back({p, glm::normalize(normalMatrix * v.normal), v.uv});
    }
    for (std::size_t i = 0; i + 2 < other.indices.size(); i += 3) {
        const std::uint32_t a = base + other.indices[i];
        const std::uint32_t b = base + other.indices[i + 1];
        const std::uint32_t c = base + other.indices[i + 2];
        mirrored ? triangle(a, c, b) : triangle(a, b, c);
    }
}

void Mesh::flip() {
    for (Vertex& v : vertices) {
        v.normal = -v.normal;
    }
    for (std::size_t i = 0; i + 2 < indices.size(); i += 3) {
        std::swap(indices[i + 1], indices[i + 2]);
    }
}

void Bounds::include(const glm::vec3& p) {
    min = glm::min(min, p);
    max = glm::max(max, p);
}

Bounds boundsOf(const Mesh& mesh) {
    Bounds bounds;
    for (const Vertex& v : mesh.vertices) {
        bounds.include(v.position);
    }
    return bounds;
}

}  // namespace scenegen
