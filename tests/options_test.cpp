// The command line: what each option sets, what --help and --version
// print, and how a bad command line is refused.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/options.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Parsed {
    CommandLine command;
    std::string out, err;
};

Parsed parse(std::vector<std::string> args)
{
    args.insert(args.begin(), "animated-texture");
    std::vector<const char*> argv;
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    std::ostringstream out, err;
    Parsed parsed;
    parsed.command = parseCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    parsed.out = out.str();
    parsed.err = err.str();
    return parsed;
}

TEST(Options, NoArgumentsRunTheDemoAsItAlwaysRan)
{
    const Parsed p = parse({});
    ASSERT_TRUE(p.command.run);
    const Options& o = p.command.options;
    EXPECT_FALSE(o.windowed);
    EXPECT_EQ(o.width, 640);
    EXPECT_EQ(o.height, 480);
    EXPECT_FALSE(o.showFps);
    EXPECT_EQ(o.frameLimit, 0u);
    EXPECT_FALSE(o.stepMs.has_value());
    EXPECT_FALSE(o.seed.has_value());
    EXPECT_EQ(o.screenshotPath, "");
    EXPECT_FALSE(o.vsync);
    EXPECT_EQ(o.maxFps, 0);
    EXPECT_FALSE(o.info);
    EXPECT_EQ(p.out + p.err, "");
}

TEST(Options, EachOptionSetsItsField)
{
    struct Case {
        std::vector<std::string> args;
        std::function<bool(const Options&)> holds;
    };
    const Case cases[] = {
        {{"-w"}, [](const Options& o) { return o.windowed; }},
        {{"--windowed"}, [](const Options& o) { return o.windowed; }},
        {{"-s", "800x600"}, [](const Options& o) { return o.width == 800 && o.height == 600; }},
        {{"--size=1x16384"}, [](const Options& o) { return o.width == 1 && o.height == 16384; }},
        {{"--fps"}, [](const Options& o) { return o.showFps; }},
        {{"-n", "1"}, [](const Options& o) { return o.frameLimit == 1; }},
        {{"--frames", "18446744073709551615"},
         [](const Options& o) { return o.frameLimit == 18446744073709551615u; }},
        {{"--step-ms", "0"}, [](const Options& o) { return o.stepMs == 0.0f; }},
        {{"--step-ms", "16.5"}, [](const Options& o) { return o.stepMs == 16.5f; }},
        {{"--seed", "0"}, [](const Options& o) { return o.seed == 0u; }},
        {{"--seed", "4294967295"}, [](const Options& o) { return o.seed == 4294967295u; }},
        {{"--screenshot", "out.png"}, [](const Options& o) { return o.screenshotPath == "out.png"; }},
        {{"--vsync"}, [](const Options& o) { return o.vsync; }},
        {{"--max-fps", "60"}, [](const Options& o) { return o.maxFps == 60; }},
        {{"--info"}, [](const Options& o) { return o.info; }},
        {{"-wn5", "--vsync"}, [](const Options& o) { return o.windowed && o.frameLimit == 5 && o.vsync; }},
    };
    for (const Case& c : cases) {
        const Parsed p = parse(c.args);
        const std::string name = ::testing::PrintToString(c.args);
        ASSERT_TRUE(p.command.run) << name << ": " << p.err;
        EXPECT_TRUE(c.holds(p.command.options)) << name;
        EXPECT_EQ(p.err, "") << name;
    }
}

TEST(Options, HelpAndVersionPrintAndExitWithoutARun)
{
    const Parsed help = parse({"--help"});
    EXPECT_FALSE(help.command.run);
    EXPECT_EQ(help.command.exitStatus, 0);
    EXPECT_EQ(help.err, "");
    for (const char* option : {"--windowed", "--size WxH", "--fps", "--frames N", "--step-ms MS", "--seed N",
                               "--screenshot FILE", "--vsync", "--max-fps N", "--info", "--help", "--version"}) {
        EXPECT_THAT(help.out, HasSubstr(option));
    }

    const Parsed version = parse({"--version"});
    EXPECT_FALSE(version.command.run);
    EXPECT_EQ(version.command.exitStatus, 0);
    EXPECT_EQ(version.out, std::string("animated-texture ") + DEMO_VERSION + "\n");
    EXPECT_EQ(version.err, "");
}

TEST(Options, BadCommandLinesAreRefusedInOneLineWithStatusTwo)
{
    struct Case {
        std::vector<std::string> args;
        const char* mentions;  // the option, or the argument, that is at fault
    };
    const Case cases[] = {
        {{"--no-such-option"}, "--no-such-option"},
        {{"stray"}, "stray"},
        {{"--size"}, "--size"},
        {{"--size", "0x480"}, "--size"},
        {{"--size", "640x0"}, "--size"},
        {{"--size", "-640x480"}, "--size"},
        {{"--size", "16385x480"}, "--size"},
        {{"--size", "640"}, "--size"},
        {{"--size", "640x480x24"}, "--size"},
        {{"--size", "640 x 480"}, "--size"},
        {{"--frames", "0"}, "--frames"},
        {{"--frames", "-3"}, "--frames"},
        {{"--frames", "ten"}, "--frames"},
        {{"--frames", "18446744073709551616"}, "--frames"},
        {{"--step-ms", "-1"}, "--step-ms"},
        {{"--step-ms", "nan"}, "--step-ms"},
        {{"--step-ms", "inf"}, "--step-ms"},
        {{"--step-ms", "1e39"}, "--step-ms"},
        {{"--step-ms", "1ms"}, "--step-ms"},
        {{"--max-fps", "0"}, "--max-fps"},
        {{"--max-fps", "sixty"}, "--max-fps"},
        {{"--seed", "one"}, "--seed"},
        {{"--seed", "-1"}, "--seed"},
        {{"--seed", "4294967296"}, "--seed"},
        {{"--screenshot"}, "--screenshot"},
        {{"--screenshot="}, "--screenshot"},
        {{"--frames", "3", "--frames", "4"}, "--frames"},
        // A fixed step runs unpaced, so it cannot also be capped.
        {{"--step-ms", "1", "--max-fps", "60"}, "--max-fps"},
    };
    for (const Case& c : cases) {
        const Parsed p = parse(c.args);
        const std::string name = ::testing::PrintToString(c.args);
        EXPECT_FALSE(p.command.run) << name;
        EXPECT_EQ(p.command.exitStatus, 2) << name;
        EXPECT_EQ(p.out, "") << name;
        EXPECT_THAT(p.err, StartsWith("animated-texture: ")) << name;
        EXPECT_THAT(p.err, HasSubstr(c.mentions)) << name;
        EXPECT_THAT(p.err, HasSubstr("--help")) << name;
        EXPECT_EQ(std::count(p.err.begin(), p.err.end(), '\n'), 1) << name << ": " << p.err;
    }
}

}  // namespace
