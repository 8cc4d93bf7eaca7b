#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <string>
#include <vector>

#include "camera/camera_path.h"
#include "support/sandbox.h"

namespace {

// Lines "i i i" for i = first .. first + count - 1.
std::string pointLines(int first, int count) {
    std::string text;
    for (int i = first; i < first + count; ++i) {
        const std::string n = std::to_string(i);
        text += n + " " + n + " " + n + "\n";
    }
    return text;
}

// The points (i, i, i) for i = 0 .. count - 1.
std::vector<glm::vec3> points(int count) {
    std::vector<glm::vec3> result;
    for (int i = 0; i < count; ++i) {
        result.emplace_back(static_cast<float>(i));
    }
    return result;
}

// The control points of every segment read from `path`, in order; frees the segments.
std::vector<glm::vec3> loadPoints(const std::string& path) {
    std::vector<glm::vec3> result;
    for (rtr::CurveSegment* segment : rtr::loadCameraPath(path)) {
        result.insert(result.end(), {segment->P0, segment->P1, segment->P2, segment->P3});
        delete segment;
    }
    return result;
}

// Lines with fewer than three numbers and an incomplete last group of four are outside the
// format: they are dropped, so start-up always gets whole segments.
TEST(CurveFile, ReadsGroupsOfFourPointsAndDropsWhatIsNotAPoint) {
    const std::vector<glm::vec3> firstFour = points(4);
    const std::vector<glm::vec3> numbers = {glm::vec3(1.5f, -2.0f, 0.3f), glm::vec3(2.0f),
                                            glm::vec3(3.0f), glm::vec3(4.0f)};
    const std::vector<glm::vec3> windows = {glm::vec3(1, 2, 3), glm::vec3(4, 5, 6),
                                            glm::vec3(7, 8, 9), glm::vec3(10, 11, 12)};
    const struct {
        std::string content;
        std::vector<glm::vec3> expected;
    } cases[] = {
        {"", {}},
        {"S\nSegment 1 2 3\nS1 2 3\nS 4 5 6\n", {}},
        {"1.5 -2 3e-1 7\n" + pointLines(2, 3), numbers},
        {"S start\n" + pointLines(0, 3) + "S middle\n" + pointLines(3, 2) + "S\nS\n" +
             pointLines(5, 3) + "S end",
         points(8)},
        // Lower-case "s" is no comment marker, but a point line without numbers.
        {pointLines(0, 2) + "s 9 9 9\n" + pointLines(2, 2), firstFour},
        {pointLines(0, 1) + "\n1 2\n   \n7 x 8 9\n" + pointLines(1, 3), firstFour},
        {pointLines(0, 5), firstFour},
        {pointLines(0, 7), firstFour},
        {pointLines(0, 3), {}},
        {"S header\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n10 11 12", windows},
    };
    const testsupport::TempDir dir;
    for (const auto& c : cases) {
        EXPECT_EQ(loadPoints(dir.write("curve.txt", c.content).string()), c.expected) << c.content;
    }
    EXPECT_TRUE(loadPoints((dir.path() / "absent.txt").string()).empty());
}

TEST(CurveFile, CameraPathSharesTheSegmentsOfItsList) {
    const testsupport::TempDir dir;
    const auto segments = rtr::loadCameraPath(dir.write("curve.txt", pointLines(0, 8)).string());
    const rtr::CameraPath path(segments);
    EXPECT_EQ(path.segmentCount, 2);
    EXPECT_EQ(path.segments, segments);
    for (rtr::CurveSegment* segment : segments) {
        delete segment;
    }
}

}  // namespace
