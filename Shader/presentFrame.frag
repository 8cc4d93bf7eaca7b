#version 400 core
// The finished frame, filtered linearly where the window is larger or smaller than it.

in vec2 texCoord;

uniform sampler2D frame;

out vec4 fragColor;

void main() {
    fragColor = texture(frame, texCoord);
}
