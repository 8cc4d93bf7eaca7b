#include <gtest/gtest.h>

#include <glm/glm.hpp>

#include <string>
#include <vector>

#include "camera/camera_path.h"
#include "support/sandbox.h"

namespace {

// Loads a curve file with the given content and frees the segments afterwards.
class CurveFile : public ::testing::Test {
  protected:
    std::vector<rtr::CurveSegment*> load(const std::string& content) {
        segments = rtr::loadCameraPath(dir.write("curve.txt", content).string());
        return segments;
    }
    void release() {
        for (rtr::CurveSegment* segment : segments) {
            delete segment;
        }
        segments.clear();
    }
    void TearDown() override { release(); }

    testsupport::TempDir dir;
    std::vector<rtr::CurveSegment*> segments;
};

// Lines "i i i" for i = first .. first + count - 1.
std::string pointLines(int first, int count) {
    std::string text;
    for (int i = first; i < first + count; ++i) {
        const std::string n = std::to_string(i);
        text += n + " " + n + " " + n + "\n";
    }
    return text;
}

void expectPoint(const glm::vec3& point, float value) {
    EXPECT_EQ(point, glm::vec3(value)) << "expected point " << value;
}

TEST_F(CurveFile, MissingOrEmptyFileGivesNoSegments) {
    EXPECT_TRUE(rtr::loadCameraPath((dir.path() / "absent.txt").string()).empty());
    EXPECT_TRUE(load("").empty());
}

TEST_F(CurveFile, LinesStartingWithCapitalSAreSkippedWhateverFollows) {
    EXPECT_TRUE(load("S\nSegment 1 2 3\nS1 2 3\nS 4 5 6\n").empty());
}

TEST_F(CurveFile, OnlyTheFirstThreeNumbersOfALineCount) {
    load("1.5 -2 3e-1 7\n" + pointLines(2, 3));
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0]->P0, glm::vec3(1.5f, -2.0f, 0.3f));
    expectPoint(segments[0]->P3, 4.0f);
}

TEST_F(CurveFile, SLinesAnywhereNeitherSplitNorStartSegments) {
    load("S start\n" + pointLines(0, 3) + "S middle\n" + pointLines(3, 2) + "S\nS\n" +
         pointLines(5, 3) + "S end");
    ASSERT_EQ(segments.size(), 2u);
    expectPoint(segments[0]->P0, 0.0f);
    expectPoint(segments[0]->P1, 1.0f);
    expectPoint(segments[0]->P2, 2.0f);
    expectPoint(segments[0]->P3, 3.0f);
    expectPoint(segments[1]->P0, 4.0f);
    expectPoint(segments[1]->P3, 7.0f);
}

// A lower-case "s" is not a comment marker: the line is read as a point, and since it starts
// with no number it is a malformed point line, dropped like any other.
TEST_F(CurveFile, LowerCaseSLineIsAMalformedPointLine) {
    load(pointLines(0, 2) + "s 9 9 9\n" + pointLines(2, 2));
    ASSERT_EQ(segments.size(), 1u);
    expectPoint(segments[0]->P2, 2.0f);
}

TEST_F(CurveFile, LinesWithFewerThanThreeNumbersAreSkipped) {
    load(pointLines(0, 1) + "\n1 2\n   \n7 x 8 9\n" + pointLines(1, 3));
    ASSERT_EQ(segments.size(), 1u);
    expectPoint(segments[0]->P0, 0.0f);
    expectPoint(segments[0]->P1, 1.0f);
    expectPoint(segments[0]->P3, 3.0f);
}

TEST_F(CurveFile, IncompleteTrailingGroupIsDropped) {
    for (int extra = 1; extra <= 3; ++extra) {
        release();
        load(pointLines(0, 4 + extra));
        ASSERT_EQ(segments.size(), 1u) << extra << " trailing points";
        expectPoint(segments[0]->P3, 3.0f);
    }
    release();
    EXPECT_TRUE(load(pointLines(0, 3)).empty());
}

TEST_F(CurveFile, WindowsLineEndsAndNoFinalLineEndAreRead) {
    load("S header\r\n1 2 3\r\n4 5 6\r\n7 8 9\r\n10 11 12");
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0]->P3, glm::vec3(10.0f, 11.0f, 12.0f));
}

TEST_F(CurveFile, CameraPathSharesTheSegmentsOfItsList) {
    load(pointLines(0, 8));
    const rtr::CameraPath path(segments);
    EXPECT_EQ(path.segmentCount, 2);
    EXPECT_EQ(path.segments, segments);
    EXPECT_FLOAT_EQ(path.curveParameter, 23.1349f);
    EXPECT_EQ(rtr::CameraPath({}).segmentCount, 0);
}

}  // namespace
