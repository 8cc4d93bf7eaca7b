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
    // The inverse transpose keeps normals perpendicular under Ilo's non-uniformly scaled arms.
    viewNormal = mat3(transpose(inverse(modelViewMatrix))) * normal;
    texCoord = uv;
    gl_Position = projectionMatrix * p;
}
