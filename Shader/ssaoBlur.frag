#version 400 core
// Blurs the SSAO target once per frame, so the light pass reads one texel per pixel and light
// instead of gathering sixteen.

uniform sampler2D gSSAO;

out float fragColor;

// Averages the 4 x 4 block that one tile of the SSAO rotation noise spans, which cancels the
// noise pattern exactly; four gathers fetch the sixteen texels.
float blurredOcclusion(vec2 fragCoord) {
    vec2 texel = 1.0 / vec2(textureSize(gSSAO, 0));
    vec2 centre = floor(fragCoord) * texel;
    vec4 sum = textureGather(gSSAO, centre + vec2(-1.0, -1.0) * texel) +
               textureGather(gSSAO, centre + vec2(1.0, -1.0) * texel) +
               textureGather(gSSAO, centre + vec2(-1.0, 1.0) * texel) +
               textureGather(gSSAO, centre + vec2(1.0, 1.0) * texel);
    return dot(sum, vec4(1.0 / 16.0));
}

void main() {
    fragColor = blurredOcclusion(gl_FragCoord.xy);
}
