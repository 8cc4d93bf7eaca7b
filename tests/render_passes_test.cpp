// The six render stages on the real driver, with the program's own start-up and shaders, over
// small controlled scenes whose expected images are known: read back what the GPU produced.
#include <gtest/gtest.h>

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "app/globals.h"
#include "camera/camera.h"
#include "gpu/shader_program.h"
#include "render/gbuffer.h"
#include "render/render_passes.h"
#include "scene/point_light.h"
#include "scene/scene_layout.h"
#include "scene/scene_geometry.h"
#include "scene/scene_geometry_tess.h"
#include "scene/texture.h"
#include "support/demo_harness.h"
#include "support/gl_context.h"

namespace {

using namespace rtr;
using testsupport::Triangle;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

rtr::GlTexture solidTexture(unsigned char r, unsigned char g, unsigned char b) {
    rtr::GlTexture id = rtr::GlTexture::create();
    const unsigned char texel[4] = {r, g, b, 255};
    glBindTexture(GL_TEXTURE_2D, id);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texel);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return id;
}

// One world-space sample of the G-buffer and the light it received.
struct Pixel {
    bool covered;
    glm::vec3 world;
    glm::vec3 hdr;
};

// Shared start-up plus a controlled scene swapped in for each test and swapped out again.
class RenderScene : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { demo = new testsupport::DemoStartUp(); }
    static void TearDownTestSuite() {
        delete demo;
        demo = nullptr;
    }

    void SetUp() override {
        savedModels = sceneModels;
        savedRolls = rolls;
        savedLights = pointLights;
        savedSettings = RenderSettings;
        savedWall = wallModel;
        savedTess = {vesselTess,         wallDoorTess,    wallLaufbandTess,
                     wallLittleRoomTess, wallNonDoorTess, wallVesselTess};
        sceneModels.clear();
        rolls.clear();
        pointLights.clear();
        wallModel = emptyModel();
        for (SceneGeometryTessPtr* slot : tessSlots()) *slot = emptyTess();
        RenderSettings = RenderSettingsRecord();
        RenderSettings.exposure = 1.0f;
        RenderSettings.gamma = 1.0f;
        testsupport::drainGlErrors();
    }

    void TearDown() override {
        for (auto* model : sceneModels) delete model;
        delete wallModel;
        for (SceneGeometryTessPtr* slot : tessSlots()) delete *slot;
        for (auto* light : pointLights) delete light;
        sceneModels = savedModels;
        rolls = savedRolls;
        pointLights = savedLights;
        RenderSettings = savedSettings;
        wallModel = savedWall;
        auto saved = savedTess.begin();
        for (SceneGeometryTessPtr* slot : tessSlots()) *slot = *saved++;
        EXPECT_TRUE(testsupport::drainGlErrors().empty());
    }

    using SceneGeometryTessPtr = scene::SceneGeometryTess*;
    static std::vector<SceneGeometryTessPtr*> tessSlots() {
        return {&vesselTess,         &wallDoorTess,    &wallLaufbandTess,
                &wallLittleRoomTess, &wallNonDoorTess, &wallVesselTess};
    }

    scene::SceneGeometry* emptyModel() {
        return new scene::SceneGeometry(glm::mat4(1.0f), deferredGeomProgram, "absent.obj");
    }
    scene::SceneGeometryTess* emptyTess() {
        return new scene::SceneGeometryTess(glm::mat4(1.0f), nullptr, "absent.obj");
    }

    // A white model drawn with the geometry program.
    scene::SceneGeometry* addModel(const std::string& name, const std::vector<Triangle>& tris) {
        auto* model = new scene::SceneGeometry(glm::mat4(1.0f), deferredGeomProgram,
                                               testsupport::writeObjModel(dir, name, tris));
        model->textures.push_back(new scene::Texture{nullptr, solidTexture(255, 255, 255)});
        model->colorTextureLocation =
            ShaderProgram::uniformLocation(deferredGeomProgram->program, "colorTexture");
        sceneModels.push_back(model);
        return model;
    }

    scene::PointLight* addLight(glm::vec3 position, float intensity) {
        auto* light = new scene::PointLight(position, glm::vec3(1.0f), intensity,
                                            glm::vec3(1.0f, 0.0f, 0.0f));
        pointLights.push_back(light);
        return light;
    }

    void lookDownFrom(glm::vec3 position) { placeCamera(position, 0.0f, 90.0f); }
    void placeCamera(glm::vec3 position, float yaw, float pitch) {
        camera->freeFly = false;
        camera->position = position;
        camera->yaw = yaw;
        camera->pitch = pitch;
    }

    std::vector<Pixel> renderAndRead() {
        render();
        const auto positions =
            testsupport::readTextureFloats(gBuffer->positionDepthTexture, GL_RGBA, 4);
        const auto hdr = testsupport::readTextureFloats(gBuffer->hdrColorTexture, GL_RGB, 3);
        const glm::mat4 toWorld = glm::inverse(camera->viewMatrix());
        std::vector<Pixel> pixels(kWidth * kHeight);
        for (size_t i = 0; i < pixels.size(); ++i) {
            const glm::vec3 view(positions[4 * i], positions[4 * i + 1], positions[4 * i + 2]);
            pixels[i].covered = view.z < 0.0f;
            pixels[i].world = glm::vec3(toWorld * glm::vec4(view, 1.0f));
            pixels[i].hdr = glm::vec3(hdr[3 * i], hdr[3 * i + 1], hdr[3 * i + 2]);
        }
        return pixels;
    }

    // Renders one frame and returns the primitives its geometry pass generated.
    GLuint renderCountingGeometryPrimitives() {
        GLuint primitives = 0;
        for (const RenderStage& stage : renderStages) {
            if (std::string(stage.name) == "geometry")
                primitives = testsupport::primitivesGeneratedBy(stage.run);
            else
                stage.run();
        }
        return primitives;
    }

    static testsupport::DemoStartUp* demo;
    testsupport::TempDir dir;

  private:
    std::vector<scene::SceneGeometry*> savedModels, savedRolls;
    std::vector<scene::PointLight*> savedLights;
    RenderSettingsRecord savedSettings;
    scene::SceneGeometry* savedWall = nullptr;
    std::vector<SceneGeometryTessPtr> savedTess;
};

testsupport::DemoStartUp* RenderScene::demo = nullptr;

float brightness(const glm::vec3& c) {
    return c.r + c.g + c.b;
}

bool onFloor(const Pixel& p) {
    return std::abs(p.world.y) < 0.01f;
}
float squareRadius(const Pixel& p) {
    return std::max(std::abs(p.world.x), std::abs(p.world.z));
}

// A box 0.5 to 1 above the floor under a light at height 2 throws a square shadow of half
// size 0.5 (the top face's projection) around the centre.
TEST_F(RenderScene, ShadowOfAKnownOccluderDarkensExactlyItsFootprint) {
    addModel("floor.obj", testsupport::floorTriangles(3.0f));
    addModel("box.obj", testsupport::boxTriangles({-0.25f, 0.5f, -0.25f}, {0.25f, 1.0f, 0.25f}));
    addLight({0.0f, 2.0f, 0.0f}, 1.0f);
    lookDownFrom({0.0f, 4.0f, 0.0f});
    RenderSettings.ssao = false;

    const auto withShadows = renderAndRead();
    RenderSettings.shadows = false;
    const auto withoutShadows = renderAndRead();

    int shadowed = 0, lit = 0;
    for (size_t i = 0; i < withShadows.size(); ++i) {
        const Pixel& p = withShadows[i];
        if (!p.covered || !onFloor(p) || squareRadius(p) > 1.5f)
            continue;
        const float on = brightness(p.hdr);
        const float off = brightness(withoutShadows[i].hdr);
        const float r = squareRadius(p);
        if (r < 0.45f) {
            EXPECT_LT(on, 0.3f * off) << "not shadowed at " << p.world.x << ", " << p.world.z;
            ++shadowed;
        } else if (r > 0.55f) {
            EXPECT_NEAR(on, off, 0.03f * off) << "shadowed at " << p.world.x << ", " << p.world.z;
            ++lit;
        }
        if (HasFailure())
            return;
    }
    EXPECT_GT(shadowed, 2000);
    EXPECT_GT(lit, 50000);
}

// Seen from outside, the stencil marks select the pixels; from inside the volume, the depth test
// alone does. Both must light the floor exactly inside the circle where the sphere cuts it.
TEST_F(RenderScene, LightVolumeLightsOnlyInsideItsSphereSeenFromOutsideOrInside) {
    addModel("floor.obj", testsupport::floorTriangles(3.0f));
    addLight({0.0f, 2.0f, 0.0f}, 0.0f);  // light 0, off
    addLight({0.0f, 0.5f, 0.0f}, 1.0f);  // light 1: sphere of radius 1.5
    for (const bool fromInside : {false, true}) {
        SCOPED_TRACE(fromInside ? "camera inside the volume" : "camera outside the volume");
        if (fromInside)
            placeCamera({0.0f, 0.9f, 0.8f}, 0.0f, 25.0f);  // 0.89 from the light
        else
            lookDownFrom({0.0f, 4.0f, 0.0f});
        const auto pixels = renderAndRead();
        int inside = 0, outside = 0;
        for (const Pixel& p : pixels) {
            if (!p.covered || !onFloor(p))
                continue;
            // The sphere cuts the floor in a circle of radius sqrt(1.5^2 - 0.5^2).
            const float r = std::hypot(p.world.x, p.world.z);
            if (r > 1.45f) {
                ASSERT_EQ(brightness(p.hdr), 0.0f) << "lit outside at r = " << r;
                ++outside;
            } else if (r < 1.3f) {  // the sphere mesh is inscribed in the unit sphere
                ASSERT_GT(brightness(p.hdr), 0.0f) << "dark inside at r = " << r;
                ++inside;
            }
        }
        EXPECT_GT(inside, 10000);
        EXPECT_GT(outside, 10000);
    }
}

// Along the line where a wall meets the floor, SSAO must darken; on open floor and wall it
// must not.
TEST_F(RenderScene, SsaoDarkensAConcaveCornerAndLeavesFlatSurfacesAlone) {
    addModel("floor.obj", testsupport::floorTriangles(3.0f));
    const glm::vec3 a(-3, 0, -1), b(3, 0, -1), c(3, 3, -1), d(-3, 3, -1);
    addModel("wall.obj", {{a, b, c}, {a, c, d}});
    addLight({0.0f, 2.0f, 0.0f}, 1.0f);
    placeCamera({0.0f, 1.2f, 1.5f}, 0.0f, 25.0f);

    const auto pixels = renderAndRead();
    const auto ao = testsupport::readTextureFloats(gBuffer->ssaoTexture, GL_RED, 1);
    double cornerSum = 0.0, flatSum = 0.0;
    int cornerCount = 0, flatCount = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const Pixel& p = pixels[i];
        if (!p.covered)
            continue;
        const bool nearCorner = p.world.y < 0.06f && p.world.z < -0.94f;
        const bool flat = (onFloor(p) && p.world.z > 0.0f) || (p.world.y > 1.0f);
        if (nearCorner) {
            cornerSum += ao[i];
            ++cornerCount;
        } else if (flat && std::abs(p.world.x) < 1.5f) {
            flatSum += ao[i];
            ++flatCount;
        }
    }
    ASSERT_GT(cornerCount, 200);
    ASSERT_GT(flatCount, 10000);
    EXPECT_LT(cornerSum / cornerCount, 0.8);
    EXPECT_GT(flatSum / flatCount, 0.97);
}

TEST_F(RenderScene, HdrSwitchChangesOnlyTheToneCurveOfTheFinalPass) {
    addModel("floor.obj", testsupport::floorTriangles(3.0f));
    addLight({0.0f, 1.0f, 0.0f}, 1.0f);
    lookDownFrom({0.0f, 4.0f, 0.0f});
    RenderSettings.exposure = 3.0f;
    RenderSettings.gamma = 2.2f;

    const auto hdrOnLight = renderAndRead();
    const auto hdrOnImage = testsupport::readWindowRgb();
    RenderSettings.hdr = false;
    const auto hdrOffLight = renderAndRead();
    const auto hdrOffImage = testsupport::readWindowRgb();

    int differing = 0;
    for (size_t i = 0; i < hdrOnLight.size(); ++i) {
        ASSERT_EQ(hdrOnLight[i].hdr, hdrOffLight[i].hdr);
        // Without the tone curve the exposed light is clamped, then gamma-corrected.
        const float expected =
            std::pow(std::min(hdrOffLight[i].hdr.r * 3.0f, 1.0f), 1.0f / 2.2f) * 255.0f;
        ASSERT_NEAR(hdrOffImage[3 * i], expected, 1.5f) << "pixel " << i;
        differing += hdrOnImage[3 * i] != hdrOffImage[3 * i];
    }
    EXPECT_GT(differing, 10000);
}

TEST_F(RenderScene, WireframeLeavesGapsInTheGeometryPassOnly) {
    addModel("floor.obj", testsupport::floorTriangles(3.0f));
    addLight({0.0f, 1.0f, 0.0f}, 1.0f);
    lookDownFrom({0.0f, 4.0f, 0.0f});

    const auto filled = renderAndRead();
    RenderSettings.wireframe = true;
    const auto lines = renderAndRead();
    int filledCount = 0, lineCount = 0;
    for (size_t i = 0; i < filled.size(); ++i) {
        filledCount += filled[i].covered;
        lineCount += lines[i].covered;
    }
    EXPECT_GT(filledCount, kWidth * kHeight / 2);
    EXPECT_LT(lineCount, filledCount / 20);
    EXPECT_GT(lineCount, 100);
    GLint mode[2] = {};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
}

// A flat tessellated floor with a displacement map of 1 everywhere rises by the walls'
// displacement factor, and lies flat with tessellation off.
TEST_F(RenderScene, TessellationSwitchControlsTheDisplacement) {
    addLight({0.0f, 1.0f, 0.0f}, 1.0f);
    delete wallDoorTess;
    wallDoorTess = new scene::SceneGeometryTess(
        glm::mat4(1.0f), nullptr,
        testsupport::writeObjModel(dir, "tessfloor.obj", testsupport::floorTriangles(3.0f)));
    wallDoorTess->textures = {new scene::Texture{nullptr, solidTexture(200, 200, 200)},
                              new scene::Texture{nullptr, solidTexture(255, 255, 255)}};
    const GLuint program = displaceShaderProgram->program;
    wallDoorTess->colorTextureLocation = ShaderProgram::uniformLocation(program, "colorTexture");
    wallDoorTess->displacementTextureLocation =
        ShaderProgram::uniformLocation(program, "displacementTexture");
    lookDownFrom({0.0f, 4.0f, 0.0f});

    const auto raised = renderAndRead();
    RenderSettings.tessellation = false;
    const auto flat = renderAndRead();
    int checked = 0;
    for (size_t i = 0; i < raised.size(); i += 97) {
        if (!raised[i].covered || !flat[i].covered)
            continue;
        ASSERT_NEAR(raised[i].world.y, scene::layout::wallDisplacementScale, 0.002f);
        ASSERT_NEAR(flat[i].world.y, 0.0f, 0.002f);
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

// With culling off, a tessellated surface out of view still yields no primitive, unless its
// relief could rise into the view.
TEST_F(RenderScene, TessellatedSurfacesOutOfViewAreNotTessellated) {
    addLight({0.0f, 1.0f, 0.0f}, 1.0f);
    auto primitives = [this] { return renderCountingGeometryPrimitives(); };
    lookDownFrom({0.0f, 4.0f, 0.0f});
    const GLuint others = primitives();  // the pass's own screen quad
    delete wallDoorTess;
    wallDoorTess = new scene::SceneGeometryTess(
        glm::mat4(1.0f), nullptr,
        testsupport::writeObjModel(dir, "tessfloor.obj", testsupport::floorTriangles(3.0f)));
    EXPECT_GT(primitives(), others + 2);
    placeCamera({0.0f, 4.0f, 0.0f}, 0.0f, -90.0f);  // looking up, the floor 4 m behind
    EXPECT_EQ(primitives(), others);
    // 10 cm behind the eye: the walls' relief of 16.5 cm could still reach the near plane.
    placeCamera({0.0f, 0.1f, 0.0f}, 0.0f, -90.0f);
    EXPECT_GT(primitives(), others);
}

// The geometry targets are not cleared: where no surface is drawn they must still read zero,
// whatever the frame before left there.
TEST_F(RenderScene, PixelsNoSurfaceCoversReadZeroInEveryGeometryTarget) {
    addModel("floor.obj", testsupport::floorTriangles(15.0f));
    addLight({0.0f, 1.0f, 0.0f}, 1.0f);
    lookDownFrom({0.0f, 4.0f, 0.0f});
    const auto full = renderAndRead();
    ASSERT_TRUE(full[(kHeight - 1) * kWidth].covered);  // the top row is floor
    placeCamera({0.0f, 1.0f, 0.0f}, 0.0f, 0.0f);        // level: sky above the horizon
    render();
    const auto positions =
        testsupport::readTextureFloats(gBuffer->positionDepthTexture, GL_RGBA, 4);
    const auto normals = testsupport::readTextureFloats(gBuffer->normalTexture, GL_RGB, 3);
    const auto albedo = testsupport::readTextureFloats(gBuffer->albedoTexture, GL_RGB, 3);
    const size_t topRow = static_cast<size_t>(kHeight - 1) * kWidth;
    for (size_t i = topRow; i < topRow + kWidth; ++i) {
        for (int c = 0; c < 4; ++c) ASSERT_EQ(positions[4 * i + c], 0.0f) << i;
        for (int c = 0; c < 3; ++c) ASSERT_EQ(normals[3 * i + c], 0.0f) << i;
        for (int c = 0; c < 3; ++c) ASSERT_EQ(albedo[3 * i + c], 0.0f) << i;
    }
    EXPECT_LT(positions[4 * 10 + 2], 0.0f);  // the bottom row still sees the floor
}

TEST_F(RenderScene, CullingSkipsObjectsOutsideTheViewAndKeepsTheImage) {
    // Model boxes always reach back to the model origin, so the camera looks at a part of the
    // floor far from the origin and the box stands on the other side of it.
    addModel("floor.obj", testsupport::floorTriangles(15.0f));
    addModel("away.obj", testsupport::boxTriangles({-10.5f, 0.5f, -0.5f}, {-9.5f, 1.0f, 0.5f}));
    addLight({10.0f, 1.0f, 0.0f}, 1.0f);
    lookDownFrom({10.0f, 4.0f, 0.0f});

    const GLuint allDrawn = renderCountingGeometryPrimitives();
    const auto image = testsupport::readWindowRgb();
    RenderSettings.culling = true;
    const GLuint culled = renderCountingGeometryPrimitives();
    EXPECT_EQ(testsupport::readWindowRgb(), image);
    // The box's twelve triangles are skipped; the floor and the lamp markers stay.
    EXPECT_EQ(allDrawn - culled, 12u);
}

TEST_F(RenderScene, FrameLeavesTheStateTheNextFrameStartsFrom) {
    addModel("floor.obj", testsupport::floorTriangles(3.0f));
    addLight({0.0f, 1.0f, 0.0f}, 1.0f);
    lookDownFrom({0.0f, 4.0f, 0.0f});
    render();
    GLint value = -1;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &value);
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLboolean depthWrites = GL_TRUE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_FALSE(depthWrites);
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_BACK);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], windowWidth);
    EXPECT_EQ(viewport[3], windowHeight);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &value);
    EXPECT_EQ(value, GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &value);
    EXPECT_EQ(static_cast<GLuint>(value), gBuffer->hdrColorTexture);
    glGetIntegerv(GL_CURRENT_PROGRAM, &value);
    EXPECT_EQ(static_cast<GLuint>(value), hdrShaderProgram->program);
}

}  // namespace
