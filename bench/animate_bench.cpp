// CPU cost of the demo's own code, with the OpenGL calls stubbed out by the
// recording layer (recording switched off): the texture animation with its
// uploads stubbed, the sweep and speckle arithmetic alone, and a whole
// drawFrame. Set against a frame on the real stack, this is the share of a
// frame that the program itself spends.
#include <benchmark/benchmark.h>

#include <memory>

#include "recording/recorder.h"
#include "scene/TextureScene.h"

namespace {

std::unique_ptr<TextureScene> preparedScene()
{
    rec::reset();
    rec::state().recording = false;
    auto s = std::make_unique<TextureScene>();
    s->initGL();
    s->resize(640, 480);
    return s;
}

void BM_SweepStep(benchmark::State& state)
{
    std::unique_ptr<TextureScene> s = preparedScene();
    for (auto _ : state) {
        paintSweepStep(s->sweepImage);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SweepStep);

void BM_Speckle(benchmark::State& state)
{
    std::unique_ptr<TextureScene> s = preparedScene();
    for (auto _ : state) {
        paintSpeckle(s->speckleImage);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Speckle);

void BM_AnimateTexturesStubbedUploads(benchmark::State& state)
{
    std::unique_ptr<TextureScene> s = preparedScene();
    for (auto _ : state) {
        s->animateTextures();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AnimateTexturesStubbedUploads);

void BM_DrawFrameStubbedGL(benchmark::State& state)
{
    std::unique_ptr<TextureScene> s = preparedScene();
    for (auto _ : state) {
        s->drawFrame(1.0f);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawFrameStubbedGL);

}  // namespace

BENCHMARK_MAIN();
