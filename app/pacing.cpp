// The pacers' waits and frame times.
#include "pacing.h"

namespace {

constexpr double kMsPerSecond = 1000.0;

// The counter difference since lastTicks, which then moves on to now.
float takeElapsedMs(Uint32& lastTicks, Uint32 now)
{
    const Uint32 elapsedMs = now - lastTicks;
    lastTicks = now;
    return static_cast<float>(elapsedMs);
}

}  // namespace

BusyTickPacer::BusyTickPacer() : lastTicks_(SDL_GetTicks()) {}

float BusyTickPacer::nextFrameMs()
{
    Uint32 now;
    do {
        now = SDL_GetTicks();
    } while (now == lastTicks_);
    return takeElapsedMs(lastTicks_, now);
}

SleepingPacer::SleepingPacer(int framesPerSecond)
    : periodMs_(kMsPerSecond / framesPerSecond), dueTicks_(SDL_GetTicks()), lastTicks_(dueTicks_)
{
}

float SleepingPacer::nextFrameMs()
{
    // The due time moves on by one period, its whole milliseconds into the
    // counter reading and the rest carried to the next frame.
    dueFractionMs_ += periodMs_;
    const Uint32 wholeMs = static_cast<Uint32>(dueFractionMs_);
    dueFractionMs_ -= wholeMs;
    dueTicks_ += wholeMs;

    Uint32 now = SDL_GetTicks();
    // Signed, so that a due time just past a wrap of the counter still
    // reads as near.
    const Sint32 earlyMs = static_cast<Sint32>(dueTicks_ - now);
    if (earlyMs > 0) {
        SDL_Delay(static_cast<Uint32>(earlyMs));
        now = SDL_GetTicks();
    } else if (-static_cast<double>(earlyMs) > periodMs_) {
        dueTicks_ = now;
        dueFractionMs_ = 0.0;
    }
    return takeElapsedMs(lastTicks_, now);
}

UnpacedPacer::UnpacedPacer() : lastTicks_(SDL_GetTicks()) {}

float UnpacedPacer::nextFrameMs()
{
    return takeElapsedMs(lastTicks_, SDL_GetTicks());
}
