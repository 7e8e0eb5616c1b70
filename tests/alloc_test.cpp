// Counts heap allocations across many frames. The demo allocates nothing
// per frame: its images live in the static scene and the textures are
// created once. This binary replaces malloc, calloc and realloc (and so
// operator new, which uses malloc) with counting versions, so it stands
// apart from the other tests.
#include <gtest/gtest.h>

#include <cstddef>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/demo.h"
#include "app/frame_meter.h"
#include "app/options.h"
#include "recording/recorder.h"
#include "scene/TextureScene.h"
#include "test_files.h"

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
}

namespace {
volatile bool counting = false;
volatile long allocations = 0;
}  // namespace

extern "C" void* malloc(std::size_t size)
{
    if (counting) {
        allocations = allocations + 1;
    }
    return __libc_malloc(size);
}

extern "C" void* calloc(std::size_t count, std::size_t size)
{
    if (counting) {
        allocations = allocations + 1;
    }
    return __libc_calloc(count, size);
}

extern "C" void* realloc(void* pointer, std::size_t size)
{
    if (counting) {
        allocations = allocations + 1;
    }
    return __libc_realloc(pointer, size);
}

namespace {

// The counter must see an allocation that happens, or its zeros mean nothing.
void expectTheCounterToWork()
{
    allocations = 0;
    counting = true;
    int* volatile probe = new int(1);
    delete probe;
    counting = false;
    ASSERT_EQ(allocations, 1);
    allocations = 0;
}

TEST(Allocations, TenThousandFramesAllocateNothing)
{
    rec::reset();
    auto subject = std::make_unique<TextureScene>();
    subject->initGL();
    subject->resize(640, 480);
    // The recording layer itself allocates to log; it stays silent here.
    rec::state().recording = false;

    expectTheCounterToWork();
    counting = true;
    for (int frame = 0; frame < 10000; ++frame) {
        subject->drawFrame(1.0f);
    }
    counting = false;
    EXPECT_EQ(allocations, 0);
}

TEST(Allocations, TheFrameRateReadoutAllocatesNothingWhileItWrites)
{
    // A real file, so that its lines are written out as on standard error.
    std::ofstream sink("/dev/null");
    FrameMeter meter(sink, 5.0);
    meter.start(0.0);
    expectTheCounterToWork();
    counting = true;
    // 10,000 frames of 1 ms: one interval line every 5,000 frames.
    for (int frame = 1; frame <= 10000; ++frame) {
        meter.frameShown(frame / 1000.0);
    }
    counting = false;
    EXPECT_EQ(allocations, 0);
}

TEST(Allocations, ARunWithTheReadoutAndAScreenshotAllocatesNothingPerFrame)
{
    constexpr int kFrames = 10000;
    rec::reset();
    rec::state().recording = false;
    // Counted from the end of the first frame to the end of the last; the
    // second frame is the first to be counted whole.
    rec::state().script.onSwap = [](int swaps) {
        if (swaps == 1) {
            allocations = 0;
            counting = true;
        }
        if (swaps == kFrames) {
            counting = false;
            rec::queueEvent(SDL_QUIT);
        }
    };
    const TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    Options options;
    options.showFps = true;
    options.screenshotPath = folder.path() + "/last.png";  // so every frame is copied
    options.windowed = true;
    options.width = 64;  // a small window keeps the stand-in's pixel reads quick
    options.height = 48;
    std::ostringstream out;
    std::ofstream err("/dev/null");
    expectTheCounterToWork();
    ASSERT_EQ(runDemo(options, out, err), 0);
    EXPECT_EQ(allocations, 0);
}

}  // namespace
