// The screenshot file: the PNG holds the frame's pixels with the top row
// first, and a file that cannot be written is refused with the system's
// reason, leaving nothing half-written behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "app/screenshot.h"
#include "test_files.h"

namespace {

// A folder of the test's own, removed with what is in it.
class ScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(folder.empty()); }

    TempFolder temp;
    const std::string folder = temp.path();
};

bool exists(const std::string& path)
{
    struct stat status = {};
    return stat(path.c_str(), &status) == 0;
}

// 3 x 2 pixels, bottom row first as OpenGL reads them: every byte differs.
FrameImage smallFrame()
{
    FrameImage image;
    image.width = 3;
    image.height = 2;
    for (int i = 0; i < 18; ++i) {
        image.rgb.push_back(static_cast<unsigned char>(10 * i + 1));
    }
    return image;
}

TEST_F(ScreenshotTest, ThePngHoldsTheFrameTopRowFirst)
{
    const std::string path = folder + "/frame.png";
    std::string reason;
    ASSERT_TRUE(writePng(path, smallFrame(), reason)) << reason;

    const PngPixels png = readPng(path);
    ASSERT_EQ(png.error, "");
    EXPECT_EQ(png.width, 3u);
    EXPECT_EQ(png.height, 2u);
    const std::vector<unsigned char>& pixels = png.rgb;

    // The frame's second row (the top of the picture) comes first.
    const std::vector<unsigned char> expected = {91, 101, 111, 121, 131, 141, 151, 161, 171,
                                                 1,  11,  21,  31,  41,  51,  61,  71,  81};
    EXPECT_EQ(pixels, expected);
}

TEST_F(ScreenshotTest, AFileThatCannotBeWrittenIsRefusedWithTheReason)
{
    std::ofstream(folder + "/plain-file") << "not a folder";
    mkdir((folder + "/a-folder").c_str(), 0755);
    struct Case {
        std::string path;
        FrameImage image;
        const char* reason;
    };
    const Case cases[] = {
        {folder + "/no-such-folder/frame.png", smallFrame(), "No such file or directory"},
        {folder + "/plain-file/frame.png", smallFrame(), "Not a directory"},
        {folder + "/a-folder", smallFrame(), "Is a directory"},
        {"/dev/full", smallFrame(), "No space left on device"},
        {folder + "/empty.png", FrameImage(), "no frame was drawn"},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_FALSE(writePng(c.path, c.image, reason)) << c.path;
        EXPECT_EQ(reason, c.reason) << c.path;
    }
    EXPECT_FALSE(exists(folder + "/empty.png"));
    EXPECT_TRUE(exists("/dev/full")) << "a device is never removed";
}

TEST_F(ScreenshotTest, AFullDiskLeavesNoPartialFile)
{
    // A file system of one 4 KiB block fills up in the middle of a frame's PNG.
    if (getuid() != 0 || std::system("command -v mount >/dev/null") != 0) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    const std::string mountPoint = folder + "/small";
    mkdir(mountPoint.c_str(), 0755);
    if (std::system(("mount -t tmpfs -o size=4k tmpfs '" + mountPoint + "' 2>/dev/null").c_str()) != 0) {
        GTEST_SKIP() << "this machine does not allow mounting a tmpfs";
    }
    // Noise does not compress, so its PNG is about as large as its pixels.
    FrameImage noisy;
    noisy.width = noisy.height = 256;
    std::mt19937 noise(1);
    for (int i = 0; i < 256 * 256 * 3; ++i) {
        noisy.rgb.push_back(static_cast<unsigned char>(noise()));
    }
    const std::string path = mountPoint + "/frame.png";
    std::string reason;
    EXPECT_FALSE(writePng(path, noisy, reason));
    EXPECT_EQ(reason, "No space left on device");
    EXPECT_FALSE(exists(path));
    std::system(("umount '" + mountPoint + "'").c_str());
}

}  // namespace
