#version 400 core

in vec3 viewPosition;
in vec3 viewNormal;
in vec2 texCoord;

uniform sampler2D colorTexture;
uniform vec3 overrideColor;  // (-1, -1, -1): use the texture; else the lamp marker's colour
uniform int debug;           // 1: show normals as colour
uniform float near;
uniform float far;

layout(location = 0) out vec4 gPositionDepth;
layout(location = 1) out vec3 gNormal;
layout(location = 2) out vec3 gAlbedo;

void main() {
    bool marker = overrideColor.r >= 0.0;
    vec3 n = normalize(viewNormal);
    // Linear depth in [0, 1] between the clip planes; xyz keep metres for SSAO and lighting.
    float linearDepth = (-viewPosition.z - near) / (far - near);
    gPositionDepth = vec4(viewPosition, linearDepth);
    // A zero normal marks a self-lit surface: the light pass paints lamp markers with their
    // own light instead of shading them from inside.
    gNormal = marker ? vec3(0.0) : n;
    if (marker) {
        gAlbedo = overrideColor;
    } else if (debug == 1) {
        gAlbedo = n * 0.5 + 0.5;
    } else {
        gAlbedo = texture(colorTexture, texCoord).rgb;
    }
}
