#pragma once

// The camera route as a curve file: four control points per cubic segment, one per line,
// with "S" lines naming each segment.

#include <glm/glm.hpp>

#include <string>
#include <vector>

namespace scenegen {

struct CurveSegment {
    std::string name;
    glm::vec3 points[4];
};

// The show's camera flight: the watch at the doorway, the walk back beside Ilo, the climb
// above the stage and the look-out from the far corner.
std::vector<CurveSegment> cameraRoute();

std::string curveFileText(const std::vector<CurveSegment>& segments);

}  // namespace scenegen
