#version 400 core
// Flat-coloured light geometry (spheres at the light positions), kept for debugging.

layout(location = 0) in vec3 position;

uniform mat4 mvpMatrix;

void main() {
    gl_Position = mvpMatrix * vec4(position, 1.0);
}
