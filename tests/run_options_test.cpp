// The run as the command-line options shape it, against the recording
// layer: the window and its size, the pacing, the frame limit, the seed,
// the extra report lines, the screenshot and the resized window.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "test_files.h"

namespace {

using rec::call;
using rec::calls;
using rec::callsNamed;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

// The scene and the sweep start afresh, as in a new process.
class RunOptionsTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        fillImage(scene.sweepImage, {0, 0, 0});
        fillImage(scene.speckleImage, {0, 0, 0});
        sweepCursor = 0;
        sweepColour = kFirstSweepColour;
    }

    static Options withFrames(std::uint64_t frames)
    {
        Options options;
        options.frameLimit = frames;
        return options;
    }

    // The calls after the given one, up to the next swap.
    static std::vector<std::string> callsAfter(const std::string& first)
    {
        const auto& all = calls();
        auto from = std::find(all.begin(), all.end(), first);
        auto to = std::find(from, all.end(), call("SDL_GL_SwapBuffers"));
        return from == all.end() ? std::vector<std::string>() : std::vector<std::string>(from + 1, to);
    }
};

TEST_F(RunOptionsTest, AWindowOfTheChosenSizeLeavesThePointerAlone)
{
    Options options = withFrames(1);
    options.windowed = true;
    options.width = 800;
    options.height = 600;
    ASSERT_EQ(run(options), 0);

    EXPECT_THAT(callsNamed("SDL_SetVideoMode"),
                ElementsAre(call("SDL_SetVideoMode", 800, 600, 0, SDL_OPENGL | SDL_RESIZABLE)));
    EXPECT_THAT(callsNamed("glViewport"), ElementsAre(call("glViewport", 0, 0, 800, 600)));
    EXPECT_THAT(callsNamed("gluPerspective"), ElementsAre(call("gluPerspective", 54, 800.0 / 600.0, double(0.1f), 100)));
    EXPECT_THAT(callsNamed("SDL_ShowCursor"), IsEmpty());
    EXPECT_THAT(callsNamed("SDL_WarpMouse"), IsEmpty());
}

TEST_F(RunOptionsTest, FullscreenAtAChosenSizeCentresThePointerInIt)
{
    Options options = withFrames(1);
    options.width = 1024;
    options.height = 768;
    ASSERT_EQ(run(options), 0);
    EXPECT_THAT(callsNamed("SDL_SetVideoMode"),
                ElementsAre(call("SDL_SetVideoMode", 1024, 768, 0, SDL_FULLSCREEN | SDL_OPENGL)));
    EXPECT_THAT(callsNamed("SDL_WarpMouse"), ElementsAre(call("SDL_WarpMouse", 512, 384)));
    EXPECT_THAT(callsNamed("SDL_ShowCursor"),
                ElementsAre(call("SDL_ShowCursor", SDL_DISABLE), call("SDL_ShowCursor", SDL_ENABLE)));
}

TEST_F(RunOptionsTest, AFrameLimitEndsTheRunAsAQuitWould)
{
    for (std::uint64_t frames : {1u, 7u}) {
        rec::reset();
        ASSERT_EQ(run(withFrames(frames)), 0) << frames;
        EXPECT_EQ(rec::state().swaps, static_cast<int>(frames));
        EXPECT_THAT(std::vector<std::string>(calls().end() - 3, calls().end()), ElementsAre(
            call("SDL_GL_SwapBuffers"),
            call("SDL_ShowCursor", SDL_ENABLE),
            call("SDL_Quit")));
    }
}

TEST_F(RunOptionsTest, AFixedStepMovesTheAnimationWhateverTheClockSays)
{
    rec::state().script.ticks = {5, 90000, 7, 7, 123456789};
    Options options = withFrames(4);
    options.stepMs = 2.5f;
    ASSERT_EQ(run(options), 0);

    const std::vector<double> orbit = orbitAngles();
    ASSERT_EQ(orbit.size(), 4u);
    for (size_t i = 0; i < orbit.size(); ++i) {
        EXPECT_NEAR(orbit[i], 0.25 * (i + 1), 1e-5) << "frame " << i + 1;
    }
    EXPECT_EQ(rec::state().tickReads, 0) << "the clock is not even read";
    EXPECT_THAT(callsNamed("SDL_Delay"), IsEmpty());
}

TEST_F(RunOptionsTest, VsyncAsksForOneSwapPerRefreshAndLeavesTheWaitToTheSwap)
{
    Options options = withFrames(3);
    options.vsync = true;
    ASSERT_EQ(run(options), 0);

    const auto& all = calls();
    const auto depth = std::find(all.begin(), all.end(), call("SDL_GL_SetAttribute", SDL_GL_DEPTH_SIZE, 16));
    ASSERT_NE(depth, all.end());
    EXPECT_EQ(*(depth + 1), call("SDL_GL_SetAttribute", SDL_GL_SWAP_CONTROL, 1));
    EXPECT_EQ(*(depth + 2), call("SDL_SetVideoMode", 640, 480, 0, SDL_FULLSCREEN | SDL_OPENGL));
    // One reading before the loop and one a frame: no spinning, no sleeping.
    EXPECT_EQ(rec::state().tickReads, 4);
    EXPECT_THAT(callsNamed("SDL_Delay"), IsEmpty());
    using ::testing::DoubleNear;
    EXPECT_THAT(orbitAngles(), ElementsAre(DoubleNear(0.1, 1e-6), DoubleNear(0.2, 1e-6), DoubleNear(0.3, 1e-6)));
}

TEST_F(RunOptionsTest, AFrameRateCapSleepsUntilEachFrameIsDue)
{
    struct Case {
        const char* name;
        int maxFps;
        Uint32 firstTicks;
        std::vector<Uint32> renderMs;  // what drawing and swapping take, frame by frame
        std::vector<Uint32> delays;    // the sleeps expected, in order
        std::vector<double> orbit;     // the orbit angle of each frame
    };
    const Case cases[] = {
        {"on schedule", 100, 0, {2, 2, 2}, {10, 8, 8}, {1.0, 2.0, 3.0}},
        // A frame more than a period late starts the schedule afresh: the
        // next frame neither waits for the old due time nor rushes.
        {"one slow frame", 100, 0, {35, 2, 2}, {10, 8}, {1.0, 4.5, 5.5}},
        {"across the counter's wrap", 100, 0xFFFFFFF0u, {2, 2, 2}, {10, 8, 8}, {1.0, 2.0, 3.0}},
    };
    for (const Case& c : cases) {
        rec::reset();
        scene.orbitAngle = scene.cubeAngleX = scene.cubeAngleY = 0.0f;
        rec::Script& script = rec::state().script;
        script.ticks = {c.firstTicks};
        script.tickStep = 0;  // only sleeping and drawing move the clock
        script.onSwap = [&c](int swaps) { rec::state().lastTicks += c.renderMs[swaps - 1]; };
        Options options = withFrames(c.renderMs.size());
        options.maxFps = c.maxFps;
        ASSERT_EQ(run(options), 0) << c.name;

        std::vector<std::string> delays;
        for (Uint32 ms : c.delays) {
            delays.push_back(call("SDL_Delay", ms));
        }
        EXPECT_THAT(callsNamed("SDL_Delay"), ElementsAreArray(delays)) << c.name;
        const std::vector<double> orbit = orbitAngles();
        ASSERT_EQ(orbit.size(), c.orbit.size()) << c.name;
        for (size_t i = 0; i < orbit.size(); ++i) {
            EXPECT_NEAR(orbit[i], c.orbit[i], 1e-4) << c.name << ", frame " << i + 1;
        }
    }
}

TEST_F(RunOptionsTest, SixtyFramesACapOfSixtyTakeOneSecond)
{
    rec::Script& script = rec::state().script;
    script.tickStep = 0;
    Options options = withFrames(60);
    options.maxFps = 60;
    ASSERT_EQ(run(options), 0);
    Uint32 slept = 0;
    for (const std::string& delay : callsNamed("SDL_Delay")) {
        const Uint32 ms = static_cast<Uint32>(std::stoul(delay.substr(std::string("SDL_Delay(").size())));
        EXPECT_TRUE(ms == 16 || ms == 17) << delay;
        slept += ms;
    }
    // The fractions of a millisecond are carried, so the schedule does not drift.
    EXPECT_NEAR(slept, 1000, 1);
}

TEST_F(RunOptionsTest, ASeedMakesTheColoursThoseOfItsClockReading)
{
    constexpr int kFrames = 50;
    constexpr unsigned kSeed = 7;
    // What the sweep and speckle paint from a generator seeded with 7.
    std::vector<Rgb> expected(2 * kImagePixels, Rgb{0, 0, 0});
    std::srand(kSeed);
    for (int frame = 0; frame < kFrames; ++frame) {
        paintSweepStep(&expected[0]);
        paintSpeckle(&expected[kImagePixels]);
    }
    SetUp();

    Options options = withFrames(kFrames);
    options.seed = kSeed;
    ASSERT_EQ(run(options), 0);
    auto bytes = [](const Rgb* image) {
        return std::vector<unsigned char>(&image->red, &image->red + 2 * kImageBytes);
    };
    EXPECT_EQ(bytes(scene.sweepImage), bytes(expected.data()));

    // Another seed speckles other pixels.
    SetUp();
    options.seed = kSeed + 1;
    ASSERT_EQ(run(options), 0);
    EXPECT_NE(bytes(scene.sweepImage), bytes(expected.data()));
}

TEST_F(RunOptionsTest, InfoAddsTheRendererTheVersionsAndTheModeGot)
{
    const std::string sdl = "SDL: compiled against " + std::to_string(SDL_MAJOR_VERSION) + "." +
                            std::to_string(SDL_MINOR_VERSION) + "." + std::to_string(SDL_PATCHLEVEL) +
                            ", running 1.2.99";
    struct Case {
        const char* name;
        bool windowed;
        bool modeSet;
        std::vector<std::string> tail;  // what follows the six report lines
    };
    const Case cases[] = {
        {"fullscreen", false, true,
         {"Renderer: Test Renderer", "Version: 1.1 Test", sdl,
          "Mode: 640x480 fullscreen, colour bits 8/8/8, depth bits 16, swap interval 0"}},
        {"window", true, true,
         {"Renderer: Test Renderer", "Version: 1.1 Test", sdl,
          "Mode: 640x480 window, colour bits 8/8/8, depth bits 16, swap interval 0"}},
        {"no mode", true, false,
         {"Renderer: Test Renderer", "Version: 1.1 Test", sdl, "Mode: none", "Couldn't open the window",
          "no such mode"}},
    };
    for (const Case& c : cases) {
        rec::reset();
        out.str("");
        rec::state().script.videoModeSet = c.modeSet;
        Options options = withFrames(1);
        options.info = true;
        options.windowed = c.windowed;
        ASSERT_EQ(run(options), 0) << c.name;
        std::vector<std::string> printed;
        std::istringstream in(out.str());
        for (std::string line; std::getline(in, line);) {
            printed.push_back(line);
        }
        ASSERT_GT(printed.size(), 6u) << c.name;
        EXPECT_EQ(printed[5], kRule) << c.name;
        EXPECT_THAT(std::vector<std::string>(printed.begin() + 6, printed.end()), ElementsAreArray(c.tail))
            << c.name;
    }
}

TEST_F(RunOptionsTest, FpsEndsWithASummaryOnStandardError)
{
    Options options = withFrames(3);
    options.showFps = true;
    ASSERT_EQ(run(options), 0);
    const std::string summary = err.str();
    EXPECT_THAT(summary, ::testing::StartsWith("fps: 3 frames in "));
    EXPECT_THAT(summary, ::testing::MatchesRegex(".*frame time median [0-9.]+ ms, 99th percentile [0-9.]+ ms\n"));
    EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), 1);
}

// A folder of the test's own for screenshots.
class ScreenshotRunTest : public RunOptionsTest {
protected:
    void SetUp() override
    {
        RunOptionsTest::SetUp();
        ASSERT_FALSE(folder.empty());
    }

    TempFolder temp;
    const std::string folder = temp.path();
};

TEST_F(ScreenshotRunTest, TheLastFrameIsCaughtBeforeItsSwapAndSavedTopRowFirst)
{
    struct Case {
        const char* name;
        bool frameLimit;
        int readsExpected;  // every frame may be the last unless a limit says which
    };
    const Case cases[] = {{"with a frame limit", true, 1}, {"ended by a quit", false, 3}};
    for (const Case& c : cases) {
        rec::reset();
        Options options = withFrames(c.frameLimit ? 3 : 0);
        if (!c.frameLimit) {
            quitAfterFrames(3);
        }
        options.screenshotPath = folder + "/last.png";
        ASSERT_EQ(run(options), 0) << c.name << ": " << err.str();

        const std::string read = call("glReadPixels", 0, 0, 640, 480, GL_RGB, GL_UNSIGNED_BYTE);
        EXPECT_EQ(callsNamed("glReadPixels").size(), static_cast<size_t>(c.readsExpected)) << c.name;
        // The last read comes right before the last swap.
        const auto& all = calls();
        const auto lastSwap = std::find(all.rbegin(), all.rend(), call("SDL_GL_SwapBuffers"));
        EXPECT_EQ(*(lastSwap + 1), read) << c.name;
        EXPECT_EQ(*(lastSwap + 2), call("glReadBuffer", GL_BACK)) << c.name;
        EXPECT_EQ(*(lastSwap + 3), call("glPixelStorei", GL_PACK_ALIGNMENT, 1)) << c.name;

        const PngPixels png = readPng(options.screenshotPath);
        ASSERT_EQ(png.error, "") << c.name;
        EXPECT_EQ(png.width, 640u);
        EXPECT_EQ(png.height, 480u);
        const std::vector<unsigned char>& pixels = png.rgb;
        // The picture's top row is the last row OpenGL read.
        const size_t rowBytes = 640 * 3;
        for (size_t i = 0; i < rowBytes; ++i) {
            ASSERT_EQ(pixels[i], rec::readPixelsByte(479 * rowBytes + i)) << c.name << ", byte " << i;
        }
    }
}

TEST_F(ScreenshotRunTest, AScreenshotThatCannotBeWrittenFailsTheRunAtItsEnd)
{
    Options options = withFrames(3);
    options.screenshotPath = folder + "/missing/last.png";
    EXPECT_EQ(run(options), 1);
    EXPECT_EQ(rec::state().swaps, 3) << "the run is not cut short";
    EXPECT_EQ(calls().back(), call("SDL_Quit"));
    EXPECT_EQ(err.str(), "animated-texture: couldn't write the screenshot " + options.screenshotPath +
                             ": No such file or directory\n");
}

// Resizing a window: the events come from the window system in the middle
// of a run.
class ResizeTest : public RunOptionsTest {
protected:
    // A windowed run of three frames, with the given events arriving after
    // the first; returns the calls made from the first swap on.
    std::vector<std::string> runWithEventsAfterFirstFrame(std::function<void()> events)
    {
        rec::state().script.onSwap = [events](int swaps) {
            if (swaps == 1) {
                events();
            }
            if (swaps == 3) {
                rec::queueEvent(SDL_QUIT);
            }
        };
        Options options;
        options.windowed = true;
        EXPECT_EQ(run(options), 0);
        const auto& all = calls();
        const auto firstSwap = std::find(all.begin(), all.end(), call("SDL_GL_SwapBuffers"));
        return std::vector<std::string>(firstSwap + 1, all.end());
    }
};

TEST_F(ResizeTest, ANewSizeSetsTheModeAndTheProjectionAgain)
{
    const std::vector<std::string> after = runWithEventsAfterFirstFrame([] { rec::queueResize(400, 600); });
    EXPECT_THAT(std::vector<std::string>(after.begin(), after.begin() + 8), ElementsAre(
        call("SDL_SetVideoMode", 400, 600, 0, SDL_OPENGL | SDL_RESIZABLE),
        call("glIsTexture", 1),
        call("glViewport", 0, 0, 400, 600),
        call("glMatrixMode", GL_PROJECTION),
        call("glLoadIdentity"),
        call("gluPerspective", 54, 400.0 / 600.0, double(0.1f), 100),
        call("glMatrixMode", GL_MODELVIEW),
        call("glLoadIdentity")));
    EXPECT_THAT(after, Not(Contains(call("glGenTextures", 2))));
    EXPECT_EQ(rec::state().swaps, 3);
}

TEST_F(ResizeTest, ANewContextGetsTheWholeSceneBackFromMemory)
{
    const std::vector<std::string> after = runWithEventsAfterFirstFrame([] {
        rec::state().script.texturesSurvive = false;
        rec::queueResize(400, 600);
    });
    const void* quadric = rec::dummyQuadric();
    // The old quadric goes, the old texture names are not deleted (they died
    // with their context), and set-up runs again before the projection.
    EXPECT_THAT(std::vector<std::string>(after.begin(), after.begin() + 4), ElementsAre(
        call("SDL_SetVideoMode", 400, 600, 0, SDL_OPENGL | SDL_RESIZABLE),
        call("glIsTexture", 1),
        call("gluDeleteQuadric", quadric),
        call("glClearColor", 0, 0, 0, 0)));
    EXPECT_THAT(after, Contains(call("glGenTextures", 2)));
    EXPECT_THAT(after, Contains(call("glTexImage2D", GL_TEXTURE_2D, 0, 3, 128, 128, 0, GL_RGB, GL_UNSIGNED_BYTE,
                                     static_cast<const void*>(scene.sweepImage))));
    EXPECT_THAT(after, Not(Contains(::testing::StartsWith("glDeleteTextures"))));
    EXPECT_EQ(scene.textures[0], 3u);
    EXPECT_EQ(scene.textures[1], 4u);
    // The frames after it upload into the new textures.
    EXPECT_THAT(after, Contains(call("glBindTexture", GL_TEXTURE_2D, 3)));
}

TEST_F(ResizeTest, OnlyTheLastSizeOfADrainIsSet)
{
    const std::vector<std::string> after = runWithEventsAfterFirstFrame([] {
        rec::queueResize(500, 500);
        rec::queueEvent(SDL_MOUSEMOTION);
        rec::queueResize(300, 200);
    });
    EXPECT_THAT(callsNamed("SDL_SetVideoMode"), ElementsAre(
        call("SDL_SetVideoMode", 640, 480, 0, SDL_OPENGL | SDL_RESIZABLE),
        call("SDL_SetVideoMode", 300, 200, 0, SDL_OPENGL | SDL_RESIZABLE)));
}

TEST_F(ResizeTest, AFailedResizeIsReportedAndTheOldViewportKept)
{
    std::ostringstream caught;
    std::streambuf* const standardError = std::cerr.rdbuf(caught.rdbuf());
    rec::state().script.resizeSucceeds = false;
    const std::vector<std::string> after = runWithEventsAfterFirstFrame([] { rec::queueResize(400, 600); });
    std::cerr.rdbuf(standardError);

    EXPECT_EQ(caught.str(), "animated-texture: couldn't resize the window to 400x600: no such mode\n");
    EXPECT_THAT(after, Not(Contains(::testing::StartsWith("glViewport"))));
    EXPECT_EQ(rec::state().swaps, 3);
}

}  // namespace
