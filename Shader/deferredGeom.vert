#version 400 core
// Textured models into the G-buffer. Everything is written in view space so the SSAO and light
// passes never need the model matrices.

layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;

uniform mat4 projectionMatrix;
uniform mat4 modelViewMatrix;

out vec3 viewPosition;
out vec3 viewNormal;
out vec2 texCoord;

void main() {
    vec4 p = modelViewMatrix * vec4(position, 1.0);
    viewPosition = p.xyz;
    // The cofactor matrix (the inverse transpose up to scale) keeps normals perpendicular under
    // Ilo's non-uniformly scaled arms, without a matrix inverse per vertex.
    mat3 m = mat3(modelViewMatrix);
    mat3 cofactor = mat3(cross(m[1], m[2]), cross(m[2], m[0]), cross(m[0], m[1]));
    viewNormal = cofactor * normal;
    texCoord = uv;
    gl_Position = projectionMatrix * p;
}
