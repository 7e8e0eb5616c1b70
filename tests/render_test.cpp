// Rendering checks on the real stack: the scene draws into a 640 x 480
// OpenGL window (Mesa under a virtual X server), the frame is read back,
// and the checks look at what a viewer would see. They test regions,
// centroids and colours with tolerances, not exact images, so that they
// hold across Mesa versions.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "scene/TextureScene.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr Rgb kCubeColour = {200, 0, 0};
constexpr Rgb kSphereColour = {0, 200, 0};
constexpr Rgb kBlack = {0, 0, 0};
// A lit pixel of a pure-red or pure-green texture: dominant channel well
// above the others. The dimmest lit pixels get about 40% of the texel.
constexpr int kLitThreshold = 30;

struct Frame {
    std::vector<Rgb> pixels;  // top row first

    const Rgb& at(int x, int y) const { return pixels[y * kWidth + x]; }
};

bool isCube(const Rgb& p) { return p.red > kLitThreshold && p.red > 2 * (p.green + p.blue); }
bool isSphere(const Rgb& p) { return p.green > kLitThreshold && p.green > 2 * (p.red + p.blue); }
bool isBlack(const Rgb& p) { return p.red == 0 && p.green == 0 && p.blue == 0; }

struct Region {
    int count = 0;
    double centreX = 0, centreY = 0;
    int left = kWidth, right = -1, top = kHeight, bottom = -1;
};

Region regionOf(const Frame& frame, const std::function<bool(const Rgb&)>& belongs)
{
    Region r;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (belongs(frame.at(x, y))) {
                ++r.count;
                r.centreX += x;
                r.centreY += y;
                r.left = std::min(r.left, x);
                r.right = std::max(r.right, x);
                r.top = std::min(r.top, y);
                r.bottom = std::max(r.bottom, y);
            }
        }
    }
    if (r.count > 0) {
        r.centreX /= r.count;
        r.centreY /= r.count;
    }
    return r;
}

// One OpenGL window for the whole run, set up as the demo sets it up.
class RenderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
        ASSERT_NE(SDL_SetVideoMode(kWidth, kHeight, 0, SDL_OPENGL), nullptr) << SDL_GetError();
    }

    static void TearDownTestSuite() { SDL_Quit(); }

    void SetUp() override
    {
        // The light's position is taken through the modelview matrix, which
        // the demo has at identity when it sets up; an earlier test's frame
        // has not.
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        subject->initGL();
        subject->resize(kWidth, kHeight);
        fillImage(subject->sweepImage, kCubeColour);
        fillImage(subject->speckleImage, kSphereColour);
    }

    // Draws one frame at the given angles, with no time passing, and reads
    // it back. The frame's own animation step paints one sweep and one
    // speckle pixel; a fixed seed makes those the same in every render.
    Frame render(float orbitDegrees, float cubeXDegrees = 0.0f, float cubeYDegrees = 0.0f)
    {
        subject->orbitAngle = orbitDegrees;
        subject->cubeAngleX = cubeXDegrees;
        subject->cubeAngleY = cubeYDegrees;
        sweepCursor = 0;
        std::srand(1);
        subject->drawFrame(0.0f);

        Frame frame;
        frame.pixels.resize(kWidth * kHeight);
        std::vector<Rgb> bottomUp(kWidth * kHeight);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
        for (int y = 0; y < kHeight; ++y) {
            std::copy_n(&bottomUp[(kHeight - 1 - y) * kWidth], kWidth, &frame.pixels[y * kWidth]);
        }
        SDL_GL_SwapBuffers();
        return frame;
    }

    std::unique_ptr<TextureScene> subject = std::make_unique<TextureScene>();
};

TEST_F(RenderTest, AtQuarterTurnTheCubeStandsRightAndTheSphereLeft)
{
    const Frame frame = render(90.0f);
    const Region cube = regionOf(frame, isCube);
    const Region sphere = regionOf(frame, isSphere);

    ASSERT_GT(cube.count, 1000);
    ASSERT_GT(sphere.count, 1000);
    EXPECT_GT(cube.centreX, kWidth / 2 + 80);
    EXPECT_LT(sphere.centreX, kWidth / 2 - 80);
    EXPECT_NEAR(cube.centreY, kHeight / 2, 5);
    EXPECT_NEAR(sphere.centreY, kHeight / 2, 5);
}

TEST_F(RenderTest, NearerObjectHidesTheMiddleOfTheFartherOne)
{
    struct Case {
        float orbitDegrees;
        const char* front;
        std::function<bool(const Rgb&)> isFront, isBack;
    };
    const Case cases[] = {
        {0.0f, "cube", isCube, isSphere},
        {180.0f, "sphere", isSphere, isCube},
    };
    for (const Case& c : cases) {
        const Frame frame = render(c.orbitDegrees, 30.0f, 45.0f);
        const Region front = regionOf(frame, c.isFront);
        EXPECT_TRUE(c.isFront(frame.at(kWidth / 2, kHeight / 2))) << c.front << " in front";
        EXPECT_NEAR(front.centreX, kWidth / 2, 8) << c.front << " in front";
        EXPECT_NEAR(front.centreY, kHeight / 2, 8) << c.front << " in front";
        // Nothing of the farther object shows near the middle.
        for (int y = kHeight / 2 - 30; y <= kHeight / 2 + 30; ++y) {
            for (int x = kWidth / 2 - 30; x <= kWidth / 2 + 30; ++x) {
                ASSERT_FALSE(c.isBack(frame.at(x, y))) << c.front << " in front, at " << x << ", " << y;
            }
        }
    }
}

TEST_F(RenderTest, TheSphereIsRound)
{
    // Seen straight on; off the axis, perspective widens it slightly.
    for (float orbitDegrees : {180.0f}) {
        const Region sphere = regionOf(render(orbitDegrees), isSphere);
        ASSERT_GT(sphere.count, 1000);
        const int width = sphere.right - sphere.left + 1;
        const int height = sphere.bottom - sphere.top + 1;
        EXPECT_NEAR(width, height, 2) << "orbit " << orbitDegrees;
    }
}

TEST_F(RenderTest, LitFacesShowTheirTexelsColourAndBlackStaysBlack)
{
    // The cube in front, face on, where the spot falls.
    constexpr Rgb kOrange = {200, 100, 50};
    fillImage(subject->sweepImage, kOrange);
    const Frame lit = render(0.0f);
    const Rgb centre = lit.at(kWidth / 2, kHeight / 2);
    // The texture modulates a white lit colour: the hue is the texel's.
    EXPECT_GT(centre.red, 100);
    EXPECT_NEAR(double(centre.green) / centre.red, 0.5, 0.1);
    EXPECT_NEAR(double(centre.blue) / centre.red, 0.25, 0.1);

    // The same view with a black image: every pixel of the cube is black.
    const Region cube = regionOf(lit, [](const Rgb& p) { return !isBlack(p); });
    ASSERT_GT(cube.count, 1000);
    fillImage(subject->sweepImage, kBlack);
    sweepColour = kBlack;  // the frame's own sweep step paints black too
    const Frame dark = render(0.0f);
    for (int y = cube.top; y <= cube.bottom; ++y) {
        for (int x = cube.left; x <= cube.right; ++x) {
            ASSERT_TRUE(isBlack(dark.at(x, y))) << x << ", " << y;
        }
    }
}

TEST_F(RenderTest, ASpecklePixelShowsOnTheSphere)
{
    fillImage(subject->speckleImage, kSphereColour);
    const Region sphere = regionOf(render(90.0f), isSphere);
    ASSERT_GT(sphere.count, 1000);

    // At a quarter turn the sphere's poles point sideways, and the viewer
    // sees the equator (row 64) a quarter of the way round (column 32).
    fillImage(subject->speckleImage, kBlack);
    const Frame before = render(90.0f);
    subject->speckleImage[64 * kImageSide + 32] = {250, 250, 250};
    const Frame after = render(90.0f);

    Frame difference;
    for (size_t i = 0; i < after.pixels.size(); ++i) {
        const Rgb& a = after.pixels[i];
        const Rgb& b = before.pixels[i];
        const bool same = a.red == b.red && a.green == b.green && a.blue == b.blue;
        difference.pixels.push_back(same ? kBlack : Rgb{255, 255, 255});
    }
    const Region changed = regionOf(difference, [](const Rgb& p) { return !isBlack(p); });
    EXPECT_GT(changed.count, 0);
    EXPECT_LT(changed.count, 100) << "one texel covers a few pixels only";
    EXPECT_GE(changed.left, sphere.left);
    EXPECT_LE(changed.right, sphere.right);
    EXPECT_GE(changed.top, sphere.top);
    EXPECT_LE(changed.bottom, sphere.bottom);
}

}  // namespace
