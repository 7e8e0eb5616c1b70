// Frame pacing: how the frame loop waits for its next frame, and how far
// that frame moves the animation. The entry function picks one pacer before
// the loop starts; the loop only calls nextFrameMs().
//
// Every pacer that reads the clock uses SDL's millisecond counter, and
// subtracts its readings as unsigned 32-bit numbers so that a wrap of the
// counter (after 49.7 days) still gives the small positive difference.
#pragma once

#include <SDL.h>

// The demo's own pacing: spin, without sleeping, until the counter moves,
// so at most one frame is drawn per counter change. A frame's time is the
// counter difference since the previous frame, drawing and swap included.
class BusyTickPacer {
public:
    BusyTickPacer();
    float nextFrameMs();

private:
    Uint32 lastTicks_;
};

// --max-fps: sleep until the next frame is due on a fixed schedule of
// 1000 / N milliseconds. The schedule counts from where it started, so the
// whole-millisecond sleeps do not drift; a frame that comes more than one
// period late restarts the schedule instead of rushing to catch up.
class SleepingPacer {
public:
    explicit SleepingPacer(int framesPerSecond);
    float nextFrameMs();

private:
    double periodMs_;
    double dueFractionMs_ = 0.0;  // the part of the schedule below a millisecond
    Uint32 dueTicks_;
    Uint32 lastTicks_;
};

// --vsync: no wait of the loop's own, the swap waits for the display; the
// animation still follows the clock.
class UnpacedPacer {
public:
    UnpacedPacer();
    float nextFrameMs();

private:
    Uint32 lastTicks_;
};

// --step-ms: every frame moves the animation by the same step, whatever
// the clock says, and frames follow one another without a wait; so the
// frames of a seeded run do not depend on the machine's speed.
class FixedStepPacer {
public:
    explicit FixedStepPacer(float stepMs) : stepMs_(stepMs) {}
    float nextFrameMs() { return stepMs_; }

private:
    float stepMs_;
};
