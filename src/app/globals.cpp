#include "app/globals.h"

namespace rtr {

util::Window* mainWindow = nullptr;
int windowWidth = kShowFrameSize.width;
int windowHeight = kShowFrameSize.height;
bool windowed = true;
double totalTime = 0.0;
bool nativeResolution = false;
PixelSize framebufferSize = kShowFrameSize;
PixelSize renderSize = kShowFrameSize;

RenderSettingsRecord RenderSettings;

const float fovy = 1.0471976f;
const float nearPlane = 0.01f;
const float farPlane = 20.0f;
glm::mat4 projection(1.0f);
glm::vec4 frustumPlanes[6];

Camera* camera = nullptr;
std::vector<CurveSegment*> cameraPathPoints;
CameraPath* cameraPath = nullptr;
GBuffer* gBuffer = nullptr;
OcclusionBlur* occlusionBlur = nullptr;
BackgroundFill* backgroundFill = nullptr;
ShadowMapFBO* shadowMapFbo = nullptr;
FramePresenter* framePresenter = nullptr;
StageViewer* stageViewer = nullptr;
int stageView = 0;
OverlayPanel* overlayPanel = nullptr;
bool mouseLookPaused = false;
std::vector<glm::mat4> shadowTransforms;

ShaderProgram* deferredGeomProgram = nullptr;
ShaderProgram* displaceShaderProgram = nullptr;
ShaderProgram* deferredStencilProgram = nullptr;
ShaderProgram* deferredLightProgram = nullptr;
ShaderProgram* deferredLightUnshadowedProgram = nullptr;
ShaderProgram* lightGeomProgram = nullptr;
ShaderProgram* hdrShaderProgram = nullptr;
ShaderProgram* ssaoShaderProgram = nullptr;
ShaderProgram* shadowMapProgram = nullptr;
ShaderProgram* particleUpdateProgram = nullptr;
ShaderProgram* particleDrawProgram = nullptr;

std::vector<scene::SceneGeometry*> sceneModels;
std::vector<scene::SceneGeometry*> rolls;
scene::SceneGeometry* wallModel = nullptr;
scene::SceneGeometry* cageLightModel = nullptr;
scene::SceneGeometry* doorModel = nullptr;
scene::SceneGeometry* graniteBlockModel = nullptr;
scene::SceneGeometry* iloBody = nullptr;
scene::SceneGeometry* iloArmLeft = nullptr;
scene::SceneGeometry* iloArmRight = nullptr;
scene::SceneGeometry* iloHead = nullptr;
scene::SceneGeometry* iloFace = nullptr;

scene::SceneGeometryTess* vesselTess = nullptr;
scene::SceneGeometryTess* wallDoorTess = nullptr;
scene::SceneGeometryTess* wallLaufbandTess = nullptr;
scene::SceneGeometryTess* wallLittleRoomTess = nullptr;
scene::SceneGeometryTess* wallNonDoorTess = nullptr;
scene::SceneGeometryTess* wallVesselTess = nullptr;

scene::SceneGeometry* stencilSphere = nullptr;
scene::SceneGeometry* lightSphere = nullptr;
scene::SceneGeometry* lightGeomSphere = nullptr;
scene::SceneGeometry* lampSphere = nullptr;
scene::Quad* ssaoQuad = nullptr;
scene::Quad* hdrQuad = nullptr;

scene::Texture* iloAwakeTexture = nullptr;
scene::Texture* iloWinkTexture = nullptr;

std::vector<scene::PointLight*> pointLights;
std::vector<scene::PointLight*> createdPointLights;
ParticleSystem* particleSystem = nullptr;
std::vector<ParticleSystem*> particleSystems;

std::array<scene::SceneGeometryTess*, 5> tessellatedWalls() {
    return {wallDoorTess, wallLaufbandTess, wallLittleRoomTess, wallNonDoorTess, wallVesselTess};
}

}  // namespace rtr
