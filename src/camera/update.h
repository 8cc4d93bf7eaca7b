#pragma once

namespace rtr {

// Advances the scripted show and the interactive controls by one frame.
void update(double deltaT);

}  // namespace rtr
