#include "shapes.h"

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>

namespace scenegen {

namespace {

constexpr float pi = 3.14159265358979f;

// Cut positions along one rectangle axis: the ends, tile boundaries, hole edges and enough
// extra cuts to keep cells below maxCell.
std::vector<float> cutsAlong(float start, float length, float tile, bool splitAtTiles,
                             float maxCell, const std::vector<float>& holeEdges) {
    std::vector<float> cuts = {0.0f, length};
    if (splitAtTiles) {
        for (float k = std::ceil(start / tile); k * tile < start + length; k += 1.0f) {
            cuts.push_back(k * tile - start);
        }
    }
    for (float edge : holeEdges) {
        cuts.push_back(std::clamp(edge, 0.0f, length));
    }
    std::sort(cuts.begin(), cuts.end());
    std::vector<float> result;
    for (float c : cuts) {
        if (result.empty() || c - result.back() > 1e-4f) {
            result.push_back(c);
        }
    }
    if (maxCell <= 0.0f) {
        return result;
    }
    std::vector<float> fine = {result.front()};
    for (std::size_t i = 1; i < result.size(); ++i) {
        const float span = result[i] - result[i - 1];
        const int parts = std::max(1, static_cast<int>(std::ceil(span / maxCell - 1e-3f)));
        for (int p = 1; p <= parts; ++p) {
            fine.push_back(result[i - 1] + span * p / parts);
        }
    }
    return fine;
}

// Texture coordinate of a cell edge: the fraction of the tile it lies in. `low` tells which
// end of the cell the position belongs to, so a cell ending on a boundary maps to 1, not 0.
float tileFraction(float position, float tile, float cellLow) {
    const float index = std::floor(cellLow / tile + 1e-4f);
    return position / tile - index;
}

bool insideHole(const glm::vec2& p, const std::vector<Hole>& holes) {
    for (const Hole& h : holes) {
        if (p.x > h.min.x && p.x < h.max.x && p.y > h.min.y && p.y < h.max.y) {
            return true;
        }
    }
    return false;
}

glm::vec2 cellUv(const Surface& surface, glm::vec2 world, glm::vec2 cellLow) {
    glm::vec2 f;
    if (surface.wraps) {
        f = world / surface.tile;
    } else {
        f = {tileFraction(world.x, surface.tile.x, cellLow.x),
             tileFraction(world.y, surface.tile.y, cellLow.y)};
    }
    return surface.uvOrigin + surface.uvSize * f;
}

}  // namespace

Surface patch(glm::vec2 uv, float size) {
    Surface s;
    s.uvOrigin = uv;
    s.uvSize = glm::vec2(size);
    s.tile = glm::vec2(1000.0f);
    return s;
}

void addRect(Mesh& mesh, const glm::vec3& origin, const glm::vec3& u, const glm::vec3& v,
             const glm::vec2& size, const Surface& surface, float maxCell,
             const std::vector<Hole>& holes) {
    const glm::vec3 normal = glm::normalize(glm::cross(u, v));
    const glm::vec2 start(glm::dot(origin, u), glm::dot(origin, v));
    std::vector<float> uEdges, vEdges;
    for (const Hole& h : holes) {
        uEdges.insert(uEdges.end(), {h.min.x, h.max.x});
        vEdges.insert(vEdges.end(), {h.min.y, h.max.y});
    }
    const bool split = !surface.wraps;
    const auto us = cutsAlong(start.x, size.x, surface.tile.x, split, maxCell, uEdges);
    const auto vs = cutsAlong(start.y, size.y, surface.tile.y, split, maxCell, vEdges);
    for (std::size_t j = 0; j + 1 < vs.size(); ++j) {
        for (std::size_t i = 0; i + 1 < us.size(); ++i) {
            const glm::vec2 lo(us[i], vs[j]), hi(us[i + 1], vs[j + 1]);
            if (insideHole(0.5f * (lo + hi), holes)) {
                continue;
            }
            const glm::vec2 low = start + lo;
            std::uint32_t corner[4];
            const glm::vec2 local[4] = {lo, {hi.x, lo.y}, hi, {lo.x, hi.y}};
            for (int c = 0; c < 4; ++c) {
                const glm::vec3 p = origin + u * local[c].x + v * local[c].y;
                corner[c] = mesh.add({p, normal, cellUv(surface, start + local[c], low)});
            }
            mesh.triangle(corner[0], corner[1], corner[2]);
            mesh.triangle(corner[0], corner[2], corner[3]);
        }
    }
}

BoxSurfaces allSides(const Surface& surface) {
    return {surface, surface, surface};
}

void addBox(Mesh& mesh, const glm::vec3& lo, const glm::vec3& hi, const Surface& surface) {
    addBox(mesh, lo, hi, allSides(surface));
}

void addBox(Mesh& mesh, const glm::vec3& lo, const glm::vec3& hi, const BoxSurfaces& s) {
    const glm::vec3 x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
    const glm::vec3 d = hi - lo;
    addRect(mesh, {hi.x, lo.y, hi.z}, -z, y, {d.z, d.y}, s.sides);
    addRect(mesh, {lo.x, lo.y, lo.z}, z, y, {d.z, d.y}, s.sides);
    addRect(mesh, {lo.x, lo.y, hi.z}, x, y, {d.x, d.y}, s.sides);
    addRect(mesh, {hi.x, lo.y, lo.z}, -x, y, {d.x, d.y}, s.sides);
    addRect(mesh, {lo.x, hi.y, hi.z}, x, -z, {d.x, d.z}, s.top);
    addRect(mesh, {lo.x, lo.y, lo.z}, x, z, {d.x, d.z}, s.bottom);
}

void addLathe(Mesh& mesh, const std::vector<glm::vec2>& profile, int segments,
              const Surface& surface, float repeats) {
    const std::size_t n = profile.size();
    std::vector<float> along(n, 0.0f);
    for (std::size_t i = 1; i < n; ++i) {
        along[i] = along[i - 1] + glm::length(profile[i] - profile[i - 1]);
    }
    const float total = std::max(along.back(), 1e-6f);
    // Outward normal of each profile segment in the (radius, height) plane.
    std::vector<glm::vec2> segNormal(n > 1 ? n - 1 : 0);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const glm::vec2 d = profile[i + 1] - profile[i];
        segNormal[i] = glm::length(d) > 0 ? glm::normalize(glm::vec2(d.y, -d.x)) : glm::vec2(1, 0);
    }
    for (std::size_t i = 0; i + 1 < n; ++i) {
        // Each segment's two ends take a normal smoothed with the neighbour unless creased.
        auto endNormal = [&](std::size_t seg, std::size_t other) {
            if (other >= segNormal.size() || glm::dot(segNormal[seg], segNormal[other]) < 0.82f) {
                return segNormal[seg];
            }
            return glm::normalize(segNormal[seg] + segNormal[other]);
        };
        const glm::vec2 n0 = endNormal(i, i - 1), n1 = endNormal(i, i + 1);
        const float v0 = along[i] / total, v1 = along[i + 1] / total;
        std::vector<std::uint32_t> ring0, ring1;
        for (int s = 0; s <= segments; ++s) {
            const float a = 2.0f * pi * s / segments;
            const glm::vec3 dir(std::sin(a), 0.0f, std::cos(a));
            const float u = static_cast<float>(s) / segments * repeats;
            auto vertex = [&](glm::vec2 p, glm::vec2 nrm, float v) {
                const glm::vec3 pos = dir * p.x + glm::vec3(0, p.y, 0);
                const glm::vec3 normal = glm::normalize(dir * nrm.x + glm::vec3(0, nrm.y, 0));
                const glm::vec2 f = surface.wraps ? glm::vec2(u, along.back() * v / surface.tile.y)
                                                  : glm::vec2(u, v);
                return mesh.add({pos, normal, surface.uvOrigin + surface.uvSize * f});
            };
            ring0.push_back(vertex(profile[i], n0, v0));
            ring1.push_back(vertex(profile[i + 1], n1, v1));
        }
        for (int s = 0; s < segments; ++s) {
            if (profile[i].x > 1e-6f) {
                mesh.triangle(ring0[s], ring0[s + 1], ring1[s + 1]);
            }
            if (profile[i + 1].x > 1e-6f) {
                mesh.triangle(ring0[s], ring1[s + 1], ring1[s]);
            }
        }
    }
}

void addCylinder(Mesh& mesh, float radius, float y0, float y1, int segments,
                 const Surface& surface) {
    addLathe(mesh, {{0.0f, y0}, {radius, y0}, {radius, y1}, {0.0f, y1}}, segments, surface);
}

std::vector<glm::vec2> arcProfile(glm::vec2 centre, float radius, float a0, float a1, int steps) {
    std::vector<glm::vec2> points;
    for (int i = 0; i <= steps; ++i) {
        const float a = a0 + (a1 - a0) * i / steps;
        points.push_back(centre + radius * glm::vec2(std::cos(a), std::sin(a)));
    }
    return points;
}

namespace {

// Sample positions along one axis of a rounded box: denser where the edge bends.
std::vector<float> roundedSamples(float half, float radius, int steps) {
    std::vector<float> s;
    for (int i = 0; i <= steps; ++i) {
        s.push_back(-(half - radius) - radius * std::cos(0.5f * pi * i / steps));
    }
    for (int i = steps; i >= 0; --i) {
        s.push_back((half - radius) + radius * std::cos(0.5f * pi * i / steps));
    }
    return s;
}

}  // namespace

void addRoundedBox(Mesh& mesh, const glm::vec3& h, float radius, int steps,
                   const Surface& surface) {
    const glm::vec3 inner = h - glm::vec3(radius);
    // Each face: the axis it faces along and two in-face axes (u x v = outward).
    struct Face {
        int axis;
        float sign;
        int ua, va;
        float us, vs;
    };
    const Face faces[6] = {{0, 1, 2, 1, -1, 1},  {0, -1, 2, 1, 1, 1}, {2, 1, 0, 1, 1, 1},
                           {2, -1, 0, 1, -1, 1}, {1, 1, 0, 2, 1, -1}, {1, -1, 0, 2, 1, 1}};
    for (const Face& f : faces) {
        const auto su = roundedSamples(h[f.ua], radius, steps);
        const auto sv = roundedSamples(h[f.va], radius, steps);
        const std::size_t base = mesh.vertices.size();
        for (float b : sv) {
            for (float a : su) {
                glm::vec3 q;
                q[f.axis] = f.sign * h[f.axis];
                q[f.ua] = a * f.us;
                q[f.va] = b * f.vs;
                const glm::vec3 core = glm::clamp(q, -inner, inner);
                const glm::vec3 normal = glm::normalize(q - core);
                const glm::vec2 uv(0.5f + 0.5f * a / h[f.ua], 0.5f + 0.5f * b / h[f.va]);
                mesh.add({core + radius * normal, normal, surface.uvOrigin + surface.uvSize * uv});
            }
        }
        const std::size_t w = su.size();
        for (std::size_t j = 0; j + 1 < sv.size(); ++j) {
            for (std::size_t i = 0; i + 1 < w; ++i) {
                const auto c = static_cast<std::uint32_t>(base + j * w + i);
                const auto w32 = static_cast<std::uint32_t>(w);
                mesh.triangle(c, c + 1, c + w32 + 1);
                mesh.triangle(c, c + w32 + 1, c + w32);
            }
        }
    }
}

glm::mat4 translation(const glm::vec3& offset) {
    return glm::translate(glm::mat4(1.0f), offset);
}
glm::mat4 rotationX(float a) {
    return glm::rotate(glm::mat4(1.0f), a, glm::vec3(1, 0, 0));
}
glm::mat4 rotationY(float a) {
    return glm::rotate(glm::mat4(1.0f), a, glm::vec3(0, 1, 0));
}
glm::mat4 rotationZ(float a) {
    return glm::rotate(glm::mat4(1.0f), a, glm::vec3(0, 0, 1));
}
glm::mat4 scaling(const glm::vec3& f) {
    return glm::scale(glm::mat4(1.0f), f);
}

}  // namespace scenegen
