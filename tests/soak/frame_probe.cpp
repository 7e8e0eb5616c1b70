// A probe preloaded into the real demo (LD_PRELOAD) for long runs: it counts
// the buffer swaps, notes the resident memory at a mark frame and at the
// last frame, writes what it saw to a file and then asks the demo to quit
// through SDL's own event queue, as the window system would.
//
// Settings, from the environment of the probed process:
//   FRAME_PROBE_FRAMES  frames to run (default 20000)
//   FRAME_PROBE_MARK    frame of the first memory reading (default 1000)
//   FRAME_PROBE_OUT     file for the result line (default: standard error)
#include <SDL.h>
#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

long envOr(const char* name, long fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr ? std::strtol(text, nullptr, 10) : fallback;
}

long residentKiB()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

using Clock = std::chrono::steady_clock;

long frames = 0;
long markResidentKiB = 0;
Clock::time_point markTime;

void report(long lastResidentKiB, double framesPerSecond)
{
    const char* path = std::getenv("FRAME_PROBE_OUT");
    FILE* out = path != nullptr ? std::fopen(path, "w") : stderr;
    if (out == nullptr) {
        return;
    }
    std::fprintf(out, "frames=%ld mark_rss_kib=%ld end_rss_kib=%ld fps=%.1f\n", frames,
                 markResidentKiB, lastResidentKiB, framesPerSecond);
    if (out != stderr) {
        std::fclose(out);
    }
}

}  // namespace

extern "C" void SDL_GL_SwapBuffers()
{
    using Swap = void (*)();
    using Push = int (*)(SDL_Event*);
    static const Swap realSwap = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers"));
    static const Push realPush = reinterpret_cast<Push>(dlsym(RTLD_NEXT, "SDL_PushEvent"));
    static const long lastFrame = envOr("FRAME_PROBE_FRAMES", 20000);
    static const long markFrame = envOr("FRAME_PROBE_MARK", 1000);

    realSwap();
    ++frames;
    if (frames == markFrame) {
        markResidentKiB = residentKiB();
        markTime = Clock::now();
    }
    if (frames == lastFrame) {
        const double seconds = std::chrono::duration<double>(Clock::now() - markTime).count();
        report(residentKiB(), seconds > 0 ? (lastFrame - markFrame) / seconds : 0.0);
        SDL_Event quit = {};
        quit.type = SDL_QUIT;
        realPush(&quit);
    }
}
