#include "platform/png/png_image.h"

#include <gtest/gtest.h>

#include "support/scratch_dir.h"

namespace glyphora::platform {
namespace {

Image Checker(int width, int height, Colour a, Colour b) {
    Image image{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.pixels.push_back(((x + y) % 2) ? b : a);
    return image;
}

TEST(PngImage, RoundTripsEveryChannel) {
    testing::ScratchDir folder;
    const Image original = Checker(5, 3, 0x80123456, 0xFFFF00FF);
    ASSERT_TRUE(SavePng(folder.file("a.png"), original));
    Image loaded;
    ASSERT_TRUE(LoadPng(folder.file("a.png"), loaded));
    EXPECT_EQ(loaded.width, 5);
    EXPECT_EQ(loaded.height, 3);
    EXPECT_EQ(loaded.pixels, original.pixels);
}

TEST(PngImage, ColourKeyMatchesOnlyTheExactColour) {
    Image image{3, 1, {0xFFFF00FF, 0xFEFF00FF, 0xFFFF00FE}};
    ApplyColourKey(image, 0xFFFF00FF);
    EXPECT_EQ(image.pixels[0], 0x00000000u);
    EXPECT_EQ(image.pixels[1], 0xFEFF00FFu);
    EXPECT_EQ(image.pixels[2], 0xFFFF00FEu);
}

TEST(PngImage, ResamplesToTheRequestedSize) {
    const Image flat{4, 4, std::vector<Colour>(16, 0xFF336699)};
    for (auto [w, h] : {std::pair{8, 2}, std::pair{2, 8}, std::pair{1, 1}, std::pair{13, 7}}) {
        const Image resized = Resample(flat, w, h);
        ASSERT_EQ(resized.width, w);
        ASSERT_EQ(resized.height, h);
        ASSERT_EQ(resized.pixels.size(), static_cast<std::size_t>(w * h));
        for (Colour c : resized.pixels) EXPECT_EQ(c, 0xFF336699u);
    }
    // Shrinking averages: black and white halves meet in the middle grey.
    const Image halves{2, 1, {0xFF000000, 0xFFFFFFFF}};
    EXPECT_EQ(Resample(halves, 1, 1).pixels[0], 0xFF808080u);
}

TEST(PngImage, BrokenFilesFailCleanly) {
    testing::ScratchDir folder;
    ASSERT_TRUE(SavePng(folder.file("good.png"), Checker(64, 64, 0xFF000000, 0xFFFFFFFF)));
    const std::string good = testing::ReadBytes(folder.file("good.png"));
    testing::WriteBytes(folder.file("truncated.png"), good.substr(0, good.size() / 2));
    testing::WriteBytes(folder.file("header-only.png"), good.substr(0, 8));
    testing::WriteBytes(folder.file("empty.png"), "");
    std::string corrupt = good;
    for (std::size_t i = 40; i < corrupt.size(); i += 7) corrupt[i] = static_cast<char>(corrupt[i] ^ 0x5A);
    testing::WriteBytes(folder.file("corrupt.png"), corrupt);
    testing::WriteBytes(folder.file("text.png"), "this is not a picture");
    for (const char* name :
         {"truncated.png", "header-only.png", "empty.png", "corrupt.png", "text.png", "missing.png"}) {
        Image image;
        EXPECT_FALSE(LoadPng(folder.file(name), image)) << name;
        EXPECT_TRUE(image.pixels.empty()) << name;
    }
}

}  // namespace
}  // namespace glyphora::platform
