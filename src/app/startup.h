#pragma once

namespace rtr {

// Builds the window, the GL context and the whole scene, in a fixed order.
void startUp();

// The display settings the demo starts with: a 1024 x 768 window, on the desktop or fullscreen.
void useDemoWindowSettings(bool windowed);

// How every program that plays the show begins: the demo's display settings, then startUp().
void startDemo(bool windowed);

// Releases the program-wide objects again; the window goes last so every GL deletion still
// has its context.
void shutDown();

}  // namespace rtr
