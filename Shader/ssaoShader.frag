#version 400 core
// Hemisphere ambient occlusion in view space.

in vec2 texCoord;

uniform sampler2D gPositionDepth;
uniform sampler2D gNormal;
uniform sampler2D noise;
uniform vec3 kernelSamples[64];
uniform mat4 projectionMatrix;
uniform vec2 screensize;
uniform float radius;
uniform float kernelSize;
uniform float occlusionPower;

out float fragColor;

// Samples taken per pixel: the program defines SAMPLE_COUNT as kernelSize, and builds this
// shader again when kernelSize changes.
#ifndef SAMPLE_COUNT
#define SAMPLE_COUNT 8
#endif
const int sampleCount = SAMPLE_COUNT;
// Keeps flat surfaces from occluding themselves through depth-buffer quantisation.
const float depthBias = 0.025;

void main() {
    vec3 position = textureLod(gPositionDepth, texCoord, 0.0).xyz;
    vec3 normal = textureLod(gNormal, texCoord, 0.0).xyz;
    if (position.z >= 0.0 || dot(normal, normal) < 0.5) {
        fragColor = 1.0;  // background or lamp marker
        return;
    }
    normal = normalize(normal);
    vec3 randomVector = textureLod(noise, texCoord * screensize / 4.0, 0.0).xyz;
    vec3 tangent = normalize(randomVector - normal * dot(randomVector, normal));
    vec3 bitangent = cross(normal, tangent);

    // The kernel grows along its length; a short run takes evenly spaced samples so it still
    // reaches from the surface out to the full radius. The count is a constant rather than read
    // from kernelSize: a constant bound lets the compiler unroll the loop, which halves the cost
    // of this pass on a software rasteriser.
    const int count = sampleCount;
    const int stride = 64 / count;

    // A perspective projection is linear up to the divide by w, and its x and y rows hold only
    // the diagonal. So the pixel and its tangent frame are projected once (x and y scaled, z
    // kept as view depth), and each sample's clip position is three multiply-adds a row from
    // them, with one division for the screen position.
    vec3 toClip = vec3(projectionMatrix[0][0], projectionMatrix[1][1], 1.0);
    vec3 clipOrigin = toClip * position;
    mat3 clipBasis = mat3(toClip * tangent, toClip * bitangent, toClip * normal) * radius;
    float occlusion = 0.0;
    for (int i = 0; i < count; ++i) {
        vec3 sampleClip = clipOrigin + clipBasis * kernelSamples[i * stride];
        float sampleDepth = sampleClip.z;  // view-space z of the sample point
        vec2 sampleUv = sampleClip.xy * (-0.5 / sampleDepth) + 0.5;
        float sceneDepth = textureLod(gPositionDepth, sampleUv, 0.0).z;
        // Geometry far in front of the sample (a silhouette against a distant wall) must not
        // darken it: fade the contribution out beyond the sampling radius.
        float rangeCheck = smoothstep(0.0, 1.0, radius / abs(position.z - sceneDepth));
        occlusion += (sceneDepth >= sampleDepth + depthBias ? 1.0 : 0.0) * rangeCheck;
    }
    float ambient = 1.0 - occlusion / max(kernelSize, 1.0);
#ifdef ANY_OCCLUSION_POWER
    fragColor = pow(ambient, occlusionPower);
#else
    // The show's power of 1.5 as x * sqrt(x): a general pow() is a logarithm and an
    // exponential, each a long polynomial in a software rasteriser.
    fragColor = ambient * sqrt(ambient);
#endif
}
