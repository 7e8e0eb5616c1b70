// The frame loop. Its pacer is chosen once, before the loop starts, and the
// loop is compiled once per pacer, so no frame asks about options again.
#include "frame_loop.h"

#include <SDL.h>

#include <cstdint>

#include "demo.h"
#include "frame_meter.h"
#include "options.h"
#include "pacing.h"
#include "scene/TextureScene.h"
#include "screenshot.h"

namespace {

// What the loop keeps besides the picture: the count toward the frame
// limit, the copy for the screenshot and the times for the readout.
class FrameWatch {
public:
    FrameWatch(std::uint64_t frameLimit, FrameCapture* capture, FrameMeter* meter)
        : frameLimit_(frameLimit), capture_(capture), meter_(meter)
    {
    }

    // Before the swap, while the frame is still in the back buffer.
    void frameDrawn()
    {
        ++frames_;
        if (capture_ != nullptr && (frameLimit_ == 0 || frames_ == frameLimit_)) {
            capture_->copyBackBuffer();
        }
    }

    // After the swap; false once the last frame asked for is shown.
    bool frameShown()
    {
        if (meter_ != nullptr) {
            meter_->frameShown(steadySeconds());
        }
        return frames_ != frameLimit_;
    }

private:
    std::uint64_t frameLimit_;  // 0: no limit
    FrameCapture* capture_;
    FrameMeter* meter_;
    std::uint64_t frames_ = 0;
};

template <typename Pacer>
void runLoop(Pacer pacer, FrameWatch watch)
{
    while (pumpEvents()) {
        scene.drawFrame(pacer.nextFrameMs());
        watch.frameDrawn();
        SDL_GL_SwapBuffers();
        if (!watch.frameShown()) {
            return;
        }
    }
}

}  // namespace

void runFrames(const Options& options, FrameCapture* capture, FrameMeter* meter)
{
    const FrameWatch watch(options.frameLimit, capture, meter);
    if (meter != nullptr) {
        meter->start(steadySeconds());
    }
    // Each pacer takes its first clock reading here, just before the loop.
    if (options.stepMs) {
        runLoop(FixedStepPacer(*options.stepMs), watch);
    } else if (options.maxFps > 0) {
        runLoop(SleepingPacer(options.maxFps), watch);
    } else if (options.vsync) {
        runLoop(UnpacedPacer(), watch);
    } else {
        runLoop(BusyTickPacer(), watch);
    }
}
