// The per-frame texture animation: one sweep pixel on the cube's image, one
// speckle on the sphere's, and both images handed to OpenGL again.
#include "TextureScene.h"

namespace {

// The textures keep their size for the whole run, so each upload replaces
// the whole image in place instead of re-creating the texture.
void uploadImage(GLuint texture, const Rgb* image)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, kImageSide, kImageSide, GL_RGB,
                    GL_UNSIGNED_BYTE, image);
}

}  // namespace

void TextureScene::animateTextures()
{
    paintSweepStep(sweepImage);
    paintSpeckle(speckleImage);
    uploadImage(textures[0], sweepImage);
    uploadImage(textures[1], speckleImage);
}
