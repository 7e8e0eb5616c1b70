// The command line: what a run of the demo was asked for. It is parsed once,
// before anything starts, into one plain struct that the entry function
// hands on. With no arguments every field keeps its default, and the demo
// runs exactly as it always has: fullscreen 640 x 480, busy-wait pacing,
// the generator seeded from the clock.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

struct Options {
    bool windowed = false;        // a resizable window instead of a mode switch
    int width = 640;              // pixels
    int height = 480;             // pixels
    bool showFps = false;         // frame-rate lines on standard error
    std::uint64_t frameLimit = 0; // 0: run until asked to quit
    std::optional<float> stepMs;  // a fixed animation step, unpaced
    std::optional<unsigned> seed; // else the clock, as the scene seeds it
    std::string screenshotPath;   // empty: no screenshot
    bool vsync = false;           // one swap per display refresh
    int maxFps = 0;               // 0: no cap
    bool info = false;            // more lines after the start-up report
};

// The largest width or height --size takes.
constexpr int kMaxSidePixels = 16384;

// What the command line asks for: a run with these options, or an exit
// with this status once --help, --version or a refusal has been written.
struct CommandLine {
    Options options;
    bool run = true;
    int exitStatus = 0;
};

// Exit status of a refused command line, as for most command-line tools.
constexpr int kUsageStatus = 2;

// --help and --version go to out; a refusal is one line on err.
CommandLine parseCommandLine(int argc, const char* const* argv, std::ostream& out,
                             std::ostream& err);
