#pragma once

#include <glm/glm.hpp>

namespace rtr {

namespace scene {
struct Texture;
}

// Advances the scripted show and the interactive controls by one frame: advanceShow, then
// driveMusic, then updateControls.
void update(double deltaT);

// The scripted show at totalTime: lights, door, exposure, Ilo, camera flight, rolls, cage and
// the granite block, which rides on by deltaT.
void advanceShow(double deltaT);
// The music's script at totalTime: when it starts, fades and stops.
void driveMusic();
// What the viewer drives: the free-fly camera, the released setting keys, the sound layer's
// housekeeping.
void updateControls(double deltaT);

// Notes everything the show changes as it is now; start-up calls it once the scene is built.
void rememberShowStart();
// Puts everything the show changes back as rememberShowStart found it, except a free-flying
// camera and the render switches, which are the viewer's.
void returnToShowStart();

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
