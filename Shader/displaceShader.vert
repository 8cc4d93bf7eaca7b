#version 400 core
// Displacement-mapped surfaces: the vertex stage only forwards model-space data; the
// tessellation stages pick the detail and displace.

layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;

uniform mat4 modelViewMatrix;
uniform mat4 inverseViewMatrix;

out vec3 csPosition;
out vec3 csNormal;
out vec2 csUv;
out vec3 csWorldPosition;

void main() {
    csPosition = position;
    csNormal = normal;
    csUv = uv;
    csWorldPosition = (inverseViewMatrix * modelViewMatrix * vec4(position, 1.0)).xyz;
}
