#version 400 core
// One point light over the pixels its volume covers, added into the HDR target.
// Built twice: as is for the shadow-casting light, and with WITHOUT_SHADOW_MAP defined for the
// others, whose variant then carries none of the shadow code.

uniform sampler2D gPosition;
uniform sampler2D gNormal;
uniform sampler2D gAlbedo;
// The SSAO target already blurred by the ssaoBlur pass: one texel per pixel instead of the
// sixteen the blur reads, for every light that covers the pixel.
uniform sampler2D gBlurredSSAO;
#ifndef WITHOUT_SHADOW_MAP
uniform samplerCubeShadow gShadowMap;
#endif
uniform vec2 screensize;
uniform mat4 inverseView;

uniform vec3 lightPosition;  // view space
uniform vec3 lightColor;
uniform float lightIntensity;
uniform vec3 attenuationFactors;  // constant, linear, quadratic
uniform int useSSAO;
uniform int useShadowMap;

out vec4 fragColor;

const float ambientShare = 0.12;   // stand-in for light bounced off the room
const float specularStrength = 0.35;

// The specular exponent, 48, by squaring: six multiplications. A general pow() is a logarithm
// and an exponential, each a long polynomial in a software rasteriser, for every pixel of every
// light.
float specularPower(float x) {
    float x2 = x * x;
    float x4 = x2 * x2;
    float x8 = x4 * x4;
    float x16 = x8 * x8;
    return x16 * x16 * x16;
}

// The clip planes of the shadow cube's projection; start-up defines them (shadowClipDefines()).
const float shadowNear = SHADOW_NEAR;
const float shadowFar = SHADOW_FAR;

#ifndef WITHOUT_SHADOW_MAP
// Window depth the shadow pass stored for a point at `distanceAlongAxis` on a cube face.
float cubeFaceDepth(float distanceAlongAxis) {
    float ndc = (shadowFar + shadowNear) / (shadowFar - shadowNear) -
                (2.0 * shadowFar * shadowNear) / ((shadowFar - shadowNear) * distanceAlongAxis);
    return 0.5 * ndc + 0.5;
}

// Fraction of light 0 that reaches the point: several hardware-compared taps spread across the
// face, each bilinearly filtered, so the edge is soft and free of stair-steps.
// Everything up to the lookup direction stays in view space, where main() already has the
// vector to the light, its length and the cosine; only the direction is turned onto the cube's
// world axes. Light 0 covers every pixel, and the arithmetic before the taps costs it more
// than the taps themselves.
float shadowVisibility(vec3 normal, vec3 toLight, float distanceToLight, float cosine) {
    // Move the lookup point off the surface by about one shadow texel along the normal (more at
    // grazing angles): enough to stop acne, far too little to detach shadows from their casters.
    float texelWorld = 2.0 * distanceToLight / float(textureSize(gShadowMap, 0).x);
    vec3 offsetFromLight = normal * (texelWorld * (1.0 + 1.5 * (1.0 - cosine))) - toLight;
    vec3 direction = mat3(inverseView) * offsetFromLight;
    vec3 absDirection = abs(direction);
    float axisDistance = max(absDirection.x, max(absDirection.y, absDirection.z));
    float reference = cubeFaceDepth(axisDistance);

    // The taps spread in the plane of the face the direction points at: major axis x spreads
    // along z and -y, y along -z and -x, z along -x and -y.
    bool alongX = axisDistance == absDirection.x;
    bool alongY = !alongX && axisDistance == absDirection.y;
    vec3 tangent = alongX ? vec3(0.0, 0.0, 1.0) : alongY ? vec3(0.0, 0.0, -1.0)
                                                          : vec3(-1.0, 0.0, 0.0);
    vec3 bitangent = alongY ? vec3(-1.0, 0.0, 0.0) : vec3(0.0, -1.0, 0.0);
    float spread = 1.5 * texelWorld * axisDistance / max(distanceToLight, 1e-4);

    // A rotated grid: four taps, each a bilinear 2 x 2 comparison, sixteen depth tests in all.
    const vec2 taps[4] = vec2[](vec2(-0.94, -0.34), vec2(0.94, 0.34), vec2(-0.34, 0.94),
                                vec2(0.34, -0.94));
    float lit = 0.0;
    for (int i = 0; i < 4; ++i) {
        vec3 tapDirection = direction + spread * (taps[i].x * tangent + taps[i].y * bitangent);
        lit += texture(gShadowMap, vec4(tapDirection, reference));
    }
    return lit / 4.0;
}
#endif

void main() {
    if (lightIntensity <= 0.0) {
        fragColor = vec4(0.0);  // switched off: adds nothing, costs no lookups
        return;
    }
    // Divisions are the dearest arithmetic in a software rasteriser: one reciprocal per draw
    // instead of two per pixel (the targets are sampled at texel centres, so rounding cannot
    // change the texel).
    vec2 uv = gl_FragCoord.xy * (1.0 / screensize);
    // Explicit level 0: the targets have no mipmaps, and skipping the derivative work matters
    // in a pass that covers the whole screen once per light. A texel-centred nearest lookup
    // reads the same texel as texelFetch() and measured faster here.
    vec3 position = textureLod(gPosition, uv, 0.0).xyz;
    vec3 normal = textureLod(gNormal, uv, 0.0).xyz;
    vec3 albedo = textureLod(gAlbedo, uv, 0.0).rgb;

    vec3 toLight = lightPosition - position;
    float d = length(toLight);
    float attenuation = 1.0 / (attenuationFactors.x + attenuationFactors.y * d +
                               attenuationFactors.z * d * d);
    vec3 radiance = lightColor * lightIntensity * attenuation;

    if (dot(normal, normal) < 0.5) {
        // Lamp marker: glows with the light it sits in, nothing else shades it.
        fragColor = vec4(d < 0.1 ? albedo * lightIntensity * 0.05 : vec3(0.0), 1.0);
        return;
    }

    vec3 l = toLight * (1.0 / max(d, 1e-4));
    vec3 v = normalize(-position);
    vec3 h = normalize(l + v);
    float diffuse = max(dot(normal, l), 0.0);
    float specular = diffuse > 0.0 ? specularPower(max(dot(normal, h), 0.0)) : 0.0;

    float occlusion =
        (useSSAO == 1) ? textureLod(gBlurredSSAO, uv, 0.0).r : 1.0;
    float visibility = 1.0;
#ifndef WITHOUT_SHADOW_MAP
    if (useShadowMap == 1 && diffuse > 0.0) {
        visibility = shadowVisibility(normal, toLight, d, min(diffuse, 1.0));
    }
#endif

    vec3 direct = (albedo * diffuse + vec3(specularStrength * specular)) * visibility;
    vec3 ambient = albedo * ambientShare;
    // Occlusion darkens the bounce light fully and the direct light a little, which keeps
    // contact shadows visible under a single strong lamp.
    vec3 color = radiance * (ambient * occlusion + direct * mix(1.0, occlusion, 0.35));
    fragColor = vec4(color, 1.0);
}
