#version 400 core
// The screen quad pushed onto the far plane: its fragments pass the depth test only where no
// surface was drawn, the depth there still being the cleared 1.0.

layout(location = 0) in vec3 position;

void main() {
    gl_Position = vec4(position.xy, 1.0, 1.0);
}
