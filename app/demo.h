// The application shell: start-up, the frame loop and the event pump.
#pragma once

#include <SDL.h>

#include <iosfwd>

struct Options;

// The whole run of the demo as the options ask for it. The start-up report
// and its failure lines go to out; the --fps readout and the screenshot's
// failure go to err. Returns the process exit status: 0 after a normal run,
// 1 when the screenshot could not be written, -1 when SDL cannot start.
int runDemo(const Options& options, std::ostream& out, std::ostream& err);

// The video mode's flags: the fullscreen mode, or a window the user can resize.
constexpr Uint32 kFullscreenFlags = SDL_FULLSCREEN | SDL_OPENGL;
constexpr Uint32 kWindowFlags = SDL_OPENGL | SDL_RESIZABLE;
// 0 keeps the display's current colour depth.
constexpr int kScreenBitsPerPixel = 0;

// Drains the SDL event queue; false once a quit event has been taken or a
// termination signal (SIGINT, SIGTERM) has arrived. A resized window gets
// its new size here.
bool pumpEvents();

// Routes SIGINT and SIGTERM to pumpEvents for the length of a run.
void catchTerminationSignals();
void releaseTerminationSignals();
