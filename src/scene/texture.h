#pragma once

#include "gpu/gl_name.h"

namespace rtr::scene {

// A 2D texture decoded through DevIL. The record is owned by whoever holds it (a model's
// texture list or a program-wide face texture); the GL texture goes with the record.
struct Texture {
    // Only read during load(), so the text need only live that long.
    const char* path = nullptr;
    GlTexture id;
    GLenum target = GL_TEXTURE_2D;

    // Uploads level 0 as 8-bit RGB with a full mipmap chain and leaves it bound to unit 0.
    // A file DevIL cannot decode ends the program; it never returns false.
    bool load();
};

// Decodes a file through DevIL to tightly packed 8-bit RGB rows. The pixels belong to the
// image left bound in DevIL. A file that cannot be loaded or converted ends the program.
const unsigned char* loadImage(const char* path, int* width, int* height);

// A new texture, mipmapped and filtered like every loaded one, holding the RGB of `color` with
// the red channel of `height` as alpha; `height` is resampled (nearest texel) when its size
// differs, and an absent height (0) gives an alpha of 0. Reads level 0 of both back from GL and
// leaves the new texture bound to the active unit.
GlTexture packColorAndHeight(GLuint color, GLuint height);

// Decodes a file through FreeImage into a new mipmapped texture left bound to unit 0, whose
// name the caller then owns. Returns false, with no texture created and nothing printed, when
// the file cannot be decoded.
bool loadTextureFile(const char* path, GLuint* textureId);

}  // namespace rtr::scene
