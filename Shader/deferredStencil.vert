#version 400 core
// Light volume for the stencil marking draw: depth only, no colour output.

layout(location = 0) in vec3 position;

uniform mat4 mvpMatrix;

void main() {
    gl_Position = mvpMatrix * vec4(position, 1.0);
}
