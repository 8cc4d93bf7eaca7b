#version 400 core
// Depth only: the rasteriser's depth (with the pass's polygon offset) is what gets stored.

void main() {
}
