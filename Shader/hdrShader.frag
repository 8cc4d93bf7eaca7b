#version 400 core
// Tone mapping of the accumulated light to the window.

in vec2 texCoord;

uniform sampler2D colorTexture;
uniform int useHDR;     // -1: plain exposure and clamp, to show what the tone curve buys
uniform float exposure;
uniform float gamma;

out vec4 fragColor;

void main() {
    vec3 hdr = texture(colorTexture, texCoord).rgb * exposure;
    // The exponential curve never clips, so the 600x exposure of the opening stays readable
    // while the lamps ramp up.
    vec3 mapped = (useHDR == 1) ? vec3(1.0) - exp(-hdr) : clamp(hdr, 0.0, 1.0);
    fragColor = vec4(pow(mapped, vec3(1.0 / gamma)), 1.0);
}
