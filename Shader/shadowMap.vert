#version 400 core

layout(location = 0) in vec3 position;

uniform mat4 mMatrix;

void main() {
    gl_Position = mMatrix * vec4(position, 1.0);  // world space; the faces project it
}
