// The --fps readout: every few seconds the frames drawn and their rate, and
// at the end a summary with the median and 99th-percentile frame time.
// Frame times go into a histogram of fixed buckets, so a run of any length
// allocates nothing per frame. Times are seconds from any steady clock; the
// demo passes steadySeconds(), tests pass times of their own.
#pragma once

#include <cstdint>
#include <iosfwd>

// Seconds on the monotonic clock, for the meter and the frame loop.
double steadySeconds();

class FrameMeter {
public:
    // Lines go to out, one every intervalSeconds while frames are shown.
    FrameMeter(std::ostream& out, double intervalSeconds);

    // The run's frames are timed from here.
    void start(double nowSeconds);
    // One frame is on the screen: its time is the time since the previous
    // one (or since start).
    void frameShown(double nowSeconds);
    // Total frames, seconds since start, the mean rate, the median and the
    // 99th-percentile frame time.
    void writeSummary(double nowSeconds) const;

    std::uint64_t frames() const { return frames_; }
    // The frame time below which the given fraction of frames fall, in
    // milliseconds, to within half a bucket (about 0.5 %); 0 without frames.
    double percentileMs(double fraction) const;

    // Buckets grow by the 64th root of 2 from 1 microsecond, over 32
    // doublings: about 71 minutes. Faster or slower frames land in the end
    // buckets.
    static constexpr int kBucketsPerDoubling = 64;
    static constexpr int kDoublings = 32;
    static constexpr int kBuckets = kBucketsPerDoubling * kDoublings;
    static constexpr double kSmallestMs = 0.001;

private:
    std::ostream& out_;
    double intervalSeconds_;
    double startSeconds_ = 0.0;
    double lastSeconds_ = 0.0;
    double intervalStartSeconds_ = 0.0;
    std::uint64_t frames_ = 0;
    std::uint64_t intervalFrames_ = 0;
    std::uint64_t buckets_[kBuckets] = {};
};
