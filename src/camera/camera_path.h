#pragma once

#include <glm/glm.hpp>

#include <string>
#include <vector>

namespace rtr {

// Four control points of one piece of the camera curve, in file order.
struct CurveSegment {
    glm::vec3 P0, P1, P2, P3;
};

// Reads a curve file: lines starting with 'S' are skipped, every other line gives one control
// point from its first three numbers, and consecutive groups of four points form segments.
// A line with fewer than three numbers is skipped and an incomplete trailing group is dropped,
// so every segment has four real points. A missing file gives no segments. The caller owns the
// returned segments.
std::vector<CurveSegment*> loadCameraPath(const std::string& path);

// The curve as a list of segments it shares with (and does not own from) its creator.
class CameraPath {
  public:
    explicit CameraPath(std::vector<CurveSegment*> segments);

    int segmentCount;
    std::vector<CurveSegment*> segments;
    float curveParameter;
};

}  // namespace rtr
