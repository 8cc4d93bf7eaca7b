#include "render/render_passes.h"

#include <GL/glew.h>

namespace rtr {

void renderShadowPass() {}
void updateCameraMatrices() {}
void renderGeometryPass() {}
void renderSsaoPass() {}
void renderLightPass() {}
void renderFinalPass() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

void render() {
    renderShadowPass();
    updateCameraMatrices();
    renderGeometryPass();
    renderSsaoPass();
    renderLightPass();
    renderFinalPass();
}

}  // namespace rtr
