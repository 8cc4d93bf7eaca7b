#version 400 core

// Turns each particle into a square billboard of side gBillboardSize facing the camera.

layout(points) in;
layout(triangle_strip, max_vertices = 4) out;

uniform mat4 gVP;
uniform vec3 gCameraPos;
uniform float gBillboardSize;

in vec3 Color0[];
in float Fade0[];

out vec2 TexCoord;
out vec3 Color;
out float Fade;

void emitCorner(vec3 corner, vec2 texCoord) {
    gl_Position = gVP * vec4(corner, 1.0);
    TexCoord = texCoord;
    Color = Color0[0];
    Fade = Fade0[0];
    EmitVertex();
}

void main() {
    vec3 center = gl_in[0].gl_Position.xyz;
    vec3 toCamera = gCameraPos - center;
    toCamera = length(toCamera) > 1e-6 ? normalize(toCamera) : vec3(0.0, 0.0, 1.0);
    vec3 right = cross(vec3(0.0, 1.0, 0.0), toCamera);
    // Seen straight from above or below, any horizontal axis will do.
    right = length(right) > 1e-6 ? normalize(right) : vec3(1.0, 0.0, 0.0);
    vec3 up = cross(toCamera, right);
    float halfSize = 0.5 * gBillboardSize;

    // Counter-clockwise as seen from the camera, so back-face culling keeps it.
    emitCorner(center - right * halfSize - up * halfSize, vec2(0.0, 0.0));
    emitCorner(center + right * halfSize - up * halfSize, vec2(1.0, 0.0));
    emitCorner(center - right * halfSize + up * halfSize, vec2(0.0, 1.0));
    emitCorner(center + right * halfSize + up * halfSize, vec2(1.0, 1.0));
    EndPrimitive();
}
