#pragma once

namespace rtr {

// Draws one frame in six stages:
//   1 shadow pass    reads light 0 and the casters   writes the shadow cube map
//   2 camera         reads the camera                writes projection and frustumPlanes
//   3 geometry       reads models, textures          writes G-buffer position/normal/albedo,
//                                                           depth-stencil; clears HDR colour
//   4 SSAO           reads G-buffer position/normal  writes the SSAO texture
//   5 lights         reads G-buffer, SSAO, cube map  writes HDR colour (additive), stencil
//   6 final          reads HDR colour                writes the window
void render();

// Each stage on its own, for the benchmark's per-stage timing; render() calls them in order.
void renderShadowPass();
void updateCameraMatrices();
void renderGeometryPass();
void renderSsaoPass();
void renderLightPass();
void renderFinalPass();

}  // namespace rtr
