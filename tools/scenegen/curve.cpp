#include "curve.h"

#include <cstdio>

namespace scenegen {

namespace {

// A straight segment with its inner control points at thirds, so it runs at even speed.
CurveSegment straight(std::string name, glm::vec3 a, glm::vec3 b) {
    return {std::move(name), {a, glm::mix(a, b, 1.0f / 3.0f), glm::mix(a, b, 2.0f / 3.0f), b}};
}

std::string line(const glm::vec3& p) {
    char text[96];
    std::snprintf(text, sizeof text, "%.4f %.4f %.4f\n", static_cast<double>(p.x),
                  static_cast<double>(p.y), static_cast<double>(p.z));
    return text;
}

}  // namespace

std::vector<CurveSegment> cameraRoute() {
    const glm::vec3 doorway(2.6f, 0.8f, 1.41f), walkStart(1.5f, 0.8f, -0.6f);
    const glm::vec3 walkEnd(1.5f, 0.8f, -3.6f), climbTop(2.5f, 2.0f, -4.1f);
    const glm::vec3 corner(-2.5f, 1.0f, -1.0f);
    return {
        {"doorway to the conveyor side",
         {doorway, {2.2f, 0.8f, 1.0f}, {1.5f, 0.8f, 0.3f}, walkStart}},
        straight("backwards beside Ilo", walkStart, walkEnd),
        {"climb above the ramp", {walkEnd, {1.85f, 1.2f, -3.75f}, {2.2f, 1.6f, -3.95f}, climbTop}},
        {"over to the far corner", {climbTop, {1.0f, 2.1f, -3.5f}, {-1.5f, 1.6f, -1.8f}, corner}},
    };
}

std::string curveFileText(const std::vector<CurveSegment>& segments) {
    std::string text;
    for (const CurveSegment& s : segments) {
        text += "S " + s.name + "\n";
        for (const glm::vec3& p : s.points) {
            text += line(p);
        }
    }
    return text;
}

}  // namespace scenegen
