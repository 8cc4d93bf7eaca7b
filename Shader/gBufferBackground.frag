#version 400 core
// What a cleared G-buffer holds: no position (z = 0 marks the background), no normal, no colour.

layout(location = 0) out vec4 gPositionDepth;
layout(location = 1) out vec3 gNormal;
layout(location = 2) out vec3 gAlbedo;

void main() {
    gPositionDepth = vec4(0.0);
    gNormal = vec3(0.0);
    gAlbedo = vec3(0.0);
}
