#include "textures.h"

#include <algorithm>
#include <cmath>

#include "layout.h"
#include "scene/scene_models.h"
#include "paint.h"
#include "vessel.h"

namespace scenegen {

namespace {

using glm::vec2;
using glm::vec3;

// Faces map a little inside their rectangle, so filtering never pulls in the neighbour's
// colour along the edges.
Surface region(vec2 origin, vec2 size, vec2 tile) {
    Surface s;
    s.uvOrigin = origin + 0.02f * size;
    s.uvSize = 0.96f * size;
    s.tile = tile;
    return s;
}

Surface wrapping(vec2 tile) {
    Surface s;
    s.tile = tile;
    s.wraps = true;
    return s;
}

// Position inside an atlas rectangle (its full extent, margin included) as 0..1.
vec2 local(vec2 uv, const Surface& s) {
    const vec2 size = s.uvSize / 0.96f;
    return (uv - (s.uvOrigin - 0.02f * size)) / size;
}
bool inside(vec2 uv, const Surface& s) {
    const vec2 l = local(uv, s);
    return l.x >= 0.0f && l.y >= 0.0f && l.x < 1.0f && l.y < 1.0f;
}

// Brushed metal: fine streaks along x.
vec3 brushed(vec2 p, vec3 base, std::uint32_t seed) {
    const float streak = fbm(vec2(p.x * 2.0f, p.y * 160.0f), 2, 3, seed);
    const float blotch = fbm(p * 4.0f, 4, 3, seed + 5);
    return base * (1.0f + 0.12f * streak + 0.08f * blotch);
}

// Painted metal with wear: darker blotches and a few bright scratches.
vec3 paintedMetal(vec2 p, vec3 paint, std::uint32_t seed) {
    const float grime = fbm(p * 6.0f, 6, 4, seed);
    const float scuff = std::max(0.0f, noise(vec2(p.x * 4.0f, p.y * 48.0f), 4, seed + 9));
    vec3 c = paint * (0.92f + 0.18f * grime);
    return glm::mix(c, vec3(0.5f, 0.5f, 0.52f), smooth01(0.5f, 0.75f, scuff) * 0.25f);
}

// Distance to the nearest multiple of `step`.
float toGrid(float x, float step) {
    const float m = std::fmod(std::fabs(x), step);
    return std::min(m, step - m);
}

float dome(vec2 p, vec2 centre, float radius) {
    const float d = glm::length(p - centre) / radius;
    return d < 1.0f ? std::sqrt(1.0f - d * d) : 0.0f;
}

// ---- walls ------------------------------------------------------------------------------

constexpr float wallTileW = 2.0f;
constexpr float wallTileH = 2.6f;

struct WallPoint {
    float height;  // displacement 0..1
    vec3 colour;
};

WallPoint wallAt(vec2 uv) {
    const float x = uv.x * wallTileW, y = uv.y * wallTileH;
    const float seam = toGrid(x, 1.0f);
    const float grime = fbm(vec2(uv.x * 4.0f, uv.y * 5.0f), 4, 4, 11);
    if (y < 0.12f) {
        const float h = 0.42f - 0.05f * smooth01(0.1f, 0.12f, y);
        return {h, vec3(0.07f, 0.07f, 0.08f) * (1.0f + 0.2f * grime)};
    }
    if (y > 1.0f && y < 1.1f) {
        // Steel rail with rounded edges and a bolt every half metre.
        const float edge = std::min(y - 1.0f, 1.1f - y);
        float h = 0.35f + 0.2f * smooth01(0.0f, 0.025f, edge);
        const float bolt = dome(vec2(toGrid(x - 0.25f, 0.5f), y - 1.05f), vec2(0.0f), 0.014f);
        h += 0.1f * bolt;
        vec3 c = brushed(uv * vec2(1.0f, 8.0f), vec3(0.55f, 0.56f, 0.58f), 3);
        return {h, c * (0.8f + 0.35f * bolt)};
    }
    const bool lower = y < 1.0f;
    const float panelLo = lower ? 0.12f : (y < 1.8f ? 1.1f : 1.8f);
    const float panelHi = lower ? 1.0f : (y < 1.8f ? 1.8f : 2.45f);
    if (y > 2.45f) {
        const float trough = smooth01(2.47f, 2.5f, y) * (1.0f - smooth01(2.55f, 2.58f, y));
        return {0.3f - 0.08f * trough, vec3(0.13f, 0.13f, 0.14f) * (1.0f + 0.25f * grime)};
    }
    const float edgeDist = std::min({seam, y - panelLo, panelHi - y});
    float h = 0.1f + 0.25f * smooth01(0.006f, 0.03f, edgeDist);
    if (lower) {
        // Raised field inside the lower panels.
        h += 0.06f * smooth01(0.07f, 0.1f, edgeDist);
    } else {
        // Rivets along the panel borders.
        const float along = toGrid(x - 0.125f, 0.25f);
        const float rivetX = dome(vec2(along, seam - 0.045f), vec2(0.0f), 0.009f);
        const float rivetY =
            dome(vec2(along, std::min(y - panelLo, panelHi - y) - 0.045f), vec2(0.0f), 0.009f);
        h += 0.09f * std::max(rivetX, rivetY);
    }
    const vec3 paint = lower ? vec3(0.20f, 0.29f, 0.31f) : vec3(0.52f, 0.52f, 0.49f);
    const float plate = hash01(static_cast<int>(std::floor(x)), static_cast<int>(panelLo * 10), 5);
    vec3 c = paintedMetal(uv * vec2(2.0f, 2.6f), paint * (0.93f + 0.12f * plate), 7);
    // Grime gathers low on the wall and in the seams.
    c *= 0.75f + 0.25f * smooth01(0.0f, 0.6f, y) + 0.05f * grime;
    c *= 0.55f + 0.45f * smooth01(0.004f, 0.02f, edgeDist);
    if (!lower && y < 1.8f) {
        // Rust streaks running down from the rivets.
        const float streak = std::max(0.0f, noise(vec2(x * 30.0f, y * 1.5f), 60, 21));
        c = glm::mix(c, vec3(0.35f, 0.2f, 0.12f), 0.35f * smooth01(0.4f, 0.8f, streak));
    }
    return {h, c};
}

Image wallColour() {
    Image img(512, 512);
    paint(img, [](vec2 uv) { return wallAt(uv).colour; });
    return img;
}

Image wallDisplacement() {
    Image img(512, 512);
    paint(img, [](vec2 uv) { return vec3(wallAt(uv).height); });
    return img;
}

// ---- floor and ceiling --------------------------------------------------------------------

Image floorConcrete() {
    Image img(512, 512);
    paint(img, [](vec2 uv) {
        const vec2 m = uv * 2.0f;  // metres in the 2 m tile
        const float joint = std::min(toGrid(m.x, 1.0f), toGrid(m.y, 1.0f));
        const float slab = hash01(static_cast<int>(m.x), static_cast<int>(m.y), 31);
        const float cloud = fbm(uv * 6.0f, 6, 5, 32);
        const float speck = hash01(static_cast<int>(uv.x * 512), static_cast<int>(uv.y * 512), 33);
        vec3 c = vec3(0.42f, 0.41f, 0.39f) * (0.9f + 0.15f * slab + 0.25f * cloud);
        c *= 0.92f + 0.16f * speck;
        const float stain = smooth01(0.15f, 0.45f, fbm(uv * 3.0f + 7.0f, 3, 4, 34));
        c = glm::mix(c, vec3(0.25f, 0.24f, 0.22f), 0.5f * stain);
        return c * (0.35f + 0.65f * smooth01(0.004f, 0.012f, joint));
    });
    return img;
}

Image ceilingPanels() {
    Image img(512, 512);
    paint(img, [](vec2 uv) {
        const vec2 m = uv * 1.2f;
        const float grid = std::min(toGrid(m.x, 0.6f), toGrid(m.y, 0.6f));
        if (grid < 0.0125f) {
            return vec3(0.62f, 0.62f, 0.6f) * (0.85f + 0.3f * smooth01(0.0f, 0.0125f, grid));
        }
        const vec2 hole(toGrid(m.x, 0.02f), toGrid(m.y, 0.02f));
        const float dot = glm::length(hole) < 0.0035f ? 0.7f : 1.0f;
        const float stain = fbm(uv * 3.0f, 3, 4, 41);
        return vec3(0.7f, 0.69f, 0.66f) * dot * (0.9f + 0.12f * stain);
    });
    return img;
}

// ---- door and frame -----------------------------------------------------------------------

// Seven-segment digit strokes for the door's number.
float digitMask(vec2 p, int digit) {
    static const int segments[10] = {0x3f, 0x06, 0x5b, 0x4f, 0x66, 0x6d, 0x7d, 0x07, 0x7f, 0x6f};
    const vec2 lo[7] = {{0.1f, 0.9f},  {0.8f, 0.5f},  {0.8f, 0.0f}, {0.1f, -0.1f},
                        {-0.1f, 0.0f}, {-0.1f, 0.5f}, {0.1f, 0.4f}};
    const vec2 size[7] = {{0.8f, 0.2f}, {0.2f, 0.5f}, {0.2f, 0.5f}, {0.8f, 0.2f},
                          {0.2f, 0.5f}, {0.2f, 0.5f}, {0.8f, 0.2f}};
    float m = 0.0f;
    for (int s = 0; s < 7; ++s) {
        if (segments[digit] & (1 << s)) {
            m = std::max(m, boxMask(p, lo[s], lo[s] + size[s], 0.03f));
        }
    }
    return m;
}

Image doorPanel() {
    Image img(512, 1024);
    paint(img, [](vec2 uv) {
        const vec2 m(uv.x * (layout::doorMaxZ - layout::doorMinZ), uv.y * layout::doorTop);
        vec3 c = paintedMetal(uv * vec2(1.0f, 2.0f), vec3(0.16f, 0.23f, 0.33f), 51);
        // Pressed horizontal ribs catch light on their upper edge.
        const float rib = std::fmod(m.y, 0.3f);
        c *= 1.0f + 0.18f * smooth01(0.24f, 0.27f, rib) - 0.2f * smooth01(0.27f, 0.3f, rib);
        if (m.y < 0.18f) {
            c = hazardStripes(m, 0.08f) * (0.85f + 0.15f * fbm(uv * 8.0f, 8, 3, 52));
        }
        // Vision panel of dark wired glass.
        const float glass = boxMask(m, {0.36f, 1.3f}, {0.76f, 1.72f}, 0.01f);
        const vec2 wire(toGrid(m.x + m.y, 0.05f), toGrid(m.x - m.y, 0.05f));
        const vec3 pane =
            std::min(wire.x, wire.y) < 0.002f ? vec3(0.25f) : vec3(0.03f, 0.05f, 0.07f);
        c = glm::mix(c, pane, glass);
        const float rim = boxMask(m, {0.33f, 1.27f}, {0.79f, 1.75f}, 0.01f) * (1.0f - glass);
        c = glm::mix(c, vec3(0.6f), rim);
        // Number "02" in white stencil paint.
        const float digits = std::max(digitMask((m - vec2(0.34f, 0.95f)) / 0.18f, 0),
                                      digitMask((m - vec2(0.6f, 0.95f)) / 0.18f, 2));
        c = glm::mix(c, vec3(0.85f, 0.85f, 0.8f), digits * 0.9f);
        // Handle recess.
        const float recess = boxMask(m, {0.06f, 0.95f}, {0.1f, 1.25f}, 0.006f);
        c = glm::mix(c, vec3(0.05f), recess);
        // Darker rim so the edge reads as a frame.
        const float border = std::min({m.x, 1.12f - m.x, m.y, layout::doorTop - m.y});
        return c * (0.6f + 0.4f * smooth01(0.0f, 0.03f, border));
    });
    return img;
}

Image doorFrame() {
    Image img(256, 256);
    paint(img, [](vec2 uv) {
        if (uv.y >= 0.5f) {
            return brushed(uv * vec2(1.0f, 2.0f), vec3(0.5f, 0.51f, 0.53f), 61);
        }
        return hazardStripes(uv * vec2(0.5f, 0.2f), 0.05f) *
               (0.9f + 0.1f * fbm(uv * 8.0f, 8, 3, 62));
    });
    return img;
}

// ---- stage ---------------------------------------------------------------------------------

vec3 diamondPlate(vec2 p) {
    // p in metres; raised lozenges on a steel sheet.
    const vec2 cell = glm::fract(p * vec2(25.0f, 12.5f)) - 0.5f;
    const vec2 r(cell.x + cell.y, cell.x - cell.y);
    const bool alt = static_cast<int>(std::floor(p.x * 25.0f) + std::floor(p.y * 12.5f)) % 2 == 0;
    const float lozenge = alt ? boxMask(r, {-0.3f, -0.08f}, {0.3f, 0.08f}, 0.05f)
                              : boxMask(r, {-0.08f, -0.3f}, {0.08f, 0.3f}, 0.05f);
    const vec3 base = brushed(p, vec3(0.42f, 0.43f, 0.45f), 71);
    return base * (0.85f + 0.35f * lozenge);
}

Image stageMetal() {
    Image img(512, 512);
    paint(img, [](vec2 uv) {
        if (inside(uv, atlas::deckPlate())) {
            return diamondPlate(local(uv, atlas::deckPlate()) * 0.5f);
        }
        if (inside(uv, atlas::stageSkirt())) {
            const vec2 p = local(uv, atlas::stageSkirt()) * 0.5f;
            const float rib = toGrid(p.x, 0.125f);
            vec3 c = paintedMetal(p, vec3(0.14f, 0.16f, 0.19f), 72);
            return c * (0.7f + 0.3f * smooth01(0.0f, 0.01f, rib));
        }
        if (inside(uv, atlas::stageHazard())) {
            const vec2 p = local(uv, atlas::stageHazard()) * vec2(1.0f, 0.1f);
            return hazardStripes(p, 0.06f) * (0.85f + 0.15f * fbm(uv * 16.0f, 16, 3, 73));
        }
        if (inside(uv, atlas::dockPad())) {
            // Polar layout: v runs from the pad's centre to its rim.
            // The pad is turned on a lathe: v runs up its rim, then in to its centre.
            const vec2 p = local(uv, atlas::dockPad());
            const float ring = smooth01(0.34f, 0.36f, p.y) * (1.0f - smooth01(0.42f, 0.44f, p.y));
            vec3 c = brushed(p, vec3(0.3f, 0.31f, 0.33f), 74);
            c = glm::mix(c, vec3(0.2f, 0.5f, 1.0f), ring);
            return c * (p.y < 0.1f ? 0.5f : 1.0f);
        }
        return paintedMetal(uv, vec3(0.1f, 0.1f, 0.11f), 75);
    });
    return img;
}

// ---- conveyor ----------------------------------------------------------------------------

Image conveyor() {
    Image img(512, 512);
    paint(img, [](vec2 uv) {
        if (inside(uv, atlas::conveyorPaint())) {
            const vec2 p = local(uv, atlas::conveyorPaint()) * 0.5f;
            return paintedMetal(p * 2.0f, vec3(0.78f, 0.45f, 0.07f), 81);
        }
        if (inside(uv, atlas::conveyorBed())) {
            const vec2 p = local(uv, atlas::conveyorBed());
            return brushed(p, vec3(0.36f, 0.37f, 0.38f), 82) *
                   (0.85f + 0.2f * fbm(p * 5.0f, 5, 3, 83));
        }
        if (inside(uv, atlas::housingPanel())) {
            const vec2 p = local(uv, atlas::housingPanel()) * 0.8f;
            vec3 c = paintedMetal(p, vec3(0.24f, 0.3f, 0.36f), 84);
            // Vent slots and bolts at the corners.
            const float slot = boxMask(vec2(toGrid(p.x - 0.2f, 0.4f), std::fmod(p.y, 0.05f)),
                                       {-1.0f, 0.015f}, {0.12f, 0.035f}, 0.004f);
            const float inVent = boxMask(p, {0.05f, 0.45f}, {0.75f, 0.7f}, 0.002f);
            c = glm::mix(c, vec3(0.03f), slot * inVent);
            const float bolt =
                discMask(vec2(toGrid(p.x, 0.8f), toGrid(p.y, 0.8f)), vec2(0.03f), 0.01f, 0.003f);
            return glm::mix(c, vec3(0.6f), bolt);
        }
        if (inside(uv, atlas::floorMarking())) {
            const vec2 p = local(uv, atlas::floorMarking()) * vec2(1.0f, 0.06f);
            return hazardStripes(p, 0.05f) * (0.75f + 0.25f * fbm(uv * 12.0f, 12, 3, 85));
        }
        if (inside(uv, atlas::beaconLens())) {
            const vec2 p = local(uv, atlas::beaconLens());
            return vec3(0.9f, 0.08f, 0.04f) * (0.8f + 0.2f * p.y);
        }
        if (inside(uv, atlas::stripCurtain())) {
            const vec2 p = local(uv, atlas::stripCurtain());
            const float strip = toGrid(p.x, 0.125f);
            return vec3(0.05f, 0.055f, 0.06f) * (0.6f + 0.4f * smooth01(0.0f, 0.01f, strip));
        }
        return vec3(0.06f) * (0.9f + 0.2f * fbm(uv * 20.0f, 20, 3, 86));
    });
    return img;
}

Image rollSteel() {
    Image img(256, 256);
    paint(img, [](vec2 uv) {
        if (uv.x >= 0.5f && uv.y < 0.5f) {
            return vec3(0.25f, 0.26f, 0.28f);  // end caps and axle
        }
        // Polished along the roll's length, with two dark weld lines so its turning shows.
        const float band = 0.9f + 0.1f * std::sin(uv.y * 60.0f);
        const float weld = smooth01(0.01f, 0.03f, toGrid(uv.x, 0.5f));
        return brushed(vec2(uv.y, uv.x), vec3(0.62f, 0.63f, 0.65f), 91) * band *
               (0.4f + 0.6f * weld);
    });
    return img;
}

Image graniteTexture() {
    Image img(256, 256);
    paint(img, [](vec2 uv) {
        const float grain = hash01(static_cast<int>(uv.x * 256), static_cast<int>(uv.y * 256), 101);
        const float crystals = fbm(uv * 16.0f, 16, 3, 102);
        const float veins = std::fabs(fbm(uv * 3.0f, 3, 5, 103));
        vec3 c = glm::mix(vec3(0.55f, 0.45f, 0.43f), vec3(0.72f, 0.66f, 0.62f),
                          smooth01(-0.2f, 0.3f, crystals));
        if (grain > 0.82f) {
            c = vec3(0.08f, 0.08f, 0.09f);
        } else if (grain < 0.08f) {
            c = vec3(0.9f, 0.88f, 0.85f);
        }
        return c * (0.8f + 0.25f * smooth01(0.0f, 0.15f, veins));
    });
    return img;
}

// ---- vessel ---------------------------------------------------------------------------------

struct VesselPoint {
    float height;
    vec3 colour;
};

VesselPoint vesselAt(vec2 uv) {
    if (uv.y >= 0.9f) {
        return {0.0f, vec3(0.12f, 0.12f, 0.13f)};  // legs
    }
    const float y = vesselHeightAt(uv.y / 0.9f);
    const float around = uv.x * 4.0f;  // one quarter of the tank per texture width
    const float relief = smooth01(vesselReliefBottom, vesselReliefBottom + 0.04f, y) *
                         (1.0f - smooth01(vesselReliefTop - 0.04f, vesselReliefTop, y));
    // Staves between vertical seams, two iron hoops with rivets.
    const float seam = toGrid(around, 0.5f) * 0.6f;  // metres around the tank
    float h = 0.25f + 0.2f * smooth01(0.005f, 0.025f, seam);
    vec3 c = brushed(vec2(y, around), vec3(0.66f, 0.42f, 0.26f), 111);
    const float patina = smooth01(0.1f, 0.5f, fbm(vec2(around, y * 2.0f), 8, 4, 112));
    c = glm::mix(c, vec3(0.3f, 0.5f, 0.42f), 0.45f * patina * smooth01(0.2f, 0.9f, 1.2f - y));
    for (float hoopY : {0.42f, 0.82f}) {
        const float d = std::fabs(y - hoopY);
        const float hoop = smooth01(0.045f, 0.03f, d);
        h = std::max(h, 0.45f + 0.25f * hoop * smooth01(0.0f, 1.0f, hoop));
        c = glm::mix(c, vec3(0.2f, 0.2f, 0.22f) * (0.9f + 0.2f * brushed(uv, vec3(1.0f), 113).x),
                     smooth01(0.045f, 0.04f, d));
        const float rivet = dome(vec2(toGrid(around, 0.125f) * 0.6f, d), vec2(0.0f), 0.012f);
        h += 0.2f * rivet;
        c = glm::mix(c, vec3(0.5f, 0.5f, 0.52f), rivet);
    }
    c *= 0.65f + 0.35f * smooth01(0.005f, 0.02f, seam);
    return {h * relief, c};
}

Image vesselColour() {
    Image img(512, 512);
    paint(img, [](vec2 uv) { return vesselAt(uv).colour; });
    return img;
}

Image vesselDisplacement() {
    Image img(512, 512);
    paint(img, [](vec2 uv) { return vec3(vesselAt(uv).height); });
    return img;
}

// ---- lamps ------------------------------------------------------------------------------------

Image wallLamp() {
    Image img(256, 256);
    paint(img, [](vec2 uv) {
        if (inside(uv, atlas::lampChrome())) {
            return brushed(uv * 4.0f, vec3(0.75f, 0.76f, 0.78f), 121);
        }
        if (inside(uv, atlas::lampPlate())) {
            const vec2 p = local(uv, atlas::lampPlate());
            const float screw = std::max(discMask(p, {0.2f, 0.15f}, 0.05f, 0.02f),
                                         discMask(p, {0.8f, 0.85f}, 0.05f, 0.02f));
            return glm::mix(paintedMetal(p, vec3(0.18f, 0.19f, 0.2f), 122), vec3(0.6f), screw);
        }
        return paintedMetal(uv * 2.0f, vec3(0.16f, 0.17f, 0.18f), 123);
    });
    return img;
}

Image cageLight() {
    Image img(256, 256);
    paint(img, [](vec2 uv) {
        if (inside(uv, atlas::cageShadeOutside())) {
            return paintedMetal(uv * 2.0f, vec3(0.08f, 0.2f, 0.15f), 131);
        }
        if (inside(uv, atlas::cageShadeInside())) {
            return vec3(0.9f, 0.88f, 0.82f);
        }
        if (inside(uv, atlas::cageBrass())) {
            return brushed(uv * 4.0f, vec3(0.7f, 0.55f, 0.25f), 132);
        }
        return vec3(0.25f, 0.25f, 0.26f);
    });
    return img;
}

// ---- Ilo ---------------------------------------------------------------------------------------

Image iloPaint() {
    Image img(256, 256);
    paint(img, [](vec2 uv) {
        const float dust = fbm(uv * 8.0f, 8, 3, 141);
        if (inside(uv, atlas::iloWhite())) {
            return vec3(0.86f, 0.86f, 0.83f) * (0.95f + 0.06f * dust);
        }
        if (inside(uv, atlas::iloOrange())) {
            return vec3(0.9f, 0.42f, 0.08f) * (0.95f + 0.06f * dust);
        }
        if (inside(uv, atlas::iloGlow())) {
            return vec3(0.25f, 0.65f, 1.0f);
        }
        return vec3(0.12f, 0.12f, 0.14f) * (0.9f + 0.1f * dust);
    });
    return img;
}

// Ilo's face screen: dark glass in a white rim, two round eyes and a small smile. The face
// plate is twice as wide as it is tall, so the painting works in units of half its height.
// With `wink` the eye on the image's left is shut to an arc.
Image iloFace(bool wink) {
    Image img(256, 256);
    paint(img, [wink](vec2 uv) {
        const vec2 p = (uv * 2.0f - 1.0f) * vec2(2.0f, 1.0f);
        const vec2 q = glm::abs(p) - vec2(1.55f, 0.55f);
        const float corner = glm::length(glm::max(q, vec2(0.0f))) - 0.3f;
        const float screen = smooth01(0.04f, -0.04f, corner);
        vec3 c = glm::mix(vec3(0.86f, 0.86f, 0.83f), vec3(0.02f, 0.04f, 0.07f), screen);
        const vec3 glow(0.35f, 0.85f, 1.0f);
        const vec2 leftEye(-0.7f, 0.12f), rightEye(0.7f, 0.12f);
        auto openEye = [&](vec2 centre) {
            return smooth01(1.06f, 0.94f, glm::length((p - centre) / vec2(0.3f, 0.4f)));
        };
        float eyes = openEye(rightEye);
        if (wink) {
            const vec2 d = p - (leftEye - vec2(0.0f, 0.15f));
            const float arc = std::fabs(glm::length(d) - 0.3f);
            eyes = std::max(eyes, smooth01(0.08f, 0.05f, arc) * smooth01(0.0f, 0.08f, d.y));
        } else {
            eyes = std::max(eyes, openEye(leftEye));
        }
        c = glm::mix(c, glow, eyes * screen);
        for (vec2 centre : {leftEye, rightEye}) {
            if (!(wink && centre == leftEye)) {
                const float glint = discMask(p, centre + vec2(0.1f, 0.14f), 0.08f, 0.03f);
                c = glm::mix(c, vec3(1.0f), glint * screen);
            }
        }
        const vec2 m = p - vec2(0.0f, -0.1f);
        const float smile = std::fabs(glm::length(m) - 0.3f);
        c = glm::mix(c, glow,
                     smooth01(0.06f, 0.035f, smile) * smooth01(-0.12f, -0.2f, m.y) * screen);
        // Faint scanlines on the glass.
        return c * (1.0f - 0.08f * screen * (std::fmod(uv.y * 128.0f, 2.0f) < 1.0f ? 1.0f : 0.0f));
    });
    return img;
}

Image particle() {
    Image img(64, 64, 4);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            const float d = glm::length(vec2(x + 0.5f, y + 0.5f) - vec2(32.0f)) / 32.0f;
            const float a = std::pow(std::max(0.0f, 1.0f - d), 2.0f);
            float* p = img.at(x, y);
            p[0] = 1.0f;
            p[1] = 0.95f;
            p[2] = 0.85f;
            p[3] = a;
        }
    }
    return img;
}

}  // namespace

namespace atlas {
Surface wall() {
    return wrapping({2.0f, 2.6f});
}
Surface floorSlabs() {
    return wrapping({2.0f, 2.0f});
}
Surface ceilingTiles() {
    return wrapping({1.2f, 1.2f});
}
Surface ceilingMetal() {
    return patch({0.002f, 0.3f}, 0.004f);
}
Surface doorFace() {
    return region({0, 0}, {1, 1}, {layout::doorMaxZ - layout::doorMinZ, layout::doorTop});
}
Surface doorEdge() {
    return patch({0.002f, 0.6f}, 0.002f);
}
Surface frameSteel() {
    return region({0, 0.5f}, {1, 0.5f}, {0.5f, 0.5f});
}
Surface frameHazard() {
    return region({0, 0}, {1, 0.5f}, {0.5f, 0.1f});
}
Surface deckPlate() {
    return region({0, 0.5f}, {0.5f, 0.5f}, {0.5f, 0.5f});
}
Surface stageSkirt() {
    return region({0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, 0.5f});
}
Surface stageHazard() {
    return region({0, 0.25f}, {1, 0.25f}, {1.0f, 0.1f});
}
Surface stageDark() {
    return region({0, 0}, {0.5f, 0.25f}, {0.5f, 0.25f});
}
Surface dockPad() {
    return region({0.5f, 0}, {0.5f, 0.25f}, {1.0f, 1.0f});
}
Surface conveyorPaint() {
    return region({0, 0.75f}, {0.5f, 0.25f}, {0.5f, 0.25f});
}
Surface conveyorBed() {
    return region({0, 0.5f}, {0.5f, 0.25f}, {0.5f, 0.25f});
}
Surface housingPanel() {
    return region({0.5f, 0.5f}, {0.5f, 0.5f}, {0.8f, 0.8f});
}
Surface floorMarking() {
    return region({0, 0.25f}, {1, 0.25f}, {1.0f, 0.06f});
}
Surface beaconLens() {
    return region({0, 0}, {0.25f, 0.25f}, {1.0f, 1.0f});
}
Surface stripCurtain() {
    return region({0.25f, 0}, {0.25f, 0.25f}, {0.6f, 0.2f});
}
Surface rubber() {
    return region({0.5f, 0}, {0.25f, 0.25f}, {0.3f, 0.3f});
}
Surface lampBody() {
    return region({0, 0}, {0.5f, 0.5f}, {0.2f, 0.2f});
}
Surface lampChrome() {
    return region({0.5f, 0}, {0.5f, 0.5f}, {0.2f, 0.2f});
}
Surface lampPlate() {
    return region({0, 0.5f}, {0.5f, 0.5f}, {0.2f, 0.25f});
}
Surface cageShadeOutside() {
    return region({0, 0.5f}, {0.5f, 0.5f}, {1, 1});
}
Surface cageShadeInside() {
    return region({0.5f, 0.5f}, {0.5f, 0.5f}, {1, 1});
}
Surface cageBrass() {
    return region({0, 0}, {0.5f, 0.5f}, {1, 1});
}
Surface cageWire() {
    return region({0.5f, 0}, {0.5f, 0.5f}, {1, 1});
}
Surface rollSteel() {
    return region({0, 0}, {1, 1}, {1, 1});
}
Surface rollCap() {
    return patch({0.75f, 0.25f}, 0.2f);
}
Surface granite() {
    return region({0, 0}, {1, 1}, {0.4f, 0.4f});
}
Surface vesselBody() {
    return region({0, 0}, {1, 0.9f}, {1, 1});
}
Surface vesselLegs() {
    return patch({0.5f, 0.95f}, 0.04f);
}
Surface iloWhite() {
    return region({0, 0.5f}, {0.5f, 0.5f}, {1, 1});
}
Surface iloOrange() {
    return region({0.5f, 0.5f}, {0.5f, 0.5f}, {1, 1});
}
Surface iloJoint() {
    return region({0, 0}, {0.5f, 0.5f}, {1, 1});
}
Surface iloGlow() {
    return region({0.5f, 0}, {0.5f, 0.5f}, {1, 1});
}
Surface iloFace() {
    return region({0, 0}, {1, 1}, {1, 1});
}
}  // namespace atlas

std::vector<NamedImage> sceneTextures() {
    // The models' pictures go by the names the program's model table gives them.
    using rtr::scene::ModelId;
    auto diffuse = [](ModelId id) { return rtr::scene::modelRow(id).diffuse; };
    auto relief = [](ModelId id) { return rtr::scene::modelRow(id).displacement; };
    return {
        {diffuse(ModelId::wallDoor), wallColour()}, {relief(ModelId::wallDoor), wallDisplacement()},
        {diffuse(ModelId::floor), floorConcrete()}, {diffuse(ModelId::ceiling), ceilingPanels()},
        {diffuse(ModelId::door), doorPanel()},      {diffuse(ModelId::doorFrame), doorFrame()},
        {diffuse(ModelId::stage), stageMetal()},    {diffuse(ModelId::conveyor), conveyor()},
        {diffuse(ModelId::roll), rollSteel()},      {diffuse(ModelId::granite), graniteTexture()},
        {diffuse(ModelId::vessel), vesselColour()}, {relief(ModelId::vessel), vesselDisplacement()},
        {diffuse(ModelId::wallLamp), wallLamp()},   {diffuse(ModelId::cageLamp), cageLight()},
        {diffuse(ModelId::iloBody), iloPaint()},    {diffuse(ModelId::iloFace), iloFace(false)},
        {rtr::scene::iloWinkFace, iloFace(true)},   {"particle.png", particle()}};
}

}  // namespace scenegen
