// --screenshot: a copy of the last frame drawn, and the PNG file made of it.
//
// The copy is taken from the back buffer before the swap: what a buffer
// holds after a swap is undefined in OpenGL, and reading the front buffer
// gives nothing on some builds of this stack, so the frame is caught while
// it is still defined. When the run has a frame limit only its last frame
// is copied; otherwise every frame is, since a quit can follow any of them.
#pragma once

#include <string>
#include <vector>

// An RGB image of 8-bit channels, rows bottom first, as OpenGL reads them.
struct FrameImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;  // 3 * width * height bytes
};

class FrameCapture {
public:
    // Makes room for a frame of the window's size before the first frame.
    FrameCapture(int width, int height);
    // Copies the current viewport of the back buffer. The storage grows only
    // when the window has grown, so a frame allocates nothing.
    void copyBackBuffer();
    const FrameImage& image() const { return image_; }

private:
    FrameImage image_;
};

// Writes the image as an 8-bit RGB PNG, top row first. On failure it
// returns false with the reason in reason, and leaves no partial file.
bool writePng(const std::string& path, const FrameImage& image, std::string& reason);
