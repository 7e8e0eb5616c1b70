// The event pump: key-downs go to the scene, a resized window gets its new
// size, a quit event ends the run, and so does a termination signal.
#include <SDL.h>

#include <csignal>
#include <iostream>

#include "demo.h"
#include "scene/TextureScene.h"

namespace {

volatile std::sig_atomic_t terminationRequested = 0;

void onTerminationSignal(int)
{
    terminationRequested = 1;
}

// SDL 1.2 resizes an OpenGL window only when the mode is set again. Some
// of its builds make a new OpenGL context for that, and the old context
// takes the scene's textures with it: the scene then builds its GL state
// again from the images it keeps in memory.
void resizeWindow(int width, int height)
{
    if (SDL_SetVideoMode(width, height, kScreenBitsPerPixel, kWindowFlags) == nullptr) {
        std::cerr << "animated-texture: couldn't resize the window to " << width << "x" << height << ": "
                  << SDL_GetError() << std::endl;
        return;
    }
    if (!scene.hasLiveTextures()) {
        scene.restoreGL();
    }
    scene.resize(width, height);
}

}  // namespace

// SDL turns SIGINT and SIGTERM into a quit event only while nobody else has
// claimed them. Without a display, classic SDL falls back to a text-mode
// driver whose terminal library claims them first and exits with status 1.
// Claiming them before SDL starts makes every driver end the run the same
// clean way, through the pump.
void catchTerminationSignals()
{
    std::signal(SIGINT, onTerminationSignal);
    std::signal(SIGTERM, onTerminationSignal);
}

// Also forgets a request, so that the next run starts afresh.
void releaseTerminationSignals()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    terminationRequested = 0;
}

bool pumpEvents()
{
    if (terminationRequested) {
        return false;
    }
    // A window dragged to a new size sends a stream of resize events; only
    // the last size of a drain is worth setting the mode for.
    int newWidth = 0, newHeight = 0;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            scene.onKeyDown(event.key.keysym.sym);
            break;
        case SDL_VIDEORESIZE:
            newWidth = event.resize.w;
            newHeight = event.resize.h;
            break;
        case SDL_QUIT:
            // Stop at once; whatever came after the quit stays queued.
            return false;
        default:
            break;
        }
    }
    if (newWidth > 0 && newHeight > 0) {
        resizeWindow(newWidth, newHeight);
    }
    return true;
}
