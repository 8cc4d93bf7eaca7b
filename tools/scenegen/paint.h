#pragma once

// Procedural painting helpers: tileable noise and shape masks in texture space.

#include <glm/glm.hpp>

#include <cstdint>
#include <functional>

#include "image.h"

namespace scenegen {

// Gradient noise in about -1..1 that repeats every `period` lattice cells, so textures tile.
float noise(glm::vec2 p, int period, std::uint32_t seed);
// Sum of octaves, each twice as fine and half as strong; repeats every `period` cells.
float fbm(glm::vec2 p, int period, int octaves, std::uint32_t seed);
// White noise per integer cell, 0..1.
float hash01(int x, int y, std::uint32_t seed);

// 0 outside, 1 inside, with a linear ramp of `soft` across the rectangle's border.
float boxMask(glm::vec2 p, glm::vec2 min, glm::vec2 max, float soft);
// Distance-based disc mask with a soft rim.
float discMask(glm::vec2 p, glm::vec2 centre, float radius, float soft);
// Smooth 0..1 step.
float smooth01(float edge0, float edge1, float x);

// Fills every pixel from a function of its uv centre (v = 0 at the bottom row).
void paint(Image& image, const std::function<glm::vec3(glm::vec2)>& colour);

// Yellow and black safety stripes running diagonally, `width` in uv units.
glm::vec3 hazardStripes(glm::vec2 p, float width);

}  // namespace scenegen
