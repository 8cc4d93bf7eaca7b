#version 400 core
// The finished frame drawn over the viewport the window gives it.

layout(location = 0) in vec3 position;
layout(location = 1) in vec2 uv;

out vec2 texCoord;

void main() {
    texCoord = uv;
    gl_Position = vec4(position.xy, 0.0, 1.0);
}
