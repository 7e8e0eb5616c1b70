// Frame benchmark on the real stack: SDL 1.2 in the demo's fullscreen
// 640 x 480 OpenGL mode, drawn by whatever OpenGL the machine has (Mesa's
// llvmpipe here). It times three kinds of frame, each followed by the swap:
//   (a) the empty frame, clear and swap: the floor of the stack;
//   (b) the scene without the two texture uploads;
//   (c) the whole demo frame.
// Usage: frame_bench [FRAMES]   (default 5000 per kind, after a warm-up)
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "scene/TextureScene.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr int kWarmUpFrames = 200;
constexpr int kDefaultFrames = 5000;
// The demo's frames are 1 ms apart at most frame rates worth having.
constexpr float kElapsedMsPerFrame = 1.0f;

struct Timing {
    double framesPerSecond;
    double medianMs;
    double p99Ms;
};

Timing timeFrames(int frames, const std::function<void()>& drawFrame)
{
    for (int i = 0; i < kWarmUpFrames; ++i) {
        drawFrame();
        SDL_GL_SwapBuffers();
    }
    std::vector<double> frameMs(frames);
    const Clock::time_point start = Clock::now();
    Clock::time_point last = start;
    for (int i = 0; i < frames; ++i) {
        drawFrame();
        SDL_GL_SwapBuffers();
        const Clock::time_point now = Clock::now();
        frameMs[i] = std::chrono::duration<double, std::milli>(now - last).count();
        last = now;
    }
    const double totalSeconds = std::chrono::duration<double>(last - start).count();
    std::sort(frameMs.begin(), frameMs.end());
    return {frames / totalSeconds, frameMs[frames / 2], frameMs[frames * 99 / 100]};
}

}  // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultFrames;
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::printf("Couldn't init SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    if (SDL_SetVideoMode(kWidth, kHeight, 0, SDL_FULLSCREEN | SDL_OPENGL) == nullptr) {
        std::printf("Couldn't set the video mode: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    char driver[64] = "";
    SDL_VideoDriverName(driver, sizeof driver);
    const SDL_version* sdl = SDL_Linked_Version();
    std::printf("SDL %d.%d.%d (%s driver), %s, %s, %d frames per kind\n", sdl->major, sdl->minor,
                sdl->patch, driver, glGetString(GL_RENDERER), glGetString(GL_VERSION), frames);

    scene.initGL();
    scene.resize(kWidth, kHeight);

    const Timing empty = timeFrames(frames, [] { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); });
    // The demo's frame with the animation step left out: the same placement
    // and geometry, but no pixels painted and nothing uploaded.
    const Timing noUploads = timeFrames(frames, [] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        scene.drawOrbit(kElapsedMsPerFrame);
    });
    const Timing whole = timeFrames(frames, [] { scene.drawFrame(kElapsedMsPerFrame); });

    std::printf("%-34s %10s %12s %12s\n", "frame", "frames/s", "median ms", "p99 ms");
    const struct {
        const char* name;
        Timing timing;
    } rows[] = {
        {"(a) empty: clear and swap", empty},
        {"(b) scene without uploads", noUploads},
        {"(c) whole demo frame", whole},
    };
    for (const auto& row : rows) {
        std::printf("%-34s %10.0f %12.3f %12.3f\n", row.name, row.timing.framesPerSecond,
                    row.timing.medianMs, row.timing.p99Ms);
    }
    std::printf("c / a, median frame time: %.2f\n", whole.medianMs / empty.medianMs);

    SDL_Quit();
    return 0;
}
