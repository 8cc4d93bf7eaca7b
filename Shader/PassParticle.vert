#version 400 core

// Hands one particle record to the update stage unchanged.

layout(location = 0) in float Type;
layout(location = 1) in vec3 Position;
layout(location = 2) in vec3 Velocity;
layout(location = 3) in float Age;
layout(location = 4) in vec3 Color;
layout(location = 5) in float Lifetime;

out float Type0;
out vec3 Position0;
out vec3 Velocity0;
out float Age0;
out vec3 Color0;
out float Lifetime0;

void main() {
    Type0 = Type;
    Position0 = Position;
    Velocity0 = Velocity;
    Age0 = Age;
    Color0 = Color;
    Lifetime0 = Lifetime;
}
