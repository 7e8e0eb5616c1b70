// The recording layer: stand-ins for the SDL, OpenGL and GLU functions the
// demo calls. Each call is logged as text, "glTranslatef(0, 0, -7)", so a
// test can check calls, their order and their arguments; the SDL side can be
// scripted (start-up failures, events, the tick counter, a hook per swap).
#pragma once

#include <GL/glu.h>
#include <SDL.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace rec {

// An array argument, logged by value: {0.5, 0.5, 0.5, 1}.
struct Values {
    const float* values;
    int count;
};

inline std::string formatArg(double number)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", number);
    return text;
}
inline std::string formatArg(const void* pointer)
{
    char text[32];
    std::snprintf(text, sizeof text, "%p", pointer);
    return text;
}
inline std::string formatArg(const char* text)
{
    return text == nullptr ? "null" : '"' + std::string(text) + '"';
}
std::string formatArg(Values values);

// Formats a call the way the layer logs it, for expectations:
// call("glBindTexture", GL_TEXTURE_2D, 1).
std::string joinCall(const char* name, const std::vector<std::string>& args);
template <typename... Args>
std::string call(const char* name, Args... args)
{
    return joinCall(name, {formatArg(args)...});
}

// What the stand-ins answer; reset() restores these defaults.
struct Script {
    int initResult = 0;
    bool videoModeSet = true;
    const char* driverName = "x11";
    const char* error = "no such mode";
    const char* vendor = "Test Vendor";
    const char* extensions = "GL_TEST_one GL_TEST_two";
    const char* renderer = "Test Renderer";
    const char* version = "1.1 Test";
    // What SDL_GL_GetAttribute answers for the mode that was set.
    int colourBits = 8;
    int depthBits = 16;
    int swapInterval = 0;
    // Whether glIsTexture still knows a name: false stands for a new
    // OpenGL context, made when the mode was set again.
    bool texturesSurvive = true;
    bool quadricCreated = true;
    // The tick counter: readings are taken from the front of ticks; once it
    // is empty, the counter goes on from the last reading in steps of tickStep.
    std::deque<Uint32> ticks;
    Uint32 tickStep = 1;
    // Called after each SDL_GL_SwapBuffers with the number of swaps so far.
    std::function<void(int)> onSwap;
    // The result of SDL_SetVideoMode once the demo runs (a resize).
    bool resizeSucceeds = true;
};

struct State {
    Script script;
    bool recording = true;
    std::vector<std::string> calls;
    std::deque<SDL_Event> events;  // the SDL event queue
    GLuint nextTexture = 1;
    GLint viewport[4] = {0, 0, 0, 0};  // as glViewport left it
    int videoModesSet = 0;
    Uint32 lastTicks = 0;
    int tickReads = 0;
    int swaps = 0;
};

// The one state of the layer. It is never destroyed, because the demo's
// static scene calls into the layer after main has returned.
State& state();
void reset();

void record(std::string text);
template <typename... Args>
void record(const char* name, Args... args)
{
    if (state().recording) {
        record(call(name, args...));
    }
}

// The calls logged so far, and those of one function.
const std::vector<std::string>& calls();
std::vector<std::string> callsNamed(const std::string& name);

// The handle gluNewQuadric gives out.
GLUquadric* dummyQuadric();

// The byte that glReadPixels gives at an offset into what it reads: a
// pattern that differs from row to row, so that row order shows.
unsigned char readPixelsByte(std::size_t offset);

// The version SDL_Linked_Version reports.
constexpr SDL_version kLinkedVersion = {1, 2, 99};

// Queues events as the window system would.
void queueKeyDown(SDLKey sym);
void queueEvent(Uint8 type);
void queueResize(int width, int height);

}  // namespace rec
