#pragma once

namespace rtr {

// Draws one frame: shadow, camera matrices, geometry, SSAO, lights, tone mapping.
void render();

}  // namespace rtr
