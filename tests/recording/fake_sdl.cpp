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

// The mode the demo set last, as SDL describes it.
SDL_Surface* dummyScreen(int width, int height, Uint32 flags)
{
    static SDL_Surface surface;
    surface.w = width;
    surface.h = height;
    surface.flags = flags;
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
    rec::State& s = state();
    const bool set = ++s.videoModesSet == 1 ? s.script.videoModeSet : s.script.resizeSucceeds;
    return set ? dummyScreen(width, height, flags) : nullptr;
}
// Queries are not logged.
int SDL_GL_GetAttribute(SDL_GLattr attr, int* value)
{
    const rec::Script& script = state().script;
    switch (attr) {
    case SDL_GL_RED_SIZE:
    case SDL_GL_GREEN_SIZE:
    case SDL_GL_BLUE_SIZE:
        *value = script.colourBits;
        return 0;
    case SDL_GL_DEPTH_SIZE:
        *value = script.depthBits;
        return 0;
    case SDL_GL_SWAP_CONTROL:
        *value = script.swapInterval;
        return 0;
    default:
        return -1;
    }
}
const SDL_version* SDL_Linked_Version()
{
    static const SDL_version version = rec::kLinkedVersion;
    return &version;
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
// Sleeping moves the counter on by the time slept.
void SDL_Delay(Uint32 ms)
{
    record("SDL_Delay", ms);
    state().lastTicks += ms;
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
