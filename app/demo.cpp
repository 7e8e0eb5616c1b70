// Start-up, the start-up report, the frame loop and shutdown.
#include "demo.h"

#include <SDL.h>

#include <ostream>

#include "scene/TextureScene.h"

namespace {

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
// 0 keeps the display's current colour depth.
constexpr int kScreenBitsPerPixel = 0;
constexpr int kDepthBufferBits = 16;
constexpr int kDriverNameBytes = 512;
constexpr char kCaption[] = "Quillmarsh - openGL animated texture";
constexpr char kRule[] = "-------------------------------";

// Without a video mode OpenGL has no strings, and SDL may have no driver
// name: the report then shows the label alone.
const char* orEmpty(const char* text)
{
    return text != nullptr ? text : "";
}

const char* glText(GLenum name)
{
    return orEmpty(reinterpret_cast<const char*>(glGetString(name)));
}

// Every line is flushed at once, so the report reaches a pipe or a log
// even if the program is killed later.
void writeLine(std::ostream& out, const char* label, const char* text = "")
{
    out << label << text << std::endl;
}

void writeReport(std::ostream& out, const char* driverName)
{
    writeLine(out, "SDL Video Driver-name: ", driverName);
    writeLine(out, "OpenGL Infos");
    writeLine(out, kRule);
    writeLine(out, " Vendor: ", glText(GL_VENDOR));
    writeLine(out, " Extensions: ", glText(GL_EXTENSIONS));
    writeLine(out, kRule);
}

// Waits, without sleeping, until the millisecond counter moves past
// lastTicks: at most one frame per counter change. Returns the new reading.
Uint32 waitForNextTick(Uint32 lastTicks)
{
    Uint32 now;
    do {
        now = SDL_GetTicks();
    } while (now == lastTicks);
    return now;
}

// Each frame is timed from the previous frame's reading, so the time spent
// drawing and swapping counts too and the animation runs at its rate in
// milliseconds whatever the frame rate. Unsigned subtraction keeps the
// difference right when the counter wraps.
void runFrameLoop()
{
    Uint32 lastTicks = SDL_GetTicks();
    while (pumpEvents()) {
        const Uint32 now = waitForNextTick(lastTicks);
        const Uint32 elapsedMs = now - lastTicks;
        lastTicks = now;
        scene.drawFrame(static_cast<float>(elapsedMs));
        SDL_GL_SwapBuffers();
    }
}

}  // namespace

int runDemo(std::ostream& out)
{
    catchTerminationSignals();
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) < 0) {
        writeLine(out, "Couldn't init SDL");
        releaseTerminationSignals();
        return -1;
    }
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, kDepthBufferBits);
    const SDL_Surface* screen = SDL_SetVideoMode(
        kScreenWidth, kScreenHeight, kScreenBitsPerPixel, SDL_FULLSCREEN | SDL_OPENGL);

    char driverName[kDriverNameBytes];
    const char* driver = SDL_VideoDriverName(driverName, sizeof driverName);
    writeReport(out, orEmpty(driver));

    // No window fallback: the failure is reported and the demo carries on,
    // leaving the graphics calls to do what they can without a mode.
    if (screen == nullptr) {
        writeLine(out, "Couldn't go fullscreen");
        writeLine(out, orEmpty(SDL_GetError()));
    }

    scene.initGL();
    scene.resize(kScreenWidth, kScreenHeight);
    SDL_WM_SetCaption(kCaption, nullptr);
    SDL_ShowCursor(SDL_DISABLE);
    SDL_WarpMouse(kScreenWidth / 2, kScreenHeight / 2);

    runFrameLoop();

    SDL_ShowCursor(SDL_ENABLE);
    SDL_Quit();
    releaseTerminationSignals();
    return 0;
}
