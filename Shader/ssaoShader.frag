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

// Samples taken per pixel; start-up sets kernelSize to the same value.
const int sampleCount = 8;
// Keeps flat surfaces from occluding themselves through depth-buffer quantisation.
const float depthBias = 0.025;

// The full product projectionMatrix * (p, 1) reduced to the terms a perspective projection
// has: its x and y rows hold only the diagonal, its w row only -1 for z. The zeros it skips add
// nothing, so the screen position is the same to the last bit, at a quarter of the work.
vec2 projectToScreen(vec3 p) {
    vec2 clipXY = vec2(projectionMatrix[0][0] * p.x, projectionMatrix[1][1] * p.y);
    float clipW = -p.z;
    return clipXY / clipW * 0.5 + 0.5;
}

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
    mat3 tbn = mat3(tangent, bitangent, normal);

    // The kernel grows along its length; a short run takes evenly spaced samples so it still
    // reaches from the surface out to the full radius. The count is fixed here rather than read
    // from kernelSize (which start-up sets to the same value once): a constant bound lets the
    // compiler unroll the loop, which halves the cost of this pass on a software rasteriser.
    const int count = sampleCount;
    const int stride = 64 / count;
    float occlusion = 0.0;
    for (int i = 0; i < count; ++i) {
        vec3 samplePosition = position + tbn * kernelSamples[i * stride] * radius;
        vec2 sampleUv = projectToScreen(samplePosition);
        float sceneDepth = textureLod(gPositionDepth, sampleUv, 0.0).z;
        // Geometry far in front of the sample (a silhouette against a distant wall) must not
        // darken it: fade the contribution out beyond the sampling radius.
        float rangeCheck = smoothstep(0.0, 1.0, radius / abs(position.z - sceneDepth));
        occlusion += (sceneDepth >= samplePosition.z + depthBias ? 1.0 : 0.0) * rangeCheck;
    }
    float ambient = 1.0 - occlusion / max(kernelSize, 1.0);
    fragColor = pow(ambient, occlusionPower);
}
