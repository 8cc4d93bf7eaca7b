#pragma once

// The set's texture files and the atlas rectangles the models map their faces into.

#include <string>
#include <vector>

#include "image.h"
#include "shapes.h"

namespace scenegen {

struct NamedImage {
    std::string name;
    Image image;
};

// Every image file of the set, painted.
std::vector<NamedImage> sceneTextures();

// Atlas rectangles, by texture. Rectangles are Surfaces ready for the shape builders.
namespace atlas {
// wall_panels.png: the whole texture repeats every 2.0 m along a wall and 2.6 m up it.
Surface wall();
Surface floorSlabs();
Surface ceilingTiles();
Surface ceilingMetal();
// door_panel.png: the door's face fills the texture; edges take a patch of its rim.
Surface doorFace();
Surface doorEdge();
// door_frame.png
Surface frameSteel();
Surface frameHazard();
// stage_metal.png
Surface deckPlate();
Surface stageSkirt();
Surface stageHazard();
Surface stageDark();
Surface dockPad();
// conveyor.png
Surface conveyorPaint();
Surface conveyorBed();
Surface housingPanel();
Surface floorMarking();
Surface beaconLens();
Surface stripCurtain();
Surface rubber();
// wall_lamp.png
Surface lampBody();
Surface lampChrome();
Surface lampPlate();
// cage_light.png
Surface cageShadeOutside();
Surface cageShadeInside();
Surface cageBrass();
Surface cageWire();
// roll_steel.png, granite.png
Surface rollSteel();
Surface rollCap();
Surface granite();
// vessel_metal.png (with vessel_disp.png): the body wraps four times around; the profile runs
// up the lower 90 % of the texture, the legs take the flat strip above it.
Surface vesselBody();
Surface vesselLegs();
// ilo_paint.png
Surface iloWhite();
Surface iloOrange();
Surface iloJoint();
Surface iloGlow();
// ilo_eyes_02.png / ilo_eyes_07.png: the face screen fills the texture.
Surface iloFace();
}  // namespace atlas

}  // namespace scenegen
