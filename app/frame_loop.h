// The frame loop: pump the events, wait for the frame's turn, draw, swap,
// until a quit or the frame limit.
#pragma once

struct Options;
class FrameCapture;
class FrameMeter;

// Runs frames, paced as the options ask, until a quit event or until
// options.frameLimit frames have been shown. capture (for --screenshot) and
// meter (for --fps) are null when not asked for.
void runFrames(const Options& options, FrameCapture* capture, FrameMeter* meter);
