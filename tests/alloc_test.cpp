// Counts heap allocations across many frames. The demo allocates nothing
// per frame: its images live in the static scene and the textures are
// created once. This binary replaces malloc, calloc and realloc (and so
// operator new, which uses malloc) with counting versions, so it stands
// apart from the other tests.
#include <gtest/gtest.h>

#include <cstddef>
#include <memory>

#include "recording/recorder.h"
#include "scene/TextureScene.h"

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

TEST(Allocations, TenThousandFramesAllocateNothing)
{
    rec::reset();
    auto subject = std::make_unique<TextureScene>();
    subject->initGL();
    subject->resize(640, 480);
    // The recording layer itself allocates to log; it stays silent here.
    rec::state().recording = false;

    // The counter proves itself first, so a zero below means something.
    counting = true;
    int* volatile probe = new int(1);
    delete probe;
    counting = false;
    ASSERT_EQ(allocations, 1);

    allocations = 0;
    counting = true;
    for (int frame = 0; frame < 10000; ++frame) {
        subject->drawFrame(1.0f);
    }
    counting = false;
    EXPECT_EQ(allocations, 0);
}

}  // namespace
