#pragma once

// The scene's model files, one row per file in the order start-up loads them: the file's name
// in Models/, how the demo uses the model and the textures its material names. Start-up loads
// the models from it, the scene generator pairs each row with the mesh it builds
// (tools/scenegen/models.cpp) and names its pictures by it, the build takes the generated files
// it waits for from it, and the data tests check the files against it. A new model is a row
// here and its mesh there.
//
// The build reads every quoted file name of this file at configure time
// (cmake/SceneDataFiles.cmake): name files only in code, never in a comment.

#include <array>
#include <cstddef>
#include <stdexcept>

namespace rtr::scene {

// Which model a row is, for whatever needs one in particular: the show moves it, the generator
// builds its mesh, a test checks its shape.
enum class ModelId {
    shadowWalls,
    cageLamp,
    door,
    stage,
    floor,
    ceiling,
    wallLamp,
    doorFrame,
    conveyor,
    roll,
    vessel,
    granite,
    iloBody,
    iloArmLeft,
    iloArmRight,
    iloHead,
    iloFace,
    wallDoor,
    wallLaufband,
    wallLittleRoom,
    wallNonDoor,
    wallVessel,
    sphere,
};

// How the demo uses a model.
enum class ModelKind {
    shadowWalls,      // the rooms' solid walls, drawn only into the main light's shadow map
    listed,           // drawn and casting shadows where it stands, or where the show moves it
    wallLamp,         // one copy around each wall-lamp light of scene_lights.h
    rolls,            // layout::rollCount copies along the conveyor, turned by the show
    listedAndRelief,  // listed, and drawn once more displaced by the vessel's relief
    reliefWall,       // displaced by the walls' relief; the walls share one material
    lightVolume,      // the unit sphere of the light volumes, stencil marks and lamp markers
};

struct ModelRow {
    ModelId id;
    const char* file;
    ModelKind kind;
    const char* diffuse;       // colour texture; "" for none
    const char* displacement;  // relief height map, in the material's emissive slot; "" for none
};

inline constexpr std::array<ModelRow, 23> sceneModelFiles = {{
    {ModelId::shadowWalls, "wall_v1.dae", ModelKind::shadowWalls, "wall_panels.png", ""},
    {ModelId::cageLamp, "cageLight.dae", ModelKind::listed, "cage_light.png", ""},
    {ModelId::door, "door_v1.dae", ModelKind::listed, "door_panel.png", ""},
    {ModelId::stage, "stage_v1.dae", ModelKind::listed, "stage_metal.png", ""},
    {ModelId::floor, "floor.dae", ModelKind::listed, "floor_concrete.png", ""},
    {ModelId::ceiling, "ceiling.dae", ModelKind::listed, "ceiling_panels.png", ""},
    {ModelId::wallLamp, "wallLight_v1.dae", ModelKind::wallLamp, "wall_lamp.png", ""},
    {ModelId::doorFrame, "Doorframe_v1.dae", ModelKind::listed, "door_frame.png", ""},
    {ModelId::conveyor, "laufband.dae", ModelKind::listed, "conveyor.png", ""},
    {ModelId::roll, "roll.dae", ModelKind::rolls, "roll_steel.png", ""},
    {ModelId::vessel, "vessel_v1.dae", ModelKind::listedAndRelief, "vessel_metal.png",
     "vessel_metal_disp.png"},
    {ModelId::granite, "GraniteBlock.dae", ModelKind::listed, "granite.png", ""},
    {ModelId::iloBody, "iloBody.dae", ModelKind::listed, "ilo_paint.png", ""},
    {ModelId::iloArmLeft, "iloArmLeft.dae", ModelKind::listed, "ilo_paint.png", ""},
    {ModelId::iloArmRight, "iloArmRight.dae", ModelKind::listed, "ilo_paint.png", ""},
    {ModelId::iloHead, "iloHead.dae", ModelKind::listed, "ilo_paint.png", ""},
    {ModelId::iloFace, "iloFace.dae", ModelKind::listed, "ilo_eyes_02.png", ""},
    {ModelId::wallDoor, "wallDoor.dae", ModelKind::reliefWall, "wall_panels.png",
     "wall_panels_disp.png"},
    {ModelId::wallLaufband, "wallLaufband.dae", ModelKind::reliefWall, "wall_panels.png",
     "wall_panels_disp.png"},
    {ModelId::wallLittleRoom, "WallLittleRoom.dae", ModelKind::reliefWall, "wall_panels.png",
     "wall_panels_disp.png"},
    {ModelId::wallNonDoor, "wallNonDoor.dae", ModelKind::reliefWall, "wall_panels.png",
     "wall_panels_disp.png"},
    {ModelId::wallVessel, "wallVessel.dae", ModelKind::reliefWall, "wall_panels.png",
     "wall_panels_disp.png"},
    {ModelId::sphere, "sphere18.dae", ModelKind::lightVolume, "", ""},
}};

// The face Ilo winks with: the show lends it to the face model in place of its own diffuse.
inline constexpr const char* iloWinkFace = "ilo_eyes_07.png";

// The row of model `id`.
constexpr const ModelRow& modelRow(ModelId id) {
    for (const ModelRow& row : sceneModelFiles) {
        if (row.id == id)
            return row;
    }
    throw std::logic_error("a model without a row in sceneModelFiles");
}

// The number of rows of `kind`.
constexpr std::size_t modelCount(ModelKind kind) {
    std::size_t count = 0;
    for (const ModelRow& row : sceneModelFiles) count += row.kind == kind;
    return count;
}

// One row per model, and one model of each kind that start-up holds a single one of.
constexpr bool eachModelOnce() {
    for (const ModelRow& row : sceneModelFiles) {
        if (&modelRow(row.id) != &row)
            return false;
    }
    return modelCount(ModelKind::shadowWalls) == 1 && modelCount(ModelKind::wallLamp) == 1 &&
           modelCount(ModelKind::rolls) == 1 && modelCount(ModelKind::lightVolume) == 1;
}
static_assert(eachModelOnce(), "one row per model, one model of each single kind");

}  // namespace rtr::scene
