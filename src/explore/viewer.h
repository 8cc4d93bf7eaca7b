#pragma once

// What the frame loop asks of the viewer: the panel's picture of the moment, the panel's
// requests carried out, and the stage picture shown in place of the frame.

#include "explore/overlay_panel.h"
#include "render/frame_size.h"
#include "render/stage_timer.h"

namespace rtr {

// What the panel shows now: the show's clock and settings, the stage views, the last frame's
// wall time and each stage's GPU time (below 0: not measured).
PanelModel panelModelNow(double frameSeconds, const StageTimes& stageTimes);

// Carries out what the viewer asked for on the panel; it shows from the next frame on.
void carryOut(const PanelRequests& requests);

// Draws the stage picture the viewer picked over the frame in the window's back buffer; does
// nothing while the finished frame is picked.
void showPickedStage(PixelSize window);

}  // namespace rtr
