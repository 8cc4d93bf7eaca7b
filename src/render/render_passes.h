#pragma once

#include <array>
#include <string>

#include "render/frame_size.h"

namespace rtr {

// One stage of the frame: its name (as the benchmark, the stage pictures and the tests call
// it), the function that runs it, what it reads and what it writes.
struct RenderStage {
    const char* name;
    void (*run)();
    const char* reads;
    const char* writes;
};

// The frame's stages in order. Lights that are switched off or whose volume lies outside the
// view draw nothing; only light 0 is shaded with the shadow-map build of deferredLight.
extern const std::array<RenderStage, 6> renderStages;

// Draws one frame: every stage of renderStages in order.
void render();

void renderShadowPass();
void updateCameraMatrices();
void renderGeometryPass();
void renderSsaoPass();
void renderLightPass();
void renderFinalPass();

struct RenderSettingsRecord;

// The occlusion shader's defines for `settings`: its sample count, and whether its power is
// another than the show's.
std::string ssaoDefines(const RenderSettingsRecord& settings);

// Renders from now on at `size`: every size-dependent target is remade, and the SSAO noise
// scale, the light pass's screen size and the projection's aspect follow it.
void resizeRenderTargets(PixelSize size);

}  // namespace rtr
