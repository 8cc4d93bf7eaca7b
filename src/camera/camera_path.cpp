#include "camera/camera_path.h"

#include <fstream>
#include <locale>
#include <sstream>

namespace rtr {

namespace {

constexpr std::size_t pointsPerSegment = 4;

bool isSkippedLine(const std::string& line) {
    return !line.empty() && line[0] == 'S';
}

// The first three numbers of a line, or false when it holds fewer.
bool parsePoint(const std::string& line, glm::vec3& point) {
    std::istringstream stream(line);
    // The file's decimal point does not depend on the user's locale.
    stream.imbue(std::locale::classic());
    float values[3];
    for (float& value : values) {
        if (!(stream >> value)) {
            return false;
        }
    }
    point = glm::vec3(values[0], values[1], values[2]);
    return true;
}

std::vector<glm::vec3> readControlPoints(const std::string& path) {
    std::vector<glm::vec3> points;
    std::ifstream file(path);
    std::string line;
    while (std::getline(file, line)) {
        glm::vec3 point;
        if (!isSkippedLine(line) && parsePoint(line, point)) {
            points.push_back(point);
        }
    }
    return points;
}

}  // namespace

std::vector<CurveSegment*> loadCameraPath(const std::string& path) {
    const std::vector<glm::vec3> points = readControlPoints(path);
    std::vector<CurveSegment*> segments;
    const std::size_t completeSegments = points.size() / pointsPerSegment;
    for (std::size_t k = 0; k < completeSegments; ++k) {
        const glm::vec3* group = &points[k * pointsPerSegment];
        segments.push_back(new CurveSegment{group[0], group[1], group[2], group[3]});
    }
    return segments;
}

CameraPath::CameraPath(std::vector<CurveSegment*> segments)
    : segmentCount(static_cast<int>(segments.size())),
      segments(std::move(segments)),
      curveParameter(23.1349f) {}

}  // namespace rtr
