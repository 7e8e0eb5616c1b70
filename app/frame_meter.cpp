// Frame counts, rates and the frame-time histogram of the --fps readout.
#include "frame_meter.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace {

constexpr double kMsPerSecond = 1000.0;
// Long enough for any line the meter writes.
constexpr int kLineBytes = 200;

int bucketOf(double frameMs)
{
    const double steps = std::log2(frameMs / FrameMeter::kSmallestMs) * FrameMeter::kBucketsPerDoubling;
    if (!(steps > 0.0)) {  // also a time of 0, whose logarithm is minus infinity
        return 0;
    }
    return steps >= FrameMeter::kBuckets ? FrameMeter::kBuckets - 1 : static_cast<int>(steps);
}

// The geometric middle of a bucket: within half a bucket of any time in it.
double middleOf(int bucket)
{
    return FrameMeter::kSmallestMs * std::exp2((bucket + 0.5) / FrameMeter::kBucketsPerDoubling);
}

double rate(std::uint64_t frames, double seconds)
{
    return seconds > 0.0 ? frames / seconds : 0.0;
}

}  // namespace

double steadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

FrameMeter::FrameMeter(std::ostream& out, double intervalSeconds)
    : out_(out), intervalSeconds_(intervalSeconds)
{
}

void FrameMeter::start(double nowSeconds)
{
    startSeconds_ = lastSeconds_ = intervalStartSeconds_ = nowSeconds;
}

void FrameMeter::frameShown(double nowSeconds)
{
    ++buckets_[bucketOf((nowSeconds - lastSeconds_) * kMsPerSecond)];
    lastSeconds_ = nowSeconds;
    ++frames_;
    ++intervalFrames_;

    const double intervalSeconds = nowSeconds - intervalStartSeconds_;
    if (intervalSeconds >= intervalSeconds_) {
        char line[kLineBytes];
        std::snprintf(line, sizeof line, "fps: %llu frames in %.2f s = %.1f frames/s",
                      static_cast<unsigned long long>(intervalFrames_), intervalSeconds,
                      rate(intervalFrames_, intervalSeconds));
        out_ << line << std::endl;
        intervalStartSeconds_ = nowSeconds;
        intervalFrames_ = 0;
    }
}

void FrameMeter::writeSummary(double nowSeconds) const
{
    const double seconds = nowSeconds - startSeconds_;
    char line[kLineBytes];
    std::snprintf(line, sizeof line,
                  "fps: %llu frames in %.2f s = %.1f frames/s mean; "
                  "frame time median %.3f ms, 99th percentile %.3f ms",
                  static_cast<unsigned long long>(frames_), seconds, rate(frames_, seconds),
                  percentileMs(0.5), percentileMs(0.99));
    out_ << line << std::endl;
}

double FrameMeter::percentileMs(double fraction) const
{
    if (frames_ == 0) {
        return 0.0;
    }
    // The smallest time that at least this share of the frames do not exceed.
    const double rank = std::ceil(fraction * static_cast<double>(frames_));
    std::uint64_t seen = 0;
    for (int bucket = 0; bucket < kBuckets; ++bucket) {
        seen += buckets_[bucket];
        if (seen >= rank && seen > 0) {
            return middleOf(bucket);
        }
    }
    return middleOf(kBuckets - 1);
}
