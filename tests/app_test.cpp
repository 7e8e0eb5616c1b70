// The application shell against the recording layer: start-up and its
// report, the failures, the event pump and the frame timing.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "app_fixture.h"

namespace {

using rec::call;
using rec::calls;
using rec::callsNamed;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

TEST_F(AppTest, StartsUpReportsDrawsAndShutsDown)
{
    quitAfterFrames(1);
    EXPECT_EQ(run(), 0);

    EXPECT_EQ(out.str(), lines({"SDL Video Driver-name: x11", "OpenGL Infos", kRule,
                                " Vendor: Test Vendor", " Extensions: GL_TEST_one GL_TEST_two", kRule}));

    const auto& all = calls();
    EXPECT_THAT(std::vector<std::string>(all.begin(), all.begin() + 7), ElementsAre(
        call("SDL_Init", SDL_INIT_TIMER | SDL_INIT_VIDEO),
        call("SDL_GL_SetAttribute", SDL_GL_DEPTH_SIZE, 16),
        call("SDL_SetVideoMode", 640, 480, 0, SDL_FULLSCREEN | SDL_OPENGL),
        call("SDL_VideoDriverName", 512),
        call("glGetString", GL_VENDOR),
        call("glGetString", GL_EXTENSIONS),
        call("glClearColor", 0, 0, 0, 0)));  // the scene's set-up begins

    // Set-up, the projection, then the window's dressing before the loop.
    const auto caption = std::find(all.begin(), all.end(),
                                   call("SDL_WM_SetCaption", "Quillmarsh - openGL animated texture", static_cast<const char*>(nullptr)));
    ASSERT_NE(caption, all.end());
    EXPECT_EQ(*(caption - 3), call("gluPerspective", 54, 640.0 / 480.0, double(0.1f), 100));
    EXPECT_THAT(std::vector<std::string>(caption + 1, caption + 4), ElementsAre(
        call("SDL_ShowCursor", SDL_DISABLE),
        call("SDL_WarpMouse", 320, 240),
        call("glClear", GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT)));
    EXPECT_THAT(std::vector<std::string>(all.end() - 3, all.end()), ElementsAre(
        call("SDL_GL_SwapBuffers"),
        call("SDL_ShowCursor", SDL_ENABLE),
        call("SDL_Quit")));
    EXPECT_EQ(rec::state().swaps, 1);
}

TEST_F(AppTest, FailedSdlStartIsOneLineAndMinusOne)
{
    rec::state().script.initResult = -1;
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(out.str(), "Couldn't init SDL\n");
    EXPECT_THAT(calls(), ElementsAre(call("SDL_Init", SDL_INIT_TIMER | SDL_INIT_VIDEO)));
}

TEST_F(AppTest, FailedVideoModeIsReportedAndTheDemoGoesOn)
{
    rec::Script& script = rec::state().script;
    script.videoModeSet = false;
    // Without a mode there is no GL context, and so no GL strings.
    script.vendor = nullptr;
    script.extensions = nullptr;
    quitAfterFrames(2);

    EXPECT_EQ(run(), 0);
    EXPECT_EQ(out.str(), lines({"SDL Video Driver-name: x11", "OpenGL Infos", kRule, " Vendor: ",
                                " Extensions: ", kRule, "Couldn't go fullscreen", "no such mode"}));
    EXPECT_THAT(callsNamed("glGenTextures"), ElementsAre(call("glGenTextures", 2)));
    EXPECT_EQ(rec::state().swaps, 2);
}

TEST_F(AppTest, MissingDriverNameLeavesTheLabelAlone)
{
    rec::state().script.driverName = nullptr;
    quitAfterFrames(1);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(out.str().substr(0, out.str().find('\n') + 1), "SDL Video Driver-name: \n");
}

TEST_F(AppTest, EscapeEndsTheRunWithinTheSameDrain)
{
    // Escape arrives after the third frame, ahead of more input.
    rec::state().script.onSwap = [](int swaps) {
        if (swaps == 3) {
            rec::queueKeyDown(SDLK_ESCAPE);
            rec::queueEvent(SDL_MOUSEMOTION);
        }
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(rec::state().swaps, 3);
    EXPECT_THAT(std::vector<std::string>(calls().end() - 4, calls().end()), ElementsAre(
        call("SDL_GL_SwapBuffers"),
        call("SDL_PushEvent", SDL_QUIT),
        call("SDL_ShowCursor", SDL_ENABLE),
        call("SDL_Quit")));
}

TEST_F(AppTest, TerminationSignalsEndTheRunCleanly)
{
    for (int signalNumber : {SIGTERM, SIGINT}) {
        rec::reset();
        rec::state().script.onSwap = [signalNumber](int swaps) {
            if (swaps == 2) {
                std::raise(signalNumber);
            }
        };
        EXPECT_EQ(run(), 0) << signalNumber;
        EXPECT_EQ(rec::state().swaps, 2) << signalNumber;
        EXPECT_EQ(calls().back(), call("SDL_Quit")) << signalNumber;

        // Once the run is over, the signals have their default meaning again.
        struct sigaction current = {};
        sigaction(signalNumber, nullptr, &current);
        EXPECT_EQ(current.sa_handler, SIG_DFL) << signalNumber;
    }
}

TEST_F(AppTest, PumpEventsHandsKeyDownsToTheSceneAndStopsAtQuit)
{
    struct Case {
        const char* name;
        std::vector<SDL_Event> queue;
        bool goesOn;
        size_t leftQueued;
        std::vector<std::string> expected;
    };
    auto event = [](Uint8 type, SDLKey sym = SDLK_UNKNOWN) {
        SDL_Event e = {};
        e.type = type;
        e.key.keysym.sym = sym;
        return e;
    };
    const Case cases[] = {
        {"other input changes nothing",
         {event(SDL_MOUSEMOTION), event(SDL_MOUSEBUTTONDOWN), event(SDL_MOUSEBUTTONUP),
          event(SDL_KEYUP, SDLK_ESCAPE), event(SDL_KEYDOWN, SDLK_a), event(SDL_ACTIVEEVENT)},
         true, 0, {}},
        {"escape goes round the queue",
         {event(SDL_KEYDOWN, SDLK_ESCAPE), event(SDL_KEYDOWN, SDLK_a)},
         false, 0, {call("SDL_PushEvent", SDL_QUIT)}},
        {"a quit leaves later events queued",
         {event(SDL_QUIT), event(SDL_KEYDOWN, SDLK_ESCAPE), event(SDL_MOUSEMOTION)},
         false, 2, {}},
        {"an empty queue goes on", {}, true, 0, {}},
    };
    for (const Case& c : cases) {
        rec::reset();
        rec::state().events.assign(c.queue.begin(), c.queue.end());
        EXPECT_EQ(pumpEvents(), c.goesOn) << c.name;
        EXPECT_EQ(rec::state().events.size(), c.leftQueued) << c.name;
        EXPECT_THAT(calls(), ElementsAreArray(c.expected)) << c.name;
    }
}

TEST_F(AppTest, FrameTimeIsTheCounterDifferenceBetweenFrames)
{
    struct Case {
        const char* name;
        std::vector<Uint32> ticks;  // the readings before the loop and in each wait
        Uint32 ticksAddedBySwap;    // time that drawing and swapping take
        std::vector<double> orbit;  // the orbit angle of each frame
        int tickReads;
    };
    const Case cases[] = {
        // 0xFFFFFFFA to 4 is 10 ms across the wrap.
        {"counter wraps", {0xFFFFFFFAu, 0xFFFFFFFAu, 0xFFFFFFFAu, 4, 5}, 0, {1.0, 1.1}, 5},
        // A 10 ms counter: one frame per change, and every step is 10 ms.
        {"coarse counter", {0, 0, 0, 10, 10, 20, 30}, 0, {1.0, 2.0, 3.0}, 7},
        // The time spent drawing counts, and a frame that took longer than a
        // tick does not wait for another one.
        {"drawing takes 5 ms", {100, 101}, 5, {0.1, 0.6, 1.1}, 4},
    };
    for (const Case& c : cases) {
        rec::reset();
        scene.cubeAngleX = scene.cubeAngleY = scene.orbitAngle = 0.0f;
        rec::Script& script = rec::state().script;
        script.ticks.assign(c.ticks.begin(), c.ticks.end());
        const int frames = static_cast<int>(c.orbit.size());
        script.onSwap = [&c, frames](int swaps) {
            rec::State& s = rec::state();
            if (c.ticksAddedBySwap != 0) {
                s.script.ticks.push_back(s.lastTicks + c.ticksAddedBySwap);
            }
            if (swaps == frames) {
                rec::queueEvent(SDL_QUIT);
            }
        };
        ASSERT_EQ(run(), 0) << c.name;
        const std::vector<double> orbit = orbitAngles();
        ASSERT_EQ(orbit.size(), c.orbit.size()) << c.name;
        for (size_t i = 0; i < orbit.size(); ++i) {
            EXPECT_NEAR(orbit[i], c.orbit[i], 1e-4) << c.name << ", frame " << i + 1;
        }
        EXPECT_EQ(rec::state().tickReads, c.tickReads) << c.name;
    }
}

}  // namespace
