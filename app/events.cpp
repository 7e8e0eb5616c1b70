// The event pump: key-downs go to the scene, a quit event ends the run, and
// so does a termination signal.
#include <SDL.h>

#include <csignal>

#include "demo.h"
#include "scene/TextureScene.h"

namespace {

volatile std::sig_atomic_t terminationRequested = 0;

void onTerminationSignal(int)
{
    terminationRequested = 1;
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
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            scene.onKeyDown(event.key.keysym.sym);
            break;
        case SDL_QUIT:
            // Stop at once; whatever came after the quit stays queued.
            return false;
        default:
            break;
        }
    }
    return true;
}
