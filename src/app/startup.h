#pragma once

namespace rtr {

// Builds the window, the GL context and the whole scene, in a fixed order.
void startUp();

// Releases the program-wide objects again; the window goes last so every GL deletion still
// has its context.
void shutDown();

}  // namespace rtr
