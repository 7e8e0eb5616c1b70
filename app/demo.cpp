// Start-up, the start-up report, the run and shutdown.
#include "demo.h"

#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>

#include "frame_loop.h"
#include "frame_meter.h"
#include "options.h"
#include "scene/TextureScene.h"
#include "screenshot.h"

namespace {

constexpr int kDepthBufferBits = 16;
constexpr int kDriverNameBytes = 512;
constexpr double kFpsIntervalSeconds = 5.0;
constexpr int kScreenshotFailedStatus = 1;
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

int glAttribute(SDL_GLattr attribute)
{
    int value = 0;
    SDL_GL_GetAttribute(attribute, &value);
    return value;
}

std::string versionText(const SDL_version& version)
{
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.patch);
}

// --info: what the report leaves out, and what the mode request got.
void writeInfo(std::ostream& out, const SDL_Surface* screen)
{
    writeLine(out, "Renderer: ", glText(GL_RENDERER));
    writeLine(out, "Version: ", glText(GL_VERSION));
    SDL_version compiled;
    SDL_VERSION(&compiled);
    const std::string sdl = "compiled against " + versionText(compiled) + ", running " +
                            versionText(*SDL_Linked_Version());
    writeLine(out, "SDL: ", sdl.c_str());
    if (screen == nullptr) {
        writeLine(out, "Mode: none");
        return;
    }
    const std::string mode =
        std::to_string(screen->w) + "x" + std::to_string(screen->h) +
        ((screen->flags & SDL_FULLSCREEN) != 0 ? " fullscreen" : " window") + ", colour bits " +
        std::to_string(glAttribute(SDL_GL_RED_SIZE)) + "/" + std::to_string(glAttribute(SDL_GL_GREEN_SIZE)) +
        "/" + std::to_string(glAttribute(SDL_GL_BLUE_SIZE)) + ", depth bits " +
        std::to_string(glAttribute(SDL_GL_DEPTH_SIZE)) + ", swap interval " +
        std::to_string(glAttribute(SDL_GL_SWAP_CONTROL));
    writeLine(out, "Mode: ", mode.c_str());
}

// Returns the status the run ends with: 0, or the screenshot's failure.
int saveScreenshot(const std::string& path, const FrameImage& image, std::ostream& err)
{
    std::string reason;
    if (writePng(path, image, reason)) {
        return 0;
    }
    err << "animated-texture: couldn't write the screenshot " << path << ": " << reason << std::endl;
    return kScreenshotFailedStatus;
}

}  // namespace

int runDemo(const Options& options, std::ostream& out, std::ostream& err)
{
    catchTerminationSignals();
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO) < 0) {
        writeLine(out, "Couldn't init SDL");
        releaseTerminationSignals();
        return -1;
    }
    // The scene seeded the generator from the clock when it was built; a
    // given seed replaces that, as if the clock had read it.
    if (options.seed) {
        std::srand(*options.seed);
    }
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, kDepthBufferBits);
    if (options.vsync) {
        SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, 1);
    }
    const SDL_Surface* screen = SDL_SetVideoMode(options.width, options.height, kScreenBitsPerPixel,
                                                 options.windowed ? kWindowFlags : kFullscreenFlags);

    char driverName[kDriverNameBytes];
    const char* driver = SDL_VideoDriverName(driverName, sizeof driverName);
    writeReport(out, orEmpty(driver));
    if (options.info) {
        writeInfo(out, screen);
    }

    // No fallback: the failure is reported and the demo carries on,
    // leaving the graphics calls to do what they can without a mode.
    if (screen == nullptr) {
        writeLine(out, options.windowed ? "Couldn't open the window" : "Couldn't go fullscreen");
        writeLine(out, orEmpty(SDL_GetError()));
    }

    scene.initGL();
    scene.resize(options.width, options.height);
    SDL_WM_SetCaption(kCaption, nullptr);
    // The fullscreen demo owns the screen and hides the pointer; a window
    // leaves it to the desktop.
    if (!options.windowed) {
        SDL_ShowCursor(SDL_DISABLE);
        SDL_WarpMouse(static_cast<Uint16>(options.width / 2), static_cast<Uint16>(options.height / 2));
    }

    std::optional<FrameCapture> capture;
    if (!options.screenshotPath.empty()) {
        capture.emplace(options.width, options.height);
    }
    std::optional<FrameMeter> meter;
    if (options.showFps) {
        meter.emplace(err, kFpsIntervalSeconds);
    }
    runFrames(options, capture ? &*capture : nullptr, meter ? &*meter : nullptr);
    if (meter) {
        meter->writeSummary(steadySeconds());
    }
    const int status = capture ? saveScreenshot(options.screenshotPath, capture->image(), err) : 0;

    if (!options.windowed) {
        SDL_ShowCursor(SDL_ENABLE);
    }
    SDL_Quit();
    releaseTerminationSignals();
    return status;
}
