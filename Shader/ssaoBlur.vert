#version 400 core
// The screen quad, already in clip space.

layout(location = 0) in vec3 position;

void main() {
    gl_Position = vec4(position, 1.0);
}
