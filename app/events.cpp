// The event pump: key-downs go to the scene, a quit event ends the run.
#include <SDL.h>

#include "demo.h"
#include "scene/TextureScene.h"

bool pumpEvents()
{
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
