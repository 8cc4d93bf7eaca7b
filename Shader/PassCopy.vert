#version 400 core

// Passes a particle's position and looks to the billboard stage; launchers shine at full
// strength, shells fade out over their lifetime.

layout(location = 0) in float Type;
layout(location = 1) in vec3 Position;
layout(location = 3) in float Age;
layout(location = 4) in vec3 Color;
layout(location = 5) in float Lifetime;

out vec3 Color0;
out float Fade0;

void main() {
    gl_Position = vec4(Position, 1.0);
    Color0 = Color;
    Fade0 = Type == 0.0 ? 1.0 : clamp(1.0 - Age / max(Lifetime, 1e-6), 0.0, 1.0);
}
