#version 400 core

// One update step of the particle population, run with rasterisation off and its output
// captured into the feedback buffer. Launchers (type 0) stay and fire a shell every
// launchInterval seconds; shells (type 1) fly under gravity and vanish at the end of their
// lifetime.

layout(points) in;
layout(points, max_vertices = 2) out;

in float Type0[];
in vec3 Position0[];
in vec3 Velocity0[];
in float Age0[];
in vec3 Color0[];
in float Lifetime0[];

out float Type1;
out vec3 Position1;
out vec3 Velocity1;
out float Age1;
out vec3 Color1;
out float Lifetime1;

uniform float deltaT;  // seconds since the last step

const float launcherType = 0.0;
const float shellType = 1.0;
const float launchInterval = 0.05;
const vec3 gravity = vec3(0.0, -0.98, 0.0);

// Cheap per-particle noise in [0, 1); good enough to scatter shells.
float noise(float seed) {
    return fract(sin(seed * 12.9898 + 78.233) * 43758.5453);
}

void emitParticle(float type, vec3 position, vec3 velocity, float age, vec3 color,
                  float lifetime) {
    Type1 = type;
    Position1 = position;
    Velocity1 = velocity;
    Age1 = age;
    Color1 = color;
    Lifetime1 = lifetime;
    EmitVertex();
    EndPrimitive();
}

void launchShell(float seed) {
    vec3 spread = vec3(noise(seed), noise(seed + 1.7), noise(seed + 3.1)) - 0.5;
    vec3 velocity = vec3(0.6 * spread.x, 1.2 + 0.5 * spread.y, 0.6 * spread.z);
    vec3 color = Color0[0] * (0.7 + 0.3 * noise(seed + 5.3));
    emitParticle(shellType, Position0[0], velocity, 0.0, color, 1.5 + noise(seed + 7.9));
}

void main() {
    float age = Age0[0] + deltaT;
    if (Type0[0] == launcherType) {
        if (age >= launchInterval) {
            launchShell(float(gl_PrimitiveIDIn) + Position0[0].x * 31.0 + age * 97.0 +
                        Velocity0[0].y);
            age = 0.0;
        }
        emitParticle(launcherType, Position0[0], Velocity0[0], age, Color0[0], Lifetime0[0]);
    } else if (age < Lifetime0[0]) {
        vec3 position = Position0[0] + Velocity0[0] * deltaT;
        vec3 velocity = Velocity0[0] + gravity * deltaT;
        emitParticle(shellType, position, velocity, age, Color0[0], Lifetime0[0]);
    }
}
