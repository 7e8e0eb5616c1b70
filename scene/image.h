// The CPU side of the two textures: pixel layout and the per-frame painting.
// Nothing here calls OpenGL, so every byte can be checked in a unit test.
#pragma once

#include <cstdint>

// One pixel as OpenGL reads GL_RGB / GL_UNSIGNED_BYTE: three bytes, no padding.
struct Rgb {
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};
static_assert(sizeof(Rgb) == 3, "Rgb must be exactly three bytes");

// An image is kImageSide rows of kImageSide pixels, row 0 first (t = 0).
constexpr int kImageSide = 128;
constexpr int kImagePixels = kImageSide * kImageSide;
constexpr int kImageBytes = kImagePixels * static_cast<int>(sizeof(Rgb));

// Sets every pixel of one image to the colour.
void fillImage(Rgb* image, Rgb colour);

// The sweep state lives outside the scene: the pixel index of the next sweep
// write and the colour of the current pass.
extern std::int32_t sweepCursor;
extern Rgb sweepColour;
constexpr Rgb kFirstSweepColour = {0, 0, 127};

// Paints pixel sweepCursor in sweepColour and moves three pixels on; past the
// last pixel it starts again at 0 with a new random colour.
void paintSweepStep(Rgb* image);
// Gives one random pixel a random colour.
void paintSpeckle(Rgb* image);
