#version 400 core
// One point light over the pixels its volume covers, added into the HDR target.

uniform sampler2D gPosition;
uniform sampler2D gNormal;
uniform sampler2D gAlbedo;
uniform sampler2D gSSAO;
uniform samplerCubeShadow gShadowMap;
uniform vec2 screensize;
uniform mat4 inverseView;

uniform vec3 lightPosition;  // view space
uniform vec3 lightColor;
uniform float lightIntensity;
uniform vec3 attenuationFactors;  // constant, linear, quadratic
uniform int useSSAO;
uniform int useShadowMap;

out vec4 fragColor;

// Must match the shadow cube's projection (90 degrees, clip planes 0.01 and 20).
const float shadowNear = 0.01;
const float shadowFar = 20.0;
const float shadowMapSize = 512.0;
const float ambientShare = 0.12;   // stand-in for light bounced off the room
const float specularStrength = 0.35;
const float shininess = 48.0;

// Averages the 4 x 4 block that one tile of the SSAO rotation noise spans, which cancels the
// noise pattern exactly.
float blurredOcclusion(ivec2 pixel) {
    ivec2 size = textureSize(gSSAO, 0) - 1;
    ivec2 base = pixel - ivec2(2);
    float sum = 0.0;
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            sum += texelFetch(gSSAO, clamp(base + ivec2(x, y), ivec2(0), size), 0).r;
        }
    }
    return sum / 16.0;
}

// Window depth the shadow pass stored for a point at `distanceAlongAxis` on a cube face.
float cubeFaceDepth(float distanceAlongAxis) {
    float ndc = (shadowFar + shadowNear) / (shadowFar - shadowNear) -
                (2.0 * shadowFar * shadowNear) / ((shadowFar - shadowNear) * distanceAlongAxis);
    return 0.5 * ndc + 0.5;
}

// Fraction of light 0 that reaches the point: several hardware-compared taps spread across the
// face, each bilinearly filtered, so the edge is soft and free of stair-steps.
float shadowVisibility(vec3 worldPosition, vec3 worldNormal, vec3 lightWorld) {
    vec3 fromLight = worldPosition - lightWorld;
    float distanceToLight = length(fromLight);
    vec3 toLight = -fromLight / max(distanceToLight, 1e-4);
    float cosine = clamp(dot(worldNormal, toLight), 0.0, 1.0);
    // Move the lookup point off the surface by about one shadow texel along the normal (more at
    // grazing angles): enough to stop acne, far too little to detach shadows from their casters.
    float texelWorld = 2.0 * distanceToLight / shadowMapSize;
    vec3 offsetPosition = worldPosition + worldNormal * texelWorld * (1.0 + 1.5 * (1.0 - cosine));
    vec3 direction = offsetPosition - lightWorld;
    vec3 absDirection = abs(direction);
    float axisDistance = max(absDirection.x, max(absDirection.y, absDirection.z));
    float reference = cubeFaceDepth(axisDistance);

    vec3 majorAxis = (axisDistance == absDirection.x) ? vec3(1, 0, 0)
                   : (axisDistance == absDirection.y) ? vec3(0, 1, 0) : vec3(0, 0, 1);
    vec3 tangent = normalize(cross(majorAxis, abs(majorAxis.y) > 0.5 ? vec3(1, 0, 0)
                                                                      : vec3(0, 1, 0)));
    vec3 bitangent = cross(majorAxis, tangent);
    float spread = 1.5 * texelWorld * axisDistance / max(distanceToLight, 1e-4);

    const vec2 taps[8] = vec2[](vec2(-0.94, -0.34), vec2(0.94, 0.34), vec2(-0.34, 0.94),
                                vec2(0.34, -0.94), vec2(-0.5, 0.0), vec2(0.5, 0.0),
                                vec2(0.0, -0.5), vec2(0.0, 0.5));
    float lit = 0.0;
    for (int i = 0; i < 8; ++i) {
        vec3 tapDirection = direction + spread * (taps[i].x * tangent + taps[i].y * bitangent);
        lit += texture(gShadowMap, vec4(tapDirection, reference));
    }
    return lit / 8.0;
}

void main() {
    vec2 uv = gl_FragCoord.xy / screensize;
    vec4 positionDepth = texture(gPosition, uv);
    vec3 position = positionDepth.xyz;
    vec3 normal = texture(gNormal, uv).xyz;
    vec3 albedo = texture(gAlbedo, uv).rgb;

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

    vec3 l = toLight / max(d, 1e-4);
    vec3 v = normalize(-position);
    vec3 h = normalize(l + v);
    float diffuse = max(dot(normal, l), 0.0);
    float specular = diffuse > 0.0 ? pow(max(dot(normal, h), 0.0), shininess) : 0.0;

    float occlusion = (useSSAO == 1) ? blurredOcclusion(ivec2(gl_FragCoord.xy)) : 1.0;
    float visibility = 1.0;
    if (useShadowMap == 1 && diffuse > 0.0) {
        vec3 worldPosition = (inverseView * vec4(position, 1.0)).xyz;
        vec3 worldNormal = normalize(mat3(inverseView) * normal);
        vec3 lightWorld = (inverseView * vec4(lightPosition, 1.0)).xyz;
        visibility = shadowVisibility(worldPosition, worldNormal, lightWorld);
    }

    vec3 direct = (albedo * diffuse + vec3(specularStrength * specular)) * visibility;
    vec3 ambient = albedo * ambientShare;
    // Occlusion darkens the bounce light fully and the direct light a little, which keeps
    // contact shadows visible under a single strong lamp.
    vec3 color = radiance * (ambient * occlusion + direct * mix(1.0, occlusion, 0.35));
    fragColor = vec4(color, 1.0);
}
