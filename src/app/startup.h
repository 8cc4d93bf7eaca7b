#pragma once

#include <string>

#include "render/frame_size.h"

namespace rtr {

// Builds the window, the GL context and the whole scene, in a fixed order.
void startUp();

// The #define lines the light shader is built with: the clip planes of the shadow cube's
// projection (shadowProjection(), which clips where the camera does: nearPlane, farPlane), by
// which it turns a distance into the depth the shadow pass stored.
std::string shadowClipDefines();

// The display settings the demo starts with: a 1024 x 768 window, on the desktop or fullscreen.
void useDemoWindowSettings(bool windowed);

// The size frames are rendered at for a window framebuffer of `framebuffer` pixels: the window
// size asked for, or with --native the framebuffer's own (unless minimised).
PixelSize renderSizeFor(PixelSize framebuffer);

// The demo's command line: --native, or --help. Returns -1 to go on, otherwise the exit status
// to end with (0 after the help, 2 for anything else); what it says goes to standard error.
int readDemoArguments(int argc, char** argv);

// How every program that plays the show begins: the demo's display settings, then startUp().
// The tools may ask for frames of another size: the window opens at it, and frames are
// rendered at it.
void startDemo(bool windowed, PixelSize frameSize = kShowFrameSize);

// Releases the program-wide objects again; the window goes last so every GL deletion still
// has its context.
void shutDown();

}  // namespace rtr
