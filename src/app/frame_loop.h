#pragma once

#include <memory>

#include "explore/overlay_panel.h"
#include "render/stage_timer.h"

namespace rtr {

// The demo's loop, one frame at a time: events, clock, update, then the frame drawn and shown
// (or, while the window is minimised, only waited for), the stop test and the error check.
class FrameLoop {
  public:
    // Starts the show clock at 0 now and makes the overlay panel, hidden (F1 shows it).
    FrameLoop();
    ~FrameLoop();
    FrameLoop(const FrameLoop&) = delete;
    FrameLoop& operator=(const FrameLoop&) = delete;
    // Runs one frame; false once Escape is held or the window is asked to close.
    bool step();

  private:
    void drawFrame(double frameSeconds);

    double lastTime;
    std::unique_ptr<OverlayPanel> panel;
    // Only while the panel shows: each stage's GPU time, a frame or two late.
    StageTimer stageTimer;
    StageTimes stageTimes;
};

// Runs frames until Escape is held or the window is asked to close.
void runFrameLoop();

// Draws what the window shows this frame into its back buffer: the frame, or in its place the
// stage picture the viewer picked. With a timer, each stage is timed on the GPU.
void drawWindowContents(StageTimer* timer = nullptr);

// Remakes the render targets when the size frames should be rendered at changed: with
// --native, whenever the window's framebuffer did (and is not empty).
void followFramebufferSize();

}  // namespace rtr
