#pragma once

#include "render/frame_size.h"

namespace rtr {

// Draws one frame in six stages:
//   1 shadow pass    reads light 0 and the casters   writes the shadow cube map
//   2 camera         reads the camera                writes projection and frustumPlanes
//   3 geometry       reads models, textures,         writes G-buffer position/normal/albedo,
//                          frustumPlanes                   depth-stencil; clears HDR colour
//   4 SSAO           reads G-buffer position/normal  writes the SSAO texture and its blurred
//                                                           copy (OcclusionBlur)
//   5 lights         reads G-buffer, blurred SSAO,   writes HDR colour (additive), stencil
//                          cube map
//   6 final          reads HDR colour                writes the window (through the
//                                                           FramePresenter when it must scale)
// Lights that are switched off or whose volume lies outside the view draw nothing; only light 0
// is shaded with the shadow-map build of deferredLight.
void render();

// Each stage on its own, for the benchmark's per-stage timing; render() calls them in order.
void renderShadowPass();
void updateCameraMatrices();
void renderGeometryPass();
void renderSsaoPass();
void renderLightPass();
void renderFinalPass();

// Renders from now on at `size`: every size-dependent target is remade, and the SSAO noise
// scale, the light pass's screen size and the projection's aspect follow it.
void resizeRenderTargets(PixelSize size);

}  // namespace rtr
