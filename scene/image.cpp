// Pixel arithmetic of the two animated images. The random numbers come from
// the C library's rand, seeded once when the scene is constructed.
#include "image.h"

#include <algorithm>
#include <cstdlib>

std::int32_t sweepCursor = 0;
Rgb sweepColour = kFirstSweepColour;

namespace {

// Stepping three pixels at a time over 128-pixel rows paints diagonals, not
// columns: 128 mod 3 is 2, so each row starts one column left of the last.
constexpr int kSweepStepPixels = 3;

// Channels are drawn modulo 255, so no animated pixel is ever at full 255.
constexpr int kChannelLevels = 255;

unsigned char randomChannel()
{
    return static_cast<unsigned char>(std::rand() % kChannelLevels);
}

// Red, then green, then blue: the order the random numbers are drawn in is
// part of what makes a seeded run repeatable.
Rgb randomColour()
{
    const unsigned char red = randomChannel();
    const unsigned char green = randomChannel();
    const unsigned char blue = randomChannel();
    return {red, green, blue};
}

}  // namespace

void fillImage(Rgb* image, Rgb colour)
{
    std::fill_n(image, kImagePixels, colour);
}

void paintSweepStep(Rgb* image)
{
    image[sweepCursor] = sweepColour;
    sweepCursor += kSweepStepPixels;
    if (sweepCursor >= kImagePixels) {
        sweepCursor = 0;
        sweepColour = randomColour();
    }
}

void paintSpeckle(Rgb* image)
{
    const int pixel = std::rand() % kImagePixels;
    image[pixel] = randomColour();
}
