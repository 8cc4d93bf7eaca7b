#pragma once

namespace rtr {

// The demo's loop, one frame at a time: events, clock, update, then the frame drawn and shown
// (or, while the window is minimised, only waited for), the stop test and the error check.
class FrameLoop {
  public:
    // Starts the show clock at 0 now.
    FrameLoop();
    // Runs one frame; false once Escape is held or the window is asked to close.
    bool step();

  private:
    double lastTime;
};

// Runs frames until Escape is held or the window is asked to close.
void runFrameLoop();

// Draws what the window shows this frame into its back buffer: the frame, or in its place the
// stage picture the viewer picked.
void drawWindowContents();

// Remakes the render targets when the size frames should be rendered at changed: with
// --native, whenever the window's framebuffer did (and is not empty).
void followFramebufferSize();

}  // namespace rtr
