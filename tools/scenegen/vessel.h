#pragma once

// The vessel's outline, shared by its mesh and the texture that paints its relief.

#include <glm/glm.hpp>

#include <vector>

namespace scenegen {

// (radius, height) from the bottom centre to the top of the lid.
std::vector<glm::vec2> vesselProfile();

// Height at a fraction (0..1) of the profile's length.
float vesselHeightAt(float fraction);

// Heights between which the straight wall carries relief; outside it the map stays flat so
// creases never open cracks under displacement.
inline constexpr float vesselReliefBottom = 0.27f;
inline constexpr float vesselReliefTop = 0.97f;

}  // namespace scenegen
