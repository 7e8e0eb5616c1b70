// The --fps readout against frame times of the test's own: the interval
// lines, the summary and the percentiles kept in fixed buckets.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "app/frame_meter.h"

namespace {

using ::testing::ElementsAre;

// Half a bucket: a percentile is reported to within this share.
constexpr double kBucketTolerance = 0.006;

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Shows frames whose times, in milliseconds, are given one by one.
double show(FrameMeter& meter, double startSeconds, const std::vector<double>& frameMs)
{
    double now = startSeconds;
    for (double ms : frameMs) {
        now += ms / 1000.0;
        meter.frameShown(now);
    }
    return now;
}

std::vector<double> repeated(int count, double ms)
{
    return std::vector<double>(count, ms);
}

TEST(FrameMeter, WritesALineEveryIntervalAndASummaryAtTheEnd)
{
    std::ostringstream out;
    FrameMeter meter(out, 5.0);
    meter.start(100.0);
    // Frames of 1/256 s (exact in binary, so the sums are too) for 12 s:
    // two whole intervals of 1,280 frames, then 2 s more.
    const double frameMs = 1000.0 / 256;
    const double end = show(meter, 100.0, repeated(3072, frameMs));
    meter.writeSummary(end);

    const std::vector<std::string> lines = linesOf(out.str());
    ASSERT_EQ(lines.size(), 3u) << out.str();
    EXPECT_EQ(lines[0], "fps: 1280 frames in 5.00 s = 256.0 frames/s");
    EXPECT_EQ(lines[1], "fps: 1280 frames in 5.00 s = 256.0 frames/s");
    double medianMs = 0.0, p99Ms = 0.0;
    ASSERT_EQ(std::sscanf(lines[2].c_str(),
                          "fps: 3072 frames in 12.00 s = 256.0 frames/s mean; "
                          "frame time median %lf ms, 99th percentile %lf ms",
                          &medianMs, &p99Ms),
              2)
        << lines[2];
    EXPECT_NEAR(medianMs, frameMs, frameMs * kBucketTolerance);
    EXPECT_NEAR(p99Ms, frameMs, frameMs * kBucketTolerance);
}

TEST(FrameMeter, PercentilesComeFromTheFrameTimes)
{
    struct Case {
        const char* name;
        std::vector<std::vector<double>> runs;  // groups of frame times, shown in order
        double medianMs, p99Ms;
    };
    auto frames = [](int count, double ms) { return repeated(count, ms); };
    const Case cases[] = {
        {"all alike", {frames(100, 1.5)}, 1.5, 1.5},
        {"990 fast, 10 slow: the 990th is still fast", {frames(990, 2.0), frames(10, 40.0)}, 2.0, 2.0},
        {"989 fast, 11 slow: the 990th is slow", {frames(989, 2.0), frames(11, 40.0)}, 2.0, 40.0},
        {"slow frames first", {frames(11, 40.0), frames(989, 2.0)}, 2.0, 40.0},
        {"half and half: the lower median", {frames(50, 1.0), frames(50, 3.0)}, 1.0, 3.0},
        {"sub-millisecond frames", {frames(100, 0.25)}, 0.25, 0.25},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        FrameMeter meter(out, 5.0);
        meter.start(0.0);
        double now = 0.0;
        for (const std::vector<double>& run : c.runs) {
            now = show(meter, now, run);
        }
        EXPECT_NEAR(meter.percentileMs(0.5), c.medianMs, c.medianMs * kBucketTolerance) << c.name;
        EXPECT_NEAR(meter.percentileMs(0.99), c.p99Ms, c.p99Ms * kBucketTolerance) << c.name;
    }
}

TEST(FrameMeter, ExtremeFrameTimesLandInTheEndBuckets)
{
    std::ostringstream out;
    FrameMeter meter(out, 1e9);
    meter.start(10.0);
    meter.frameShown(10.0);            // no time at all
    meter.frameShown(10.0 + 1e-12);    // far below a microsecond
    meter.frameShown(10.0 + 100000.0); // more than a day
    EXPECT_EQ(meter.frames(), 3u);
    EXPECT_LT(meter.percentileMs(0.5), 2 * FrameMeter::kSmallestMs);
    EXPECT_GT(meter.percentileMs(1.0), 4e6);  // the last bucket: about 71 minutes
}

TEST(FrameMeter, NoFramesMakeAZeroSummary)
{
    std::ostringstream out;
    FrameMeter meter(out, 5.0);
    meter.start(3.0);
    meter.writeSummary(3.0);
    EXPECT_THAT(linesOf(out.str()), ElementsAre("fps: 0 frames in 0.00 s = 0.0 frames/s mean; "
                                                "frame time median 0.000 ms, 99th percentile 0.000 ms"));
}

}  // namespace
