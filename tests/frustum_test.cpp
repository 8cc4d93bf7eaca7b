#include <gtest/gtest.h>

#include <glm/glm.hpp>
#include <glm/gtc/matrix_transform.hpp>

#include "app/globals.h"
#include "render/frame_size.h"
#include "render/frustum.h"
#include "scene/scene_object.h"

namespace {

using glm::vec3;
using glm::vec4;

const glm::mat4 identity(1.0f);

// The camera's projection at the origin, looking down -z.
glm::mat4 cameraFrustum() {
    return glm::perspective(rtr::fovy, 4.0f / 3.0f, rtr::nearPlane, rtr::farPlane);
}

TEST(FrustumPlanes, AreNormalisedPointInwardsAndComeInStorageOrder) {
    // Scaling the whole matrix scales each plane; normalising must undo it.
    rtr::extractFrustumPlanes(glm::mat4(3.0f));
    const vec4 clipCube[6] = {{1, 0, 0, 1},  {-1, 0, 0, 1}, {0, 1, 0, 1},    // left, right, bottom
                              {0, -1, 0, 1}, {0, 0, 1, 1},  {0, 0, -1, 1}};  // top, near, far
    for (int i = 0; i < 6; ++i) {
        EXPECT_LT(glm::length(rtr::frustumPlanes[i] - clipCube[i]), 1e-5f) << i;
    }

    const glm::mat4 view = glm::lookAt(vec3(1, 2, 3), vec3(1, 2, -5), vec3(0, 1, 0));
    rtr::extractFrustumPlanes(cameraFrustum() * view);
    for (const vec4& plane : rtr::frustumPlanes) {
        EXPECT_NEAR(glm::length(vec3(plane)), 1.0f, 1e-6f);
        // A point straight ahead of the eye, between the clip distances, is inside every plane.
        EXPECT_GT(glm::dot(plane, vec4(1, 2, -2, 1)), 0.0f);
    }
    EXPECT_LT(glm::length(rtr::frustumPlanes[4] - vec4(0, 0, -1, 3.0f - rtr::nearPlane)), 1e-5f);
}

TEST(FrustumBox, RejectsOnlyBoxesWhollyBehindOnePlane) {
    rtr::extractFrustumPlanes(identity);
    // Straddles the right plane x = 1.
    EXPECT_TRUE(rtr::isInFrustum(vec3(0.5f, 0, 0), vec3(1.5f, 0.2f, 0.2f), identity));
    // Its farthest corner lies exactly on the left plane x = -1.
    EXPECT_TRUE(rtr::isInFrustum(vec3(-3, -0.5f, -0.5f), vec3(-1, 0.5f, 0.5f), identity));
    EXPECT_FALSE(rtr::isInFrustum(vec3(-3, -0.5f, -0.5f), vec3(-1.01f, 0.5f, 0.5f), identity));
    EXPECT_FALSE(rtr::isInFrustum(vec3(-0.5f, 1.2f, -0.5f), vec3(0.5f, 2, 0.5f), identity));
    // Mirrored in x, the max corner lands left of the min corner; the box spans [-3, -0.5].
    const glm::mat4 mirror = glm::scale(identity, vec3(-1, 1, 1));
    EXPECT_TRUE(rtr::isInFrustum(vec3(0.5f, 0, 0), vec3(3, 0.5f, 0.5f), mirror));
    EXPECT_FALSE(rtr::isInFrustum(vec3(1.5f, 0, 0), vec3(3, 0.5f, 0.5f),
                                  mirror * glm::translate(identity, vec3(0.5f, 0, 0))));

    // Rotated about z the clip cube becomes a diamond in xy with a vertex at (1.414, 0).
    rtr::extractFrustumPlanes(glm::rotate(identity, glm::radians(45.0f), vec3(0, 0, 1)));
    // Wholly outside the diamond (x >= 1.5), yet no single plane has the whole box behind it:
    // the test is conservative.
    EXPECT_TRUE(rtr::isInFrustum(vec3(1.5f, -0.2f, -0.5f), vec3(2, 0.2f, 0.5f), identity));
    // Beyond the edge rather than the vertex, one plane rejects it.
    EXPECT_FALSE(rtr::isInFrustum(vec3(1, 1, -0.5f), vec3(1.4f, 1.4f, 0.5f), identity));
}

struct StubObject : rtr::scene::SceneObject {
    explicit StubObject(const glm::mat4& modelMatrix) : SceneObject(modelMatrix) {}
    void draw() override {}
};

// A model that failed to load keeps an empty box at its origin.
TEST(FrustumBox, SceneObjectIsTestedWithItsBoxPlacedByItsModelMatrix) {
    rtr::extractFrustumPlanes(cameraFrustum());
    EXPECT_TRUE(rtr::isInFrustum(StubObject(glm::translate(identity, vec3(0, 0, -5)))));
    StubObject behind(glm::translate(identity, vec3(0, 0, 5)));
    EXPECT_FALSE(rtr::isInFrustum(behind));
    behind.boundingBoxMin = vec3(-1, -1, -7);
    behind.boundingBoxMax = vec3(1, 1, -6);  // reaches from z = 5 back to z = -2
    EXPECT_TRUE(rtr::isInFrustum(behind));
}

TEST(FitRect, KeepsTheAspectCentredWithEqualBars) {
    const rtr::PixelSize frame{1024, 768};
    struct Case {
        rtr::PixelSize window;
        int x, y, width, height;
    };
    for (const Case& c :
         {Case{{1024, 768}, 0, 0, 1024, 768}, Case{{1916, 1040}, 264, 0, 1387, 1040},
          Case{{1280, 1000}, 0, 20, 1280, 960}, Case{{2048, 1536}, 0, 0, 2048, 1536},
          Case{{101, 600}, 0, 262, 101, 76}}) {
        const rtr::PixelRect r = rtr::fitRect(frame, c.window);
        EXPECT_EQ(r.x, c.x) << c.window.width << "x" << c.window.height;
        EXPECT_EQ(r.y, c.y) << c.window.width << "x" << c.window.height;
        EXPECT_EQ(r.width, c.width) << c.window.width << "x" << c.window.height;
        EXPECT_EQ(r.height, c.height) << c.window.width << "x" << c.window.height;
    }
    EXPECT_EQ(rtr::fitRect(frame, {0, 0}).width, 0);
    EXPECT_EQ(rtr::fitRect(frame, {800, 0}).height, 0);
}

}  // namespace
