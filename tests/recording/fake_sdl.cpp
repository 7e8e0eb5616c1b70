// Stand-ins for the SDL functions the application shell calls. Start-up
// results, the event queue and the tick counter come from the script.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "recorder.h"

using rec::record;
using rec::state;

namespace {

constexpr int kRunawaySwaps = 1000000;

SDL_Surface* dummyScreen()
{
    static SDL_Surface surface;
    return &surface;
}

}  // namespace

int SDL_Init(Uint32 flags)
{
    record("SDL_Init", flags);
    return state().script.initResult;
}
void SDL_Quit() { record("SDL_Quit"); }
int SDL_GL_SetAttribute(SDL_GLattr attr, int value)
{
    record("SDL_GL_SetAttribute", attr, value);
    return 0;
}
SDL_Surface* SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags)
{
    record("SDL_SetVideoMode", width, height, bpp, flags);
    return state().script.videoModeSet ? dummyScreen() : nullptr;
}
char* SDL_VideoDriverName(char* namebuf, int maxlen)
{
    record("SDL_VideoDriverName", maxlen);
    const char* name = state().script.driverName;
    if (name == nullptr) {
        return nullptr;
    }
    std::strncpy(namebuf, name, maxlen - 1);
    namebuf[maxlen - 1] = '\0';
    return namebuf;
}
char* SDL_GetError()
{
    record("SDL_GetError");
    return const_cast<char*>(state().script.error);
}
void SDL_WM_SetCaption(const char* title, const char* icon) { record("SDL_WM_SetCaption", title, icon); }
int SDL_ShowCursor(int toggle)
{
    record("SDL_ShowCursor", toggle);
    return 0;
}
void SDL_WarpMouse(Uint16 x, Uint16 y) { record("SDL_WarpMouse", x, y); }

// Polling and the tick counter run many times a frame; they are not logged.
int SDL_PollEvent(SDL_Event* event)
{
    std::deque<SDL_Event>& events = state().events;
    if (events.empty()) {
        return 0;
    }
    *event = events.front();
    events.pop_front();
    return 1;
}
int SDL_PushEvent(SDL_Event* event)
{
    record("SDL_PushEvent", event->type);
    state().events.push_back(*event);
    return 0;
}
Uint32 SDL_GetTicks()
{
    rec::State& s = state();
    ++s.tickReads;
    if (!s.script.ticks.empty()) {
        s.lastTicks = s.script.ticks.front();
        s.script.ticks.pop_front();
    } else {
        s.lastTicks += s.script.tickStep;
    }
    return s.lastTicks;
}
void SDL_GL_SwapBuffers()
{
    record("SDL_GL_SwapBuffers");
    rec::State& s = state();
    ++s.swaps;
    if (s.script.onSwap) {
        s.script.onSwap(s.swaps);
    }
    // A test that never queues a quit would spin for ever; stop it loudly.
    if (s.swaps > kRunawaySwaps) {
        std::fprintf(stderr, "recording layer: no quit after %d swaps\n", kRunawaySwaps);
        std::abort();
    }
}
