#version 400 core

in vec3 fsViewPosition;
in vec3 fsBaseViewPosition;
in vec3 fsViewNormal;
in vec2 fsUv;

// The colour in rgb and the displacement height in a: the colour and the height under the
// pixel come from one filtered lookup.
uniform sampler2D colorHeightTexture;
uniform float gDispFactor;
uniform int debug;  // 1: show the displacement height as a heat ramp
uniform float near;
uniform float far;

layout(location = 0) out vec4 gPositionDepth;
layout(location = 1) out vec3 gNormal;
layout(location = 2) out vec3 gAlbedo;

float heightAt(vec2 uv) {
    return texture(colorHeightTexture, uv).a * gDispFactor;
}

// Tilts the smooth surface normal by the gradient of the same height field the tessellator
// displaced with (surface-gradient bump mapping), so shading follows the relief at every
// tessellation level without stored tangents. `h` is the height at the pixel itself.
vec3 reliefNormal(vec3 n, float h) {
    vec3 dpdx = dFdx(fsBaseViewPosition);
    vec3 dpdy = dFdy(fsBaseViewPosition);
    vec3 r1 = cross(dpdy, n);
    vec3 r2 = cross(n, dpdx);
    float det = dot(dpdx, r1);
    float dhdx = heightAt(fsUv + dFdx(fsUv)) - h;
    float dhdy = heightAt(fsUv + dFdy(fsUv)) - h;
    vec3 gradient = sign(det) * (dhdx * r1 + dhdy * r2);
    vec3 bumped = abs(det) * n - gradient;
    return dot(bumped, bumped) > 0.0 ? normalize(bumped) : n;
}

vec3 heatRamp(float x) {
    return clamp(vec3(1.5 - abs(4.0 * x - 3.0), 1.5 - abs(4.0 * x - 2.0),
                      1.5 - abs(4.0 * x - 1.0)), 0.0, 1.0);
}

void main() {
    // One lookup serves the colour, the relief and the debug ramp. A software rasteriser runs
    // both sides of every branch, so a lookup per use would cost a full filtered sample on every
    // pixel.
    vec4 colorHeight = texture(colorHeightTexture, fsUv);
    float height = colorHeight.a;
    vec3 n = normalize(fsViewNormal);
    if (gDispFactor > 0.0) {
        n = reliefNormal(n, height * gDispFactor);
    }
    float linearDepth = (-fsViewPosition.z - near) / (far - near);
    gPositionDepth = vec4(fsViewPosition, linearDepth);
    gNormal = n;
    gAlbedo = (debug == 1) ? heatRamp(height) : colorHeight.rgb;
}
