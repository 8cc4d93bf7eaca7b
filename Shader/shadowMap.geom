#version 400 core
// All six cube faces in one pass: each triangle is sent to the layers whose frustum it can
// touch, so most triangles are rasterised once or twice instead of six times.

layout(triangles) in;
layout(triangle_strip, max_vertices = 18) out;

uniform mat4 shadowMatrices[6];
// The faces the caster's bounding box reaches, in the first faceCount entries. The others could
// only receive triangles that lie wholly outside them; a loop bounded by a uniform is the one
// branch a software rasteriser really skips.
uniform int faceCount;
uniform int faces[6];

// True when all three vertices lie outside the same clip plane.
bool outsideFrustum(vec4 a, vec4 b, vec4 c) {
    for (int axis = 0; axis < 3; ++axis) {
        if (a[axis] > a.w && b[axis] > b.w && c[axis] > c.w) return true;
        if (a[axis] < -a.w && b[axis] < -b.w && c[axis] < -c.w) return true;
    }
    return false;
}

void main() {
    for (int k = 0; k < faceCount; ++k) {
        int face = faces[k];
        vec4 clip[3];
        for (int i = 0; i < 3; ++i) {
            clip[i] = shadowMatrices[face] * gl_in[i].gl_Position;
        }
        if (outsideFrustum(clip[0], clip[1], clip[2])) {
            continue;
        }
        for (int i = 0; i < 3; ++i) {
            gl_Layer = face;
            gl_Position = clip[i];
            EmitVertex();
        }
        EndPrimitive();
    }
}
