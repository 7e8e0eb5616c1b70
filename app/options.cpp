// Parses the command line with CLI11. Every value is checked here, with a
// message that names the option and says what it takes, so that a bad value
// is refused before any window opens.
#include "options.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <cmath>
#include <limits>
#include <ostream>

namespace {

constexpr char kProgram[] = "animated-texture";
constexpr char kDescription[] =
    "A cube and a sphere orbit a pivot under one spot light, wearing two\n"
    "128 x 128 textures that the CPU repaints every frame. Escape quits.";
constexpr char kExamples[] =
    "Examples:\n"
    "  animated-texture --windowed --size 800x600 --fps\n"
    "  animated-texture --step-ms 1 --seed 1 --frames 900 --screenshot frame.png";

constexpr unsigned long long kMaxFrameRate = 1000000;
// Where --help starts an option's description, so that lines fit 80 columns.
constexpr std::size_t kHelpColumn = 24;

// Reads the whole of text as a whole number in [min, max].
bool readWhole(const std::string& text, unsigned long long min, unsigned long long max,
               unsigned long long& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return error == std::errc() && stop == end && value >= min && value <= max;
}

std::string wholeNumberRange(unsigned long long min, unsigned long long max)
{
    return max == std::numeric_limits<unsigned long long>::max()
               ? "a whole number of at least " + std::to_string(min)
               : "a whole number from " + std::to_string(min) + " to " + std::to_string(max);
}

// Milliseconds of animation per frame: a finite, non-negative number that a
// float can hold.
bool readStep(const std::string& text, float& stepMs)
{
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value) || value < 0.0 ||
        value > std::numeric_limits<float>::max()) {
        return false;
    }
    stepMs = static_cast<float>(value);
    return true;
}

// "WxH", each side from 1 to kMaxSidePixels.
bool readSize(const std::string& text, int& width, int& height)
{
    const std::string::size_type cross = text.find('x');
    unsigned long long w = 0, h = 0;
    if (cross == std::string::npos || !readWhole(text.substr(0, cross), 1, kMaxSidePixels, w) ||
        !readWhole(text.substr(cross + 1), 1, kMaxSidePixels, h)) {
        return false;
    }
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

// An option whose value read() takes apart; a value it refuses stops the
// parse with a message naming the option and what it expects.
template <typename Read>
CLI::Option* addValue(CLI::App& app, const std::string& names, const std::string& help,
                      const std::string& expected, Read read)
{
    const std::string longName = names.substr(names.rfind(',') + 1);
    return app.add_option_function<std::string>(
        names,
        [longName, expected, read](const std::string& text) {
            if (!read(text)) {
                throw CLI::ValidationError(longName, "expected " + expected + ", got \"" + text + "\"");
            }
        },
        help);
}

// A whole-number option in [min, max], stored into value.
template <typename Number>
CLI::Option* addWhole(CLI::App& app, const std::string& names, const std::string& help,
                      unsigned long long min, unsigned long long max, Number& value)
{
    return addValue(app, names, help, wholeNumberRange(min, max), [min, max, &value](const std::string& text) {
        unsigned long long number = 0;
        if (!readWhole(text, min, max, number)) {
            return false;
        }
        value = static_cast<Number>(number);
        return true;
    });
}

}  // namespace

CommandLine parseCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
    CommandLine command;
    Options& o = command.options;

    CLI::App app(kDescription, kProgram);
    app.footer(kExamples);
    app.get_formatter()->column_width(kHelpColumn);
    app.set_version_flag("--version", std::string(kProgram) + " " + DEMO_VERSION,
                         "Print the version and exit");
    app.add_flag("-w,--windowed", o.windowed, "A resizable window, not the fullscreen mode");
    addValue(app, "-s,--size", "Size of the mode or window (default 640x480)",
             "WxH, each side from 1 to " + std::to_string(kMaxSidePixels),
             [&o](const std::string& text) { return readSize(text, o.width, o.height); })
        ->type_name("WxH");
    app.add_flag("--fps", o.showFps, "Frame rate on standard error every 5 s, and at exit");
    addWhole(app, "-n,--frames", "End after N frames, with status 0", 1,
             std::numeric_limits<std::uint64_t>::max(), o.frameLimit)
        ->type_name("N");
    CLI::Option* stepOption = addValue(app, "--step-ms", "Move the animation MS ms a frame, unpaced",
             "a number of milliseconds, 0 or more", [&o](const std::string& text) {
                 float step = 0.0f;
                 if (!readStep(text, step)) {
                     return false;
                 }
                 o.stepMs = step;
                 return true;
             })
        ->type_name("MS");
    addWhole(app, "--seed", "Seed the colours with N instead of the clock", 0,
             std::numeric_limits<unsigned>::max(), o.seed)
        ->type_name("N");
    addValue(app, "--screenshot", "At the end, save the last frame as a PNG", "a file name",
             [&o](const std::string& text) {
                 o.screenshotPath = text;
                 return !text.empty();
             })
        ->type_name("FILE");
    app.add_flag("--vsync", o.vsync, "One swap per display refresh");
    // A fixed step runs its frames unpaced, so a cap would contradict it.
    addWhole(app, "--max-fps", "At most N frames a second, sleeping between", 1, kMaxFrameRate, o.maxFps)
        ->type_name("N")
        ->excludes(stepOption);
    app.add_flag("--info", o.info, "Also report renderer, versions and the mode got");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        command.run = false;
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {
            command.exitStatus = app.exit(e, out, err);  // --help or --version
        } else {
            err << kProgram << ": " << e.what() << " (try '" << kProgram << " --help')" << std::endl;
            command.exitStatus = kUsageStatus;
        }
        return command;
    }
    return command;
}
