// Reading the back buffer, and writing it out with libpng.
#include "screenshot.h"

#include <GL/gl.h>
#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kBytesPerPixel = 3;
constexpr int kBitsPerChannel = 8;

// What went wrong inside libpng: the system's reason when a write failed,
// else libpng's own message.
struct PngFailure {
    std::string reason;
};

[[noreturn]] void onPngError(png_structp png, png_const_charp message)
{
    auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
    failure->reason = errno != 0 ? std::strerror(errno) : message;
    png_longjmp(png, 1);
}

// A plain RGB image gives libpng nothing to warn about that a user could act on.
void onPngWarning(png_structp, png_const_charp) {}

// Streams the image into an open file. Kept free of objects with
// destructors, since libpng reports errors by a long jump back here.
bool writeImage(FILE* file, const FrameImage& image, PngFailure& failure)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &failure, onPngError, onPngWarning);
    if (png == nullptr) {
        failure.reason = "libpng could not start";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, image.width, image.height, kBitsPerChannel, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    // OpenGL's rows run bottom first, a PNG's top first.
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * kBytesPerPixel;
    for (int row = image.height - 1; row >= 0; --row) {
        png_write_row(png, &image.rgb[row * rowBytes]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

// A failed write leaves no truncated file behind, but only a regular file
// is removed: the name might be a device such as /dev/full.
void removePartialFile(const std::string& path)
{
    struct stat status = {};
    if (stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        std::remove(path.c_str());
    }
}

}  // namespace

FrameCapture::FrameCapture(int width, int height)
{
    image_.rgb.reserve(static_cast<std::size_t>(width) * height * kBytesPerPixel);
}

void FrameCapture::copyBackBuffer()
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    image_.width = viewport[2];
    image_.height = viewport[3];
    image_.rgb.resize(static_cast<std::size_t>(image_.width) * image_.height * kBytesPerPixel);
    // Rows of 3 x width bytes, packed without padding.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, image_.width, image_.height, GL_RGB, GL_UNSIGNED_BYTE, image_.rgb.data());
}

bool writePng(const std::string& path, const FrameImage& image, std::string& reason)
{
    if (image.width <= 0 || image.height <= 0) {
        reason = "no frame was drawn";
        return false;
    }
    errno = 0;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        reason = std::strerror(errno);
        return false;
    }
    PngFailure failure;
    errno = 0;
    bool written = writeImage(file, image, failure);
    // stdio holds the last bytes until the file is closed: a full disk may
    // show only here.
    if (std::fflush(file) != 0 && written) {
        written = false;
        failure.reason = std::strerror(errno);
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        failure.reason = std::strerror(errno);
    }
    if (!written) {
        reason = failure.reason;
        removePartialFile(path);
    }
    return written;
}
