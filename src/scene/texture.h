#pragma once

#include <GL/glew.h>

namespace rtr::scene {

// A 2D texture decoded through DevIL. The record is owned by whoever holds it (a model's
// texture list or a program-wide face texture); its owner deletes `id` before the record.
struct Texture {
    // Only read during load(), so the text need only live that long.
    const char* path = nullptr;
    GLuint id = 0;
    GLenum target = GL_TEXTURE_2D;

    // Uploads level 0 as 8-bit RGB with a full mipmap chain and leaves it bound to unit 0.
    // A file DevIL cannot decode ends the program; it never returns false.
    bool load();
};

// Decodes a file through DevIL to tightly packed 8-bit RGB rows. The pixels belong to the
// image left bound in DevIL. A file that cannot be loaded or converted ends the program.
const unsigned char* loadImage(const char* path, int* width, int* height);

// Decodes a file through FreeImage into a new mipmapped texture left bound to unit 0. Returns
// false, with no texture created and nothing printed, when the file cannot be decoded.
bool loadTextureFile(const char* path, GLuint* textureId);

}  // namespace rtr::scene
