#pragma once

// The set's numbers that more than one part of the program must agree on, in world metres
// (y up, floor at 0): the scene generator builds the models around them, the show script moves
// the models by them and the renderer displaces and shadows with them. Stated once, here.

namespace rtr::scene::layout {

// Relief of the displacement-mapped surfaces: a height of 1 in their displacement texture
// moves the surface this far along its normal.
inline constexpr float vesselDisplacementScale = 0.125f;
inline constexpr float wallDisplacementScale = 0.165f;

// Conveyor rolls: axles along x at height rollY, the first at z = firstRollZ, then every
// rollSpacing towards +z.
inline constexpr float rollY = 0.475f;
inline constexpr float firstRollZ = -0.9f;
inline constexpr float rollSpacing = 0.3f;
inline constexpr int rollCount = 10;

// The granite block is modelled resting in the back housing; the show lifts it onto the rolls.
inline constexpr float graniteLift = 0.035f;

// The cage lamp swings about its pivot; the main light swings with it about a pivot of its own,
// hanging mainLightDrop under it.
inline constexpr float cagePivotY = 2.55f;
inline constexpr float mainLightPivotY = 2.53f;
inline constexpr float mainLightDrop = 0.57f;

// Ilo's arms: one model each, scaled into Ilo's frame and set to either side in that scaled
// frame (x = +-iloArmOffsetX, y = iloArmOffsetY).
inline constexpr float iloArmScaleX = 0.176f;
inline constexpr float iloArmScaleY = 1.007f;
inline constexpr float iloArmScaleZ = 0.334f;
inline constexpr float iloArmOffsetX = 1.025f;
inline constexpr float iloArmOffsetY = 0.1f;

// Side of each face of the main light's shadow cube map, in texels.
inline constexpr int shadowMapSize = 512;

}  // namespace rtr::scene::layout
