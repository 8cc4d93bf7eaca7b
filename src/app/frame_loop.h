#pragma once

namespace rtr {

// Runs frames until Escape is held or the window is asked to close.
void runFrameLoop();

}  // namespace rtr
