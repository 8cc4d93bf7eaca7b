#pragma once

#include <glm/glm.hpp>

namespace rtr {

namespace scene {
struct Texture;
}

// Advances the scripted show and the interactive controls by one frame.
void update(double deltaT);

// The show's own program-wide state.
extern glm::vec3 iloPosition;
extern float iloHeading;
extern float graniteOffset;
// The face model's own texture record, kept aside once the show puts a face texture in its
// place; shutdown puts it back so the model deletes its own record, not a shared one.
extern scene::Texture* iloFaceOwnTexture;
void restoreIloFaceOwnTexture();

// Forgets half-seen key presses and the integrated show values, as at program start.
void resetShowState();

}  // namespace rtr
