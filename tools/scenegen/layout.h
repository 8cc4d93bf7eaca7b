#pragma once

// Where things stand in the set, in world metres with y up and the floor at y = 0. The room
// faces given here are where the relief of the walls ends up; the tessellated walls' base
// surfaces lie behind them by the displacement their flat panels receive.

#include "scene/scene_layout.h"

namespace scenegen::layout {

// The numbers the program shares with the generator: displacement scales, the roll line, the
// granite's lift, the cage pivot and Ilo's arm placement.
using namespace rtr::scene::layout;

// Main room.
inline constexpr float roomMinX = -2.7f;
inline constexpr float roomMaxX = 2.65f;
inline constexpr float roomMinZ = -5.05f;
inline constexpr float roomMaxZ = 2.7f;
inline constexpr float ceilingY = 2.6f;

// The little room beyond the +x wall, where Ilo waits.
inline constexpr float littleMinX = 2.95f;
inline constexpr float littleMaxX = 4.65f;
inline constexpr float littleMinZ = 0.3f;
inline constexpr float littleMaxZ = 3.0f;

// Doorway through the wall between the rooms (x from roomMaxX to littleMinX).
inline constexpr float doorwayMinZ = 0.78f;
inline constexpr float doorwayMaxZ = 1.83f;
inline constexpr float doorwayTop = 1.9f;
// The door panel's place while the show holds it closed (before it is moved back by 0.2 at
// 17 s and stays inside the doorway's reveal).
inline constexpr float doorShowMinX = 3.02f;
inline constexpr float doorThickness = 0.04f;
inline constexpr float doorMinZ = 0.74f;
inline constexpr float doorMaxZ = 1.86f;
inline constexpr float doorTop = 1.94f;
inline constexpr float doorHeldOffsetX = 0.2f;

// Wall relief: the renderer pushes wall surfaces into the room by their displacement times
// wallDisplacementScale.
inline constexpr float panelDisplacement = 0.35f;  // flat panels stand at the room faces
inline constexpr float wallBaseOffset = wallDisplacementScale * panelDisplacement;
inline constexpr float wallOverlap = 0.25f;  // walls run past corners so relief never cracks

// Stage at the back: deck top and the two ramps that Ilo's path climbs and descends.
inline constexpr float deckTop = 0.9f;
inline constexpr float deckFrontZ = -3.35f;
inline constexpr float deckMinX = -1.3f;
inline constexpr float deckMaxX = 1.05f;
inline constexpr float rightRampMinX = 1.05f;
inline constexpr float rightRampMaxX = 1.85f;
inline constexpr float rightRampFootZ = -2.1f;
inline constexpr float rightRampTopZ = -4.3f;
inline constexpr float leftRampMinX = -2.3f;
inline constexpr float leftRampMaxX = -1.3f;
inline constexpr float leftRampFootZ = -1.9f;
inline constexpr float leftRampTopZ = -4.1f;

// Vessel between the stage and the conveyor, under the particle emitter.
inline constexpr float vesselX = -0.1f;
inline constexpr float vesselZ = -2.8f;
inline constexpr float vesselRadius = 0.38f;

// Conveyor along z at x = 0, under the roll line.
inline constexpr float rollRadius = 0.06f;
inline constexpr float rollHalfLength = 0.28f;
inline constexpr float beltTop = rollY + rollRadius;
inline constexpr float railX = 0.31f;
inline constexpr float backHousingMinZ = -2.0f;
inline constexpr float backHousingMaxZ = -1.15f;
inline constexpr float frontHousingMinZ = 1.95f;
inline constexpr float housingTop = 0.72f;
inline constexpr float housingHalfWidth = 0.38f;
inline constexpr float tunnelHalfWidth = 0.26f;
inline constexpr float tunnelTop = 0.70f;

// Granite block, authored inside the back housing; the show lifts it by graniteLift onto the
// rolls and carries it up to 7 along +z, through the front housing and out of the room.
inline constexpr float graniteHalfWidth = 0.18f;
inline constexpr float graniteHeight = 0.14f;
inline constexpr float graniteMinZ = -1.8f;
inline constexpr float graniteMaxZ = -1.4f;

// Ilo, in his body's own metres (origin where the show puts iloPosition plus the bob).
inline constexpr float iloBodyBottom = -0.075f;
inline constexpr float iloHeadTop = 0.255f;

}  // namespace scenegen::layout
