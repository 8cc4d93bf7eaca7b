#version 400 core

// Tints the particle texture with the particle's colour and fades it with its age.

uniform sampler2D gColorMap;

in vec2 TexCoord;
in vec3 Color;
in float Fade;

out vec4 fragColor;

void main() {
    vec4 texel = texture(gColorMap, TexCoord);
    fragColor = vec4(texel.rgb * Color, texel.a * Fade);
    if (fragColor.a < 0.01) {
        discard;
    }
}
