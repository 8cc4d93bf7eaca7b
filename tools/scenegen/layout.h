#pragma once

// Where things stand in the set, in world metres with y up and the floor at y = 0. The room
// faces given here are where the relief of the walls ends up; the tessellated walls' base
// surfaces lie behind them by the displacement their flat panels receive.

namespace scenegen::layout {

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

// Wall relief: the renderer pushes wall surfaces into the room by displacement * 0.165.
inline constexpr float wallDisplacementScale = 0.165f;
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
inline constexpr float vesselDisplacementScale = 0.125f;

// Conveyor along z at x = 0: rolls at height 0.475, 0.3 apart from z = -0.9.
inline constexpr float rollY = 0.475f;
inline constexpr float rollRadius = 0.06f;
inline constexpr float rollHalfLength = 0.28f;
inline constexpr float firstRollZ = -0.9f;
inline constexpr float rollSpacing = 0.3f;
inline constexpr int rollCount = 10;
inline constexpr float beltTop = rollY + rollRadius;
inline constexpr float railX = 0.31f;
inline constexpr float backHousingMinZ = -2.0f;
inline constexpr float backHousingMaxZ = -1.15f;
inline constexpr float frontHousingMinZ = 1.95f;
inline constexpr float housingTop = 0.72f;
inline constexpr float housingHalfWidth = 0.38f;
inline constexpr float tunnelHalfWidth = 0.26f;
inline constexpr float tunnelTop = 0.70f;

// Granite block, authored inside the back housing; the show lifts it by 0.035 onto the rolls
// and carries it up to 7 along +z, through the front housing and out of the room.
inline constexpr float graniteLift = 0.035f;
inline constexpr float graniteHalfWidth = 0.18f;
inline constexpr float graniteHeight = 0.14f;
inline constexpr float graniteMinZ = -1.8f;
inline constexpr float graniteMaxZ = -1.4f;

// Cage lamp: pivot at the origin of its model, hanging down; the main light sits 0.57 under
// its own pivot 0.02 lower, so about 0.59 under the lamp's.
inline constexpr float cagePivotY = 2.55f;
inline constexpr float cageLightDrop = 0.59f;

// Ilo, in his body's own metres (origin where the show puts iloPosition plus the bob).
inline constexpr float iloBodyBottom = -0.075f;
inline constexpr float iloHeadTop = 0.255f;
inline constexpr float iloArmScaleX = 0.176f;
inline constexpr float iloArmScaleY = 1.007f;
inline constexpr float iloArmScaleZ = 0.334f;
inline constexpr float iloArmOffsetX = 1.025f;
inline constexpr float iloArmOffsetY = 0.1f;

}  // namespace scenegen::layout
