#pragma once

// Program-wide state: one of everything, created by start-up, reachable by name.

#include <glm/glm.hpp>

#include <array>
#include <vector>

#include "render/frame_size.h"
#include "scene/scene_layout.h"

namespace rtr {

namespace util {
class Window;
}
namespace scene {
class SceneGeometry;
class SceneGeometryTess;
class Quad;
class PointLight;
struct Texture;
}  // namespace scene

class ShaderProgram;
class ParticleSystem;
class Camera;
class CameraPath;
struct CurveSegment;
class GBuffer;
class OcclusionBlur;
class BackgroundFill;
class ShadowMapFBO;
class FramePresenter;
class StageViewer;
class OverlayPanel;

// Display settings and clock of the frame loop.
extern util::Window* mainWindow;
extern int windowWidth;
extern int windowHeight;
extern bool windowed;
extern double totalTime;
// Render at the window framebuffer's own size instead of the window size asked for (--native).
extern bool nativeResolution;
// The window's framebuffer in pixels, kept current by its size callback; empty while minimised.
extern PixelSize framebufferSize;
// The size the frame is rendered at: every size-dependent target has it.
extern PixelSize renderSize;

struct RenderSettingsRecord {
    bool hdr = true;
    bool ssao = true;
    bool debug = false;
    float gamma = 2.2f;
    // The show's exposure: the show script writes it, the viewer's hand may override it.
    float exposure = 600.0f;
    bool shadows = true;
    bool culling = false;
    bool tessellation = true;
    bool wireframe = false;

    // The numbers a viewer may tune; these defaults are the show's own values.
    float ssaoRadius = 0.5f;
    // Whole numbers only: how many of the SSAO kernel's samples each pixel takes.
    float ssaoKernelSize = 8.0f;
    float ssaoPower = 1.5f;
    // Relief heights, applied while tessellation is on.
    float vesselDisplacement = scene::layout::vesselDisplacementScale;
    float wallDisplacement = scene::layout::wallDisplacementScale;
    // An exposure set by hand holds, in place of the show's, until the settings are reset.
    bool exposureHeld = false;
    float heldExposure = 600.0f;

    // The exposure the final pass applies.
    float exposureInEffect() const { return exposureHeld ? heldExposure : exposure; }
};
extern RenderSettingsRecord RenderSettings;

// View values.
extern const float fovy;
extern const float nearPlane;
extern const float farPlane;
extern glm::mat4 projection;
extern glm::vec4 frustumPlanes[6];

// Objects.
extern Camera* camera;
extern std::vector<CurveSegment*> cameraPathPoints;
extern CameraPath* cameraPath;
extern GBuffer* gBuffer;
extern OcclusionBlur* occlusionBlur;
extern BackgroundFill* backgroundFill;
extern ShadowMapFBO* shadowMapFbo;
extern FramePresenter* framePresenter;
extern StageViewer* stageViewer;
// What the window shows: 0 the finished frame, n the picture stagePictures[n - 1].
extern int stageView;
// The frame loop's panel while the loop runs (F1 shows and hides it), else null.
extern OverlayPanel* overlayPanel;
// While the panel holds the cursor the mouse points at it: it does not turn the camera.
extern bool mouseLookPaused;
extern std::vector<glm::mat4> shadowTransforms;

extern ShaderProgram* deferredGeomProgram;
extern ShaderProgram* displaceShaderProgram;
extern ShaderProgram* deferredStencilProgram;
extern ShaderProgram* deferredLightProgram;
// deferredLight without the shadow-map code, for every light but light 0.
extern ShaderProgram* deferredLightUnshadowedProgram;
extern ShaderProgram* lightGeomProgram;
extern ShaderProgram* hdrShaderProgram;
extern ShaderProgram* ssaoShaderProgram;
extern ShaderProgram* shadowMapProgram;
extern ShaderProgram* particleUpdateProgram;
extern ShaderProgram* particleDrawProgram;

extern std::vector<scene::SceneGeometry*> sceneModels;
extern std::vector<scene::SceneGeometry*> rolls;
extern scene::SceneGeometry* wallModel;
extern scene::SceneGeometry* cageLightModel;
extern scene::SceneGeometry* doorModel;
extern scene::SceneGeometry* graniteBlockModel;
extern scene::SceneGeometry* iloBody;
extern scene::SceneGeometry* iloArmLeft;
extern scene::SceneGeometry* iloArmRight;
extern scene::SceneGeometry* iloHead;
extern scene::SceneGeometry* iloFace;

extern scene::SceneGeometryTess* vesselTess;
extern scene::SceneGeometryTess* wallDoorTess;
extern scene::SceneGeometryTess* wallLaufbandTess;
extern scene::SceneGeometryTess* wallLittleRoomTess;
extern scene::SceneGeometryTess* wallNonDoorTess;
extern scene::SceneGeometryTess* wallVesselTess;
// The five tessellated walls, in creation order. They share one material.
std::array<scene::SceneGeometryTess*, 5> tessellatedWalls();

extern scene::SceneGeometry* stencilSphere;
extern scene::SceneGeometry* lightSphere;
extern scene::SceneGeometry* lightGeomSphere;
extern scene::SceneGeometry* lampSphere;
extern scene::Quad* ssaoQuad;
extern scene::Quad* hdrQuad;

extern scene::Texture* iloAwakeTexture;
extern scene::Texture* iloWinkTexture;

extern std::vector<scene::PointLight*> pointLights;
// Every light start-up made, in creation order, including those the show later takes out of
// `pointLights`; shutdown frees them from here.
extern std::vector<scene::PointLight*> createdPointLights;
extern ParticleSystem* particleSystem;
extern std::vector<ParticleSystem*> particleSystems;

}  // namespace rtr
