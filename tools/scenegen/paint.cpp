#include "paint.h"

#include <algorithm>
#include <cmath>

namespace scenegen {

namespace {

std::uint32_t mix(std::uint32_t h) {
    h ^= h >> 16;
    h *= 0x7feb352dU;
    h ^= h >> 15;
    h *= 0x846ca68bU;
    h ^= h >> 16;
    return h;
}

std::uint32_t cellHash(int x, int y, std::uint32_t seed) {
    return mix(static_cast<std::uint32_t>(x) * 0x9e3779b1U ^
               mix(static_cast<std::uint32_t>(y) * 0x85ebca77U ^ seed));
}

glm::vec2 gradient(int x, int y, int period, std::uint32_t seed) {
    x = ((x % period) + period) % period;
    y = ((y % period) + period) % period;
    const float a = (cellHash(x, y, seed) & 0xffff) / 65536.0f * 6.2831853f;
    return {std::cos(a), std::sin(a)};
}

float fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

}  // namespace

float hash01(int x, int y, std::uint32_t seed) {
    return (cellHash(x, y, seed) & 0xffffff) / 16777216.0f;
}

float noise(glm::vec2 p, int period, std::uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(p.x)), y0 = static_cast<int>(std::floor(p.y));
    const glm::vec2 f = p - glm::vec2(x0, y0);
    auto corner = [&](int dx, int dy) {
        return glm::dot(gradient(x0 + dx, y0 + dy, period, seed), f - glm::vec2(dx, dy));
    };
    const float u = fade(f.x), v = fade(f.y);
    const float a = corner(0, 0) + u * (corner(1, 0) - corner(0, 0));
    const float b = corner(0, 1) + u * (corner(1, 1) - corner(0, 1));
    return 1.414f * (a + v * (b - a));
}

float fbm(glm::vec2 p, int period, int octaves, std::uint32_t seed) {
    float sum = 0.0f, amplitude = 0.5f;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * noise(p, period, seed + 17U * o);
        p *= 2.0f;
        period *= 2;
        amplitude *= 0.5f;
    }
    return sum;
}

float smooth01(float e0, float e1, float x) {
    const float t = std::clamp((x - e0) / (e1 - e0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

float boxMask(glm::vec2 p, glm::vec2 lo, glm::vec2 hi, float soft) {
    const glm::vec2 d = glm::min(p - lo, hi - p);
    return std::clamp(std::min(d.x, d.y) / soft, 0.0f, 1.0f);
}

float discMask(glm::vec2 p, glm::vec2 centre, float radius, float soft) {
    return std::clamp((radius - glm::length(p - centre)) / soft, 0.0f, 1.0f);
}

void paint(Image& image, const std::function<glm::vec3(glm::vec2)>& colour) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const glm::vec2 uv((x + 0.5f) / image.width, 1.0f - (y + 0.5f) / image.height);
            image.set(x, y, glm::clamp(colour(uv), glm::vec3(0.0f), glm::vec3(1.0f)));
        }
    }
}

glm::vec3 hazardStripes(glm::vec2 p, float width) {
    const float s = std::fmod(std::fabs(p.x + p.y) / width, 2.0f);
    const float edge = smooth01(0.0f, 0.08f, s) * (1.0f - smooth01(0.92f, 1.0f, s));
    return glm::mix(glm::vec3(0.06f), glm::vec3(0.85f, 0.62f, 0.05f), edge);
}

}  // namespace scenegen
