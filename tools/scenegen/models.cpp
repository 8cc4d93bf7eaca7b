#include "models.h"

#include <cmath>
#include <stdexcept>

#include "layout.h"
#include "scene/scene_models.h"
#include "shapes.h"
#include "textures.h"
#include "vessel.h"

namespace scenegen {

namespace {

using glm::vec2;
using glm::vec3;
namespace L = layout;

constexpr float pi = 3.14159265358979f;
constexpr float floorLevel = -0.2f;  // walls reach below the floor and above the ceiling
constexpr float wallCell = 0.5f;

// ---- walls -------------------------------------------------------------------------------

// A wall seen from the room: it faces `inward` (a unit axis) and its base surface lies at
// `plane` on that axis. It spans `from`..`to` measured along its right-hand axis.
struct WallPlane {
    vec3 inward;
    float plane;
    float from, to;
    std::vector<Hole> holes;  // metres along the wall from `from`, and up from floorLevel
};

void addWall(Mesh& mesh, const WallPlane& w, const Surface& surface) {
    const vec3 up(0, 1, 0);
    const vec3 right = glm::cross(up, w.inward);  // right x up = inward
    const vec3 origin = glm::abs(w.inward) * w.plane + right * w.from + up * floorLevel;
    const float height = L::ceilingY - 2.0f * floorLevel;
    addRect(mesh, origin, right, up, {w.to - w.from, height}, surface, wallCell, w.holes);
}

// Doorway hole in a wall whose right-hand axis is +z (sign 1) or -z (sign -1).
Hole doorwayHole(float from, float sign) {
    const float a = sign * L::doorwayMinZ - from, b = sign * L::doorwayMaxZ - from;
    return {{std::min(a, b), 0.0f}, {std::max(a, b), L::doorwayTop - floorLevel}};
}

// Base planes sit behind the room faces by the displacement of the flat panels.
float behindPlus(float face) {
    return face + L::wallBaseOffset;
}
float behindMinus(float face) {
    return face - L::wallBaseOffset;
}

Mesh wallDoor() {
    Mesh m;
    const float from = L::roomMinZ - L::wallOverlap, to = L::roomMaxZ + L::wallOverlap;
    addWall(m, {{-1, 0, 0}, behindPlus(L::roomMaxX), from, to, {doorwayHole(from, 1.0f)}},
            atlas::wall());
    return m;
}

Mesh wallNonDoor() {
    Mesh m;
    addWall(m,
            {{1, 0, 0},
             behindMinus(L::roomMinX),
             -(L::roomMaxZ + L::wallOverlap),
             -(L::roomMinZ - L::wallOverlap),
             {}},
            atlas::wall());
    return m;
}

Mesh wallLaufband() {
    Mesh m;
    addWall(m,
            {{0, 0, -1},
             behindPlus(L::roomMaxZ),
             -(L::roomMaxX + L::wallOverlap),
             -(L::roomMinX - L::wallOverlap),
             {}},
            atlas::wall());
    return m;
}

Mesh wallVessel() {
    Mesh m;
    addWall(m,
            {{0, 0, 1},
             behindMinus(L::roomMinZ),
             L::roomMinX - L::wallOverlap,
             L::roomMaxX + L::wallOverlap,
             {}},
            atlas::wall());
    return m;
}

Mesh wallLittleRoom() {
    Mesh m;
    const float zFrom = L::littleMinZ - L::wallOverlap, zTo = L::littleMaxZ + L::wallOverlap;
    const float xFrom = L::roomMaxX, xTo = L::littleMaxX + L::wallOverlap;
    addWall(m, {{1, 0, 0}, behindMinus(L::littleMinX), -zTo, -zFrom, {doorwayHole(-zTo, -1.0f)}},
            atlas::wall());
    addWall(m, {{-1, 0, 0}, behindPlus(L::littleMaxX), zFrom, zTo, {}}, atlas::wall());
    addWall(m, {{0, 0, 1}, behindMinus(L::littleMinZ), xFrom, xTo, {}}, atlas::wall());
    addWall(m, {{0, 0, -1}, behindPlus(L::littleMaxZ), -xTo, -xFrom, {}}, atlas::wall());
    return m;
}

// Solid walls for the main light's shadow map: slabs from the room faces outwards, with the
// doorway left open so light falls through it.
Mesh wallShadowSlabs() {
    Mesh m;
    const Surface s = atlas::wall();
    const float t = 0.3f, lo = -0.05f, hi = L::ceilingY + 0.05f;
    const float x0 = L::roomMinX, x1 = L::roomMaxX, z0 = L::roomMinZ, z1 = L::roomMaxZ;
    addBox(m, {x1, lo, z0 - t}, {x1 + t, hi, L::doorwayMinZ}, s);
    addBox(m, {x1, lo, L::doorwayMaxZ}, {x1 + t, hi, z1 + t}, s);
    addBox(m, {x1, L::doorwayTop, L::doorwayMinZ}, {x1 + t, hi, L::doorwayMaxZ}, s);
    addBox(m, {x0 - t, lo, z0 - t}, {x0, hi, z1 + t}, s);
    addBox(m, {x0, lo, z1}, {x1, hi, z1 + t}, s);
    addBox(m, {x0, lo, z0 - t}, {x1, hi, z0}, s);
    addBox(m, {L::littleMaxX, lo, L::littleMinZ - t}, {L::littleMaxX + t, hi, L::littleMaxZ + t},
           s);
    addBox(m, {x1 + t, lo, L::littleMinZ - t}, {L::littleMaxX, hi, L::littleMinZ}, s);
    addBox(m, {x1 + t, lo, L::littleMaxZ}, {L::littleMaxX, hi, L::littleMaxZ + t}, s);
    return m;
}

// ---- floor, ceiling, door --------------------------------------------------------------------

constexpr float shellMinX = L::roomMinX - 0.3f, shellMaxX = L::littleMaxX + 0.3f;
constexpr float shellMinZ = L::roomMinZ - 0.3f, shellMaxZ = L::littleMaxZ + 0.3f;

Mesh floorMesh() {
    Mesh m;
    addRect(m, {shellMinX, 0.0f, shellMaxZ}, {1, 0, 0}, {0, 0, -1},
            {shellMaxX - shellMinX, shellMaxZ - shellMinZ}, atlas::floorSlabs(), 2.0f);
    return m;
}

Mesh ceilingMesh() {
    Mesh m;
    addRect(m, {shellMinX, L::ceilingY, shellMinZ}, {1, 0, 0}, {0, 0, 1},
            {shellMaxX - shellMinX, shellMaxZ - shellMinZ}, atlas::ceilingTiles(), 1.2f);
    // Mount for the cage lamp: a plate and a short hanger down to its pivot.
    addBox(m, {-0.06f, L::ceilingY - 0.012f, -0.06f}, {0.06f, L::ceilingY, 0.06f},
           atlas::ceilingMetal());
    addBox(m, {-0.006f, L::cagePivotY + 0.008f, -0.006f}, {0.006f, L::ceilingY, 0.006f},
           atlas::ceilingMetal());
    return m;
}

Mesh doorMesh() {
    // Authored where it stands once the show stops holding it 0.2 further out.
    Mesh local;
    const float width = L::doorMaxZ - L::doorMinZ;
    BoxSurfaces s = allSides(atlas::doorFace());
    s.top = s.bottom = atlas::doorEdge();
    addBox(local, {0, 0, 0}, {L::doorThickness, L::doorTop, width}, s);
    // Pull handle on each face.
    for (float x : {-0.03f, L::doorThickness}) {
        addBox(local, {x, 0.98f, 0.06f}, {x + 0.03f, 1.22f, 0.1f}, atlas::doorEdge());
    }
    Mesh m;
    m.append(local, translation({L::doorShowMinX - L::doorHeldOffsetX, 0.0f, L::doorMinZ}));
    return m;
}

Mesh doorFrameMesh() {
    Mesh m;
    const float z0 = L::doorwayMinZ, z1 = L::doorwayMaxZ, top = L::doorwayTop;
    const float mainFace = L::roomMaxX - 0.1f, mainBack = behindPlus(L::roomMaxX) + 0.01f;
    const float littleBack = behindMinus(L::littleMinX) - 0.01f, littleFace = L::littleMinX + 0.05f;
    const BoxSurfaces trim{atlas::frameHazard(), atlas::frameSteel(), atlas::frameSteel()};
    for (auto [a, b] : {std::pair{mainFace, mainBack}, std::pair{littleBack, littleFace}}) {
        addBox(m, {a, 0.0f, z0 - 0.08f}, {b, top + 0.08f, z0}, trim);
        addBox(m, {a, 0.0f, z1}, {b, top + 0.08f, z1 + 0.08f}, trim);
        addBox(m, {a, top, z0}, {b, top + 0.08f, z1}, trim);
    }
    // Lining of the reveal and a threshold plate.
    const Surface steel = atlas::frameSteel();
    addBox(m, {mainBack, 0.0f, z0 - 0.04f}, {littleBack, top + 0.04f, z0}, steel);
    addBox(m, {mainBack, 0.0f, z1}, {littleBack, top + 0.04f, z1 + 0.04f}, steel);
    addBox(m, {mainBack, top, z0}, {littleBack, top + 0.04f, z1}, steel);
    addBox(m, {mainFace, 0.0f, z0}, {littleFace, 0.012f, z1}, steel);
    return m;
}

// ---- stage ---------------------------------------------------------------------------------

void addDeckBlock(Mesh& m, vec2 xRange, vec2 zRange) {
    const float band = 0.1f;
    addBox(m, {xRange.x, 0.0f, zRange.x}, {xRange.y, L::deckTop - band, zRange.y},
           BoxSurfaces{atlas::stageSkirt(), atlas::stageDark(), atlas::stageDark()});
    addBox(m, {xRange.x, L::deckTop - band, zRange.x}, {xRange.y, L::deckTop, zRange.y},
           BoxSurfaces{atlas::stageHazard(), atlas::deckPlate(), atlas::stageDark()});
}

// Ramp rising from the floor at footZ to the deck at topZ (topZ < footZ).
void addRamp(Mesh& m, float x0, float x1, float footZ, float topZ) {
    const vec3 slope = glm::normalize(vec3(0.0f, L::deckTop, topZ - footZ));
    const float length = glm::length(vec2(L::deckTop, topZ - footZ));
    addRect(m, {x0, 0.0f, footZ}, {1, 0, 0}, slope, {x1 - x0, length}, atlas::deckPlate());
    const Surface side = atlas::stageDark();
    for (float x : {x0, x1}) {
        const bool facesPlusX = x == x1;
        const vec3 n(facesPlusX ? 1.0f : -1.0f, 0.0f, 0.0f);
        const vec3 a(x, 0.0f, footZ), b(x, 0.0f, topZ), c(x, L::deckTop, topZ);
        auto uv = [&](vec3 p) {
            return side.uvOrigin +
                   side.uvSize * vec2((footZ - p.z) / (footZ - topZ), p.y / L::deckTop);
        };
        const auto ia = m.add({a, n, uv(a)}), ib = m.add({b, n, uv(b)}), ic = m.add({c, n, uv(c)});
        facesPlusX ? m.triangle(ia, ib, ic) : m.triangle(ia, ic, ib);
    }
}

Mesh stageMesh() {
    Mesh m;
    const float back = L::roomMinZ - L::wallBaseOffset - 0.02f;
    addDeckBlock(m, {L::deckMinX, L::deckMaxX}, {back, L::deckFrontZ});
    addDeckBlock(m, {L::leftRampMinX, L::leftRampMaxX}, {back, L::leftRampTopZ});
    addDeckBlock(m, {L::rightRampMinX, L::rightRampMaxX}, {back, L::rightRampTopZ});
    addRamp(m, L::rightRampMinX, L::rightRampMaxX, L::rightRampFootZ, L::rightRampTopZ);
    addRamp(m, L::leftRampMinX, L::leftRampMaxX, L::leftRampFootZ, L::leftRampTopZ);
    // Ilo's charging pad in the little room, under his waiting place.
    Mesh pad;
    addLathe(pad, {{0.3f, 0.0f}, {0.3f, 0.03f}, {0.0f, 0.03f}}, 32, atlas::dockPad());
    m.append(pad, translation({3.8f, 0.0f, 1.4f}));
    return m;
}

// ---- conveyor ----------------------------------------------------------------------------------

// Machine housing over the belt with a tunnel the block rides through along z.
void addHousing(Mesh& m, float z0, float z1, bool closedBack) {
    const float w = L::housingHalfWidth, t = L::tunnelHalfWidth;
    const BoxSurfaces panel{atlas::housingPanel(), atlas::conveyorBed(), atlas::rubber()};
    addBox(m, {-w, 0.0f, z0}, {w, L::beltTop, z1}, panel);
    addBox(m, {-w, L::tunnelTop, z0}, {w, L::housingTop, z1}, panel);
    addBox(m, {-w, L::beltTop, z0}, {-t, L::tunnelTop, z1}, panel);
    addBox(m, {t, L::beltTop, z0}, {w, L::tunnelTop, z1}, panel);
    if (closedBack) {
        addBox(m, {-t, L::beltTop, z0}, {t, L::tunnelTop, z0 + 0.15f}, panel);
    }
}

void addBeacon(Mesh& m, float z) {
    Mesh lens;
    addCylinder(lens, 0.045f, 0.0f, 0.02f, 20, atlas::beaconLens());
    m.append(lens, translation({0.0f, L::housingTop, z}));
}

// Hazard-striped line on the floor along a rectangle's side.
void addFloorLine(Mesh& m, vec3 origin, vec3 along, float length) {
    const vec3 across = glm::cross(vec3(0, 1, 0), along);  // along x across = up
    addRect(m, origin, along, across, {length, 0.06f}, atlas::floorMarking());
}

Mesh conveyorMesh() {
    Mesh m;
    const float zBack = L::backHousingMaxZ, zFront = L::frontHousingMinZ;
    const Surface paint = atlas::conveyorPaint();
    for (float side : {-1.0f, 1.0f}) {
        const float x = side * L::railX;
        addBox(m, {x - 0.02f, 0.4f, zBack}, {x + 0.02f, 0.53f, zFront}, paint);
        for (float z : {-1.0f, 0.4f, 1.8f}) {
            addBox(m, {x - 0.02f, 0.0f, z - 0.02f}, {x + 0.02f, 0.4f, z + 0.02f}, paint);
            addBox(m, {x - 0.04f, 0.0f, z - 0.04f}, {x + 0.04f, 0.01f, z + 0.04f}, atlas::rubber());
        }
    }
    for (float z : {-1.0f, 0.4f, 1.8f}) {
        addBox(m, {-L::railX, 0.12f, z - 0.015f}, {L::railX, 0.15f, z + 0.015f}, paint);
    }
    addHousing(m, L::backHousingMinZ, zBack, true);
    addHousing(m, zFront, L::roomMaxZ + L::wallBaseOffset, false);
    // Bed plates bridging from the housings to the first and last roll.
    const float t = L::tunnelHalfWidth;
    addBox(m, {-t, L::beltTop - 0.03f, zBack}, {t, L::beltTop, L::firstRollZ - 0.07f},
           atlas::conveyorBed());
    const float lastRoll = L::firstRollZ + L::rollSpacing * (L::rollCount - 1);
    addBox(m, {-t, L::beltTop - 0.03f, lastRoll + 0.07f}, {t, L::beltTop, zFront},
           atlas::conveyorBed());
    // Strip curtain inside the front tunnel, where the blocks leave the room.
    addRect(m, {t, L::beltTop, 2.5f}, {-1, 0, 0}, {0, 1, 0}, {2.0f * t, L::tunnelTop - L::beltTop},
            atlas::stripCurtain());
    addBeacon(m, -1.6f);
    addBeacon(m, 2.3f);
    const float y = 0.002f, x = 0.55f, back = -2.2f, front = L::roomMaxZ;
    addFloorLine(m, {x, y, front}, {0, 0, -1}, front - back);
    addFloorLine(m, {-x, y, back}, {0, 0, 1}, front - back);
    addFloorLine(m, {-x, y, back + 0.06f}, {1, 0, 0}, 2.0f * x);
    return m;
}

Mesh rollMesh() {
    Mesh local;
    const float h = L::rollHalfLength, r = L::rollRadius;
    addLathe(local, {{0.0f, -h - 0.02f}, {0.012f, -h - 0.02f}, {0.012f, -h}, {r - 0.005f, -h}}, 20,
             atlas::rollCap());
    addLathe(local, {{r - 0.005f, -h}, {r, -h + 0.005f}, {r, h - 0.005f}, {r - 0.005f, h}}, 20,
             atlas::rollSteel());
    addLathe(local, {{r - 0.005f, h}, {0.012f, h}, {0.012f, h + 0.02f}, {0.0f, h + 0.02f}}, 20,
             atlas::rollCap());
    Mesh m;
    m.append(local, rotationZ(-0.5f * pi));  // axis along x
    return m;
}

Mesh graniteMesh() {
    Mesh local;
    addRoundedBox(
        local,
        {L::graniteHalfWidth, 0.5f * L::graniteHeight, 0.5f * (L::graniteMaxZ - L::graniteMinZ)},
        0.012f, 2, atlas::granite());
    Mesh m;
    m.append(local, translation({0.0f, L::beltTop - L::graniteLift + 0.5f * L::graniteHeight,
                                 0.5f * (L::graniteMinZ + L::graniteMaxZ)}));
    return m;
}

// ---- vessel ----------------------------------------------------------------------------------

Mesh vesselMesh() {
    Mesh local;
    addLathe(local, vesselProfile(), 48, atlas::vesselBody(), 4.0f);
    for (int i = 0; i < 4; ++i) {
        Mesh leg;
        addBox(leg, {-0.03f, 0.0f, 0.22f}, {0.03f, 0.2f, 0.28f}, atlas::vesselLegs());
        local.append(leg, rotationY(0.5f * pi * i + 0.25f * pi));
    }
    Mesh m;
    m.append(local, translation({L::vesselX, 0.0f, L::vesselZ}));
    return m;
}

// ---- lamps -------------------------------------------------------------------------------------

// Thin ring of tube radius `tube` around the y axis.
void addRing(Mesh& m, float radius, float tube, const Surface& s, const glm::mat4& place) {
    Mesh ring;
    addLathe(ring, arcProfile({radius, 0.0f}, tube, -0.5f * pi, 1.5f * pi, 6), 24, s);
    m.append(ring, place);
}

Mesh wallLampMesh() {
    // Light at the origin, wall behind it along +z.
    Mesh m;
    Mesh plate;
    addRoundedBox(plate, {0.07f, 0.1f, 0.04f}, 0.012f, 2, atlas::lampPlate());
    m.append(plate, translation({0.0f, 0.0f, 0.055f}));
    addBox(m, {-0.068f, 0.055f, -0.065f}, {0.068f, 0.068f, 0.02f}, atlas::lampBody());
    addBox(m, {-0.03f, -0.08f, -0.03f}, {0.03f, -0.066f, 0.02f}, atlas::lampBody());
    const Surface chrome = atlas::lampChrome();
    addRing(m, 0.052f, 0.0035f, chrome, glm::mat4(1.0f));
    addRing(m, 0.042f, 0.0035f, chrome, translation({0, 0.03f, 0}));
    addRing(m, 0.042f, 0.0035f, chrome, translation({0, -0.03f, 0}));
    addRing(m, 0.052f, 0.0035f, chrome, rotationX(0.5f * pi));
    addRing(m, 0.052f, 0.0035f, chrome, rotationZ(0.5f * pi));
    return m;
}

Mesh cageLampMesh() {
    // Pivot at the origin, hanging down.
    Mesh m;
    Mesh eye;
    addCylinder(eye, 0.014f, -0.016f, 0.016f, 12, atlas::cageBrass());
    m.append(eye, rotationZ(0.5f * pi));
    addCylinder(m, 0.007f, -0.43f, -0.01f, 10, atlas::cageBrass());
    const std::vector<vec2> shade = {{0.17f, -0.53f},  {0.16f, -0.5f},  {0.125f, -0.465f},
                                     {0.07f, -0.435f}, {0.03f, -0.42f}, {0.0f, -0.415f}};
    addLathe(m, shade, 32, atlas::cageShadeOutside());
    std::vector<vec2> inner;
    for (vec2 p : shade) {
        inner.push_back({std::max(0.0f, p.x - 0.004f), p.y - 0.004f});
    }
    Mesh lining;
    addLathe(lining, inner, 32, atlas::cageShadeInside());
    lining.flip();
    m.append(lining);
    addCylinder(m, 0.022f, -0.53f, -0.44f, 16, atlas::cageBrass());
    Mesh bulb;
    addLathe(bulb, arcProfile({0.0f, 0.0f}, 0.02f, -0.5f * pi, 0.5f * pi, 6), 12,
             atlas::cageShadeInside());
    m.append(bulb, translation({0.0f, -0.545f, 0.0f}));
    // Wire cage around the bulb; as the lamp swings its shadow sweeps the room in thin bars.
    const Surface wire = atlas::cageWire();
    for (int i = 0; i < 6; ++i) {
        Mesh bar;
        addBox(bar, {-0.002f, -0.69f, 0.1f}, {0.002f, -0.53f, 0.104f}, wire);
        m.append(bar, rotationY(pi * i / 3.0f));
    }
    addRing(m, 0.102f, 0.0025f, wire, translation({0, -0.64f, 0}));
    addRing(m, 0.102f, 0.0025f, wire, translation({0, -0.69f, 0}));
    return m;
}

// ---- Ilo ----------------------------------------------------------------------------------------

Mesh iloBodyMesh() {
    Mesh m;
    // Egg-shaped hull above a thruster nozzle.
    std::vector<vec2> hull;
    for (int i = 0; i <= 12; ++i) {
        const float a = -1.2f + (0.5f * pi + 1.2f) * i / 12.0f;
        hull.push_back({0.13f * std::cos(a), 0.03f + 0.1f * std::sin(a)});
    }
    hull.back().x = 0.0f;
    addLathe(m, hull, 32, atlas::iloWhite());
    addLathe(
        m, {{0.0f, L::iloBodyBottom}, {0.05f, L::iloBodyBottom}, {0.058f, -0.06f}, {0.05f, -0.05f}},
        24, atlas::iloJoint());
    Mesh glow;
    addCylinder(glow, 0.035f, -0.001f, 0.0f, 20, atlas::iloGlow());
    m.append(glow, translation({0.0f, L::iloBodyBottom, 0.0f}));
    addRing(m, 0.131f, 0.009f, atlas::iloOrange(), translation({0.0f, 0.03f, 0.0f}));
    addCylinder(m, 0.035f, 0.11f, 0.14f, 16, atlas::iloJoint());
    return m;
}

Mesh iloHeadMesh() {
    Mesh m;
    Mesh head;
    addRoundedBox(head, {0.11f, 0.06f, 0.09f}, 0.02f, 3, atlas::iloWhite());
    m.append(head, translation({0.0f, L::iloHeadTop - 0.06f, 0.0f}));
    for (float side : {-1.0f, 1.0f}) {
        Mesh ear;
        addCylinder(ear, 0.03f, 0.0f, 0.015f, 16, atlas::iloOrange());
        m.append(ear, translation({side * 0.105f, L::iloHeadTop - 0.06f, 0.0f}) *
                          rotationZ(-side * 0.5f * pi));
    }
    return m;
}

Mesh iloFaceMesh() {
    // Screen on the flat front of the head; the texture's left edge at Ilo's right (-x), so
    // the face reads the right way round for whoever he looks at.
    const vec2 size(0.17f, 0.084f);
    Surface face = atlas::iloFace();
    face.tile = size;
    Mesh local;
    addRect(local, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, size, face, 0.03f);
    Mesh m;
    m.append(local, translation({-0.5f * size.x, L::iloHeadTop - 0.06f - 0.5f * size.y, 0.0915f}));
    return m;
}

// An arm pod in body metres around (0, 0, 0), moved into the scaled frame the show draws the
// arms in: body = S * (authored + offset).
Mesh iloArmMesh(float side) {
    Mesh pod;
    const float r = 0.032f;
    addLathe(pod, arcProfile({0.0f, -0.05f}, r, -0.5f * pi, 0.0f, 5), 16, atlas::iloJoint());
    addLathe(pod, {{r, -0.05f}, {r, 0.03f}}, 16, atlas::iloWhite());
    addLathe(pod, arcProfile({0.0f, 0.03f}, r, 0.0f, 0.5f * pi, 5), 16, atlas::iloOrange());
    const vec3 scale(L::iloArmScaleX, L::iloArmScaleY, L::iloArmScaleZ);
    const vec3 offset = scale * vec3(side * L::iloArmOffsetX, L::iloArmOffsetY, 0.0f);
    const vec3 podCentre(side * 0.19f, 0.06f, 0.0f);
    Mesh m;
    m.append(pod, scaling(1.0f / scale) * translation(podCentre - offset));
    return m;
}

// ---- sphere ----------------------------------------------------------------------------------

Mesh sphereMesh() {
    Mesh m;
    addLathe(m, arcProfile({0.0f, 0.0f}, 1.0f, -0.5f * pi, 0.5f * pi, 9), 18, Surface{});
    for (Vertex& v : m.vertices) {
        v.normal = glm::normalize(v.position);
    }
    return m;
}

// The mesh of each model of the program's table; the row gives its file and textures.
Mesh meshOf(rtr::scene::ModelId id) {
    using rtr::scene::ModelId;
    switch (id) {
        case ModelId::shadowWalls:
            return wallShadowSlabs();
        case ModelId::cageLamp:
            return cageLampMesh();
        case ModelId::door:
            return doorMesh();
        case ModelId::stage:
            return stageMesh();
        case ModelId::floor:
            return floorMesh();
        case ModelId::ceiling:
            return ceilingMesh();
        case ModelId::wallLamp:
            return wallLampMesh();
        case ModelId::doorFrame:
            return doorFrameMesh();
        case ModelId::conveyor:
            return conveyorMesh();
        case ModelId::roll:
            return rollMesh();
        case ModelId::vessel:
            return vesselMesh();
        case ModelId::granite:
            return graniteMesh();
        case ModelId::iloBody:
            return iloBodyMesh();
        case ModelId::iloArmLeft:
            return iloArmMesh(1.0f);
        case ModelId::iloArmRight:
            return iloArmMesh(-1.0f);
        case ModelId::iloHead:
            return iloHeadMesh();
        case ModelId::iloFace:
            return iloFaceMesh();
        case ModelId::wallDoor:
            return wallDoor();
        case ModelId::wallLaufband:
            return wallLaufband();
        case ModelId::wallLittleRoom:
            return wallLittleRoom();
        case ModelId::wallNonDoor:
            return wallNonDoor();
        case ModelId::wallVessel:
            return wallVessel();
        case ModelId::sphere:
            return sphereMesh();
    }
    throw std::logic_error("no mesh for a model of the table");
}

}  // namespace

std::vector<Model> sceneModels() {
    std::vector<Model> models;
    for (const rtr::scene::ModelRow& row : rtr::scene::sceneModelFiles) {
        models.push_back({row.file, meshOf(row.id), {row.diffuse, row.displacement}});
    }
    return models;
}

}  // namespace scenegen
