// The image arithmetic, byte for byte: the fill, the diagonal sweep and the
// speckle. No OpenGL is involved.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "scene/image.h"

namespace {

constexpr Rgb kBlack = {0, 0, 0};
constexpr Rgb kGuard = {0xAB, 0xCD, 0xEF};
// Calls of paintSweepStep in one pass over the image: pixels 0, 3, ..., 16383.
constexpr int kSweepPassFrames = 5462;

bool operator==(Rgb a, Rgb b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// One image with a guard pixel on either side, to catch writes outside it.
class ImageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sweepCursor = 0;
        sweepColour = kFirstSweepColour;
        std::srand(1);
    }

    Rgb* image() { return &buffer[1]; }
    const Rgb& pixel(int index) { return image()[index]; }
    bool guardsIntact() { return buffer.front() == kGuard && buffer.back() == kGuard; }

    std::vector<Rgb> buffer = makeBuffer();

private:
    static std::vector<Rgb> makeBuffer()
    {
        std::vector<Rgb> b(kImagePixels + 2, kBlack);
        b.front() = kGuard;
        b.back() = kGuard;
        return b;
    }
};

TEST_F(ImageTest, FillRepeatsTheColourOverTheWholeImageAndNoFurther)
{
    fillImage(image(), {1, 2, 3});

    const unsigned char* bytes = &image()->red;
    for (int i = 0; i < kImageBytes; ++i) {
        ASSERT_EQ(bytes[i], i % 3 + 1) << "byte " << i;
    }
    EXPECT_TRUE(guardsIntact());
}

TEST_F(ImageTest, FirstSweepStepPaintsPixelZeroInDarkBlue)
{
    paintSweepStep(image());

    const unsigned char* bytes = &image()->red;
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 127);
    EXPECT_TRUE(pixel(1) == kBlack);
    EXPECT_EQ(sweepCursor, 3);
}

TEST_F(ImageTest, SweepWrapsAfterTheLastPixelWithANewColour)
{
    for (int frame = 1; frame < kSweepPassFrames; ++frame) {
        paintSweepStep(image());
    }
    EXPECT_EQ(sweepCursor, kImagePixels - 1);
    EXPECT_TRUE(pixel(kImagePixels - 1) == kBlack);

    paintSweepStep(image());  // the 5,462nd call
    EXPECT_TRUE(pixel(kImagePixels - 1) == kFirstSweepColour);
    EXPECT_EQ(sweepCursor, 0);
    EXPECT_FALSE(sweepColour == kFirstSweepColour);
    const Rgb nextColour = sweepColour;

    paintSweepStep(image());  // the 5,463rd call starts the next pass
    EXPECT_TRUE(pixel(0) == nextColour);
    EXPECT_TRUE(pixel(3) == kFirstSweepColour);
    EXPECT_EQ(sweepCursor, 3);
    EXPECT_TRUE(guardsIntact());
}

TEST_F(ImageTest, SweepPaintsEveryThirdDiagonalAndNothingElseEver)
{
    for (int frame = 0; frame < 3 * kSweepPassFrames + 100; ++frame) {
        paintSweepStep(image());
    }

    for (int row = 0; row < kImageSide; ++row) {
        for (int column = 0; column < kImageSide; ++column) {
            const int index = row * kImageSide + column;
            // Because a row is 128 = 3 * 42 + 2 pixels long, the painted
            // pixels (index multiple of 3) lie on the diagonals x - y = 3k.
            const bool onStripe = (column - row) % 3 == 0;
            ASSERT_EQ(index % 3 == 0, onStripe) << "row " << row << " column " << column;
            ASSERT_EQ(pixel(index) == kBlack, !onStripe) << "row " << row << " column " << column;
        }
    }
    EXPECT_TRUE(guardsIntact());
}

TEST_F(ImageTest, NoAnimatedChannelIsEverFull)
{
    // A modulus of 256 instead of 255 would show 255 here many times over.
    for (int frame = 0; frame < 20 * kSweepPassFrames; ++frame) {
        paintSpeckle(image());
        paintSweepStep(image());
        for (unsigned char channel : {sweepColour.red, sweepColour.green, sweepColour.blue}) {
            ASSERT_NE(channel, 255);
        }
    }
    const unsigned char* bytes = &image()->red;
    for (int i = 0; i < kImageBytes; ++i) {
        ASSERT_NE(bytes[i], 255) << "byte " << i;
    }
}

TEST_F(ImageTest, SpecklesLandInsideTheImageOnePixelPerCall)
{
    auto litPixels = [this](int firstPixel, int pixelCount) {
        int lit = 0;
        for (int i = firstPixel; i < firstPixel + pixelCount; ++i) {
            lit += pixel(i) == kBlack ? 0 : 1;
        }
        return lit;
    };

    int calls = 0;
    int previouslyLit = 0;
    for (int checkpoint : {1, 100, 1000}) {
        for (; calls < checkpoint; ++calls) {
            paintSpeckle(image());
        }
        const int lit = litPixels(0, kImagePixels);
        EXPECT_LE(lit, calls);
        EXPECT_GE(lit, previouslyLit);  // speckles only accumulate
        previouslyLit = lit;
    }

    // Enough draws that both the first and the last row are reached, which
    // an index range short at either end would never do.
    for (; calls < 50000; ++calls) {
        paintSpeckle(image());
    }
    EXPECT_GT(litPixels(0, kImageSide), 0);
    EXPECT_GT(litPixels(kImagePixels - kImageSide, kImageSide), 0);
    EXPECT_TRUE(guardsIntact());
}

TEST_F(ImageTest, TheSameSeedPaintsTheSameImages)
{
    auto paint = [](unsigned seed) {
        sweepCursor = 0;
        sweepColour = kFirstSweepColour;
        std::srand(seed);
        std::vector<Rgb> sweep(kImagePixels, kBlack), speckle(kImagePixels, kBlack);
        for (int frame = 0; frame < 2 * kSweepPassFrames; ++frame) {
            paintSweepStep(sweep.data());
            paintSpeckle(speckle.data());
        }
        std::vector<unsigned char> bytes(&sweep.front().red, &sweep.front().red + kImageBytes);
        bytes.insert(bytes.end(), &speckle.front().red, &speckle.front().red + kImageBytes);
        return bytes;
    };

    EXPECT_EQ(paint(7), paint(7));
    EXPECT_NE(paint(7), paint(8));
}

}  // namespace
