// Files for the tests: a temporary folder of the test's own, removed with
// what is in it, and the pixels of a PNG file as libpng reads them back.
#pragma once

#include <png.h>
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/animated-texture-test-XXXXXX";
        if (mkdtemp(pattern) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempFolder()
    {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Empty when the folder could not be made.
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// An image read as 8-bit RGB, top row first; error says why when it could
// not be read.
struct PngPixels {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<unsigned char> rgb;
    std::string error;
};

inline PngPixels readPng(const std::string& path)
{
    PngPixels read;
    png_image png = {};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&png, path.c_str())) {
        read.width = png.width;
        read.height = png.height;
        png.format = PNG_FORMAT_RGB;
        read.rgb.resize(PNG_IMAGE_SIZE(png));
        png_image_finish_read(&png, nullptr, read.rgb.data(), 0, nullptr);
    }
    if (PNG_IMAGE_FAILED(png)) {
        read.error = png.message;
        read.rgb.clear();
    }
    return read;
}
