// The real devices as the window makes them under SDL's dummy video driver:
// the CPU device and SDL's software renderer. What reaches the pixels must
// be the same on both.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>

#include "cpu_frames.h"
#include "platform/sdl/sdl_video.h"

namespace glyphora::platform {
namespace {

constexpr Colour kRgbMask = 0x00FFFFFF;

class DeviceTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("GLYPHORA_RENDERER", GetParam(), 1);
        ASSERT_TRUE(video.open({"device test", {0, 0}, {64, 64}}));
        unsetenv("GLYPHORA_RENDERER");
        device = video.createDevice();
        ASSERT_NE(device, nullptr);
    }

    Colour pixel(int x, int y) {
        Image frame;
        EXPECT_TRUE(device->readFrame(frame));
        return frame.at(x, y);
    }

    // An axis-aligned quad at (x, y) of the region's size with the texture
    // coordinates of region (srcX, srcY, w, h) of a texture of the given size.
    void drawRegion(const Texture* texture, int x, int y, int srcX, int srcY, int w, int h,
                    Colour colour = 0xFFFFFFFF) {
        const Size size = texture->size();
        const float u0 = float(srcX) / float(size.width - 1), v0 = float(srcY) / float(size.height - 1);
        const float u1 = u0 + float(w) / float(size.width - 1), v1 = v0 + float(h) / float(size.height - 1);
        const float fx = float(x), fy = float(y);
        const QuadVertices quad = {{fx, fy, colour, u0, v0},
                                   {fx + float(w), fy, colour, u1, v0},
                                   {fx, fy + float(h), colour, u0, v1},
                                   {fx + float(w), fy + float(h), colour, u1, v1}};
        device->drawQuad(texture, quad);
    }

    std::unique_ptr<Texture> solid(Colour colour) {
        return device->createTexture(Image{4, 4, std::vector<Colour>(16, colour)});
    }

    SdlVideo video;
    std::unique_ptr<Device> device;
};

TEST_P(DeviceTest, FillReplacesPixelsWhateverItsAlpha) {
    device->clear(0xFFFFFFFF);
    device->fillRect({10, 10, 20, 20}, 0x10FF0000);
    EXPECT_EQ(pixel(15, 15) & kRgbMask, 0xFF0000u);
    EXPECT_EQ(pixel(9, 15) & kRgbMask, 0xFFFFFFu);
    EXPECT_EQ(pixel(20, 15) & kRgbMask, 0xFFFFFFu);  // right edge is exclusive
}

TEST_P(DeviceTest, TexelAlphaDecidesHowMuchShowsThrough) {
    device->clear(0xFF0000FF);
    auto clearTexel = solid(0x00FF0000);
    auto halfTexel = solid(0x80FF0000);
    auto opaqueTexel = solid(0xFFFF0000);
    drawRegion(clearTexel.get(), 0, 0, 0, 0, 4, 4);
    drawRegion(halfTexel.get(), 10, 0, 0, 0, 4, 4);
    drawRegion(opaqueTexel.get(), 20, 0, 0, 0, 4, 4);
    EXPECT_EQ(pixel(1, 1) & kRgbMask, 0x0000FFu);
    const Colour half = pixel(11, 1);
    EXPECT_NEAR(int((half >> 16) & 0xFF), 128, 2);
    EXPECT_NEAR(int(half & 0xFF), 127, 2);
    EXPECT_EQ(pixel(21, 1) & kRgbMask, 0xFF0000u);
}

TEST_P(DeviceTest, VertexAlphaFadesOnlyWhenChosen) {
    device->clear(0xFFFFFFFF);
    auto red = solid(0xFFFF0000);
    drawRegion(red.get(), 0, 0, 0, 0, 4, 4, 0x00FFFFFF);  // texture alpha: the vertex alpha is ignored
    device->setAlphaSource(AlphaSource::Vertex);
    drawRegion(red.get(), 10, 0, 0, 0, 4, 4, 0x80FFFFFF);
    drawRegion(red.get(), 20, 0, 0, 0, 4, 4, 0x00FFFFFF);
    EXPECT_EQ(pixel(1, 1) & kRgbMask, 0xFF0000u);
    EXPECT_NEAR(int((pixel(11, 1) >> 8) & 0xFF), 127, 2);
    EXPECT_EQ(pixel(21, 1) & kRgbMask, 0xFFFFFFu);
}

TEST_P(DeviceTest, RegionsSampleExactlyTheirTexelsAcrossAWideSheet) {
    // Every column of the sheet carries its own index in red and green.
    Image sheet{1024, 4, {}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 1024; ++x)
            sheet.pixels.push_back(0xFF000000u | Colour(x & 0xFF) << 16 | Colour(x >> 8) << 8);
    auto texture = device->createTexture(sheet);
    device->clear(0xFFFFFFFF);
    for (int srcX : {0, 3, 500, 1000, 1008}) {
        drawRegion(texture.get(), 0, 10, srcX, 1, 16, 2);
        for (int i = 0; i < 16; ++i) {
            const Colour got = pixel(i, 10);
            EXPECT_EQ(int((got >> 16) & 0xFF) | int((got >> 8) & 0xFF) << 8, srcX + i) << "region at " << srcX;
        }
    }
}

TEST_P(DeviceTest, ATurnedQuadReachingPastTheTextureDrawsItsPartOnTheTexture) {
    // A 16-texel region read from 4 texels above the texture's top edge (as the
    // glyphs over the third item shape are), turned by 10 degrees.
    auto red = device->createTexture(Image{16, 16, std::vector<Colour>(256, 0xFFFF0000)});
    device->clear(0xFFFFFFFF);
    const float v0 = -4.0f / 15, v1 = 12.0f / 15, u0 = 0, u1 = 16.0f / 15;
    const float c = std::cos(0.1745f), s = std::sin(0.1745f);
    const auto corner = [&](float dx, float dy, float u, float v) {
        return Vertex{32 + dx * c - dy * s, 32 + dy * c + dx * s, 0xFFFFFFFF, u, v};
    };
    const QuadVertices quad = {corner(-8, -8, u0, v0), corner(8, -8, u1, v0), corner(-8, 8, u0, v1),
                               corner(8, 8, u1, v1)};
    device->drawQuad(red.get(), quad);
    EXPECT_EQ(pixel(32, 34) & kRgbMask, 0xFF0000u) << "the part on the texture is drawn";
    EXPECT_EQ(pixel(32, 25) & kRgbMask, 0xFFFFFFu) << "the part above the texture is not";
}

TEST_P(DeviceTest, ANullTextureDrawsNothing) {
    device->clear(0xFF00FF00);
    const QuadVertices quad = {
        {0, 0, 0xFFFFFFFF, 0, 0}, {8, 0, 0xFFFFFFFF, 1, 0}, {0, 8, 0xFFFFFFFF, 0, 1}, {8, 8, 0xFFFFFFFF, 1, 1}};
    device->drawQuad(nullptr, quad);
    EXPECT_EQ(pixel(4, 4) & kRgbMask, 0x00FF00u);
}

// A texture kept past its device (fonts kept while the device is made again)
// frees nothing when it goes at last: the textures of the next device draw on.
TEST_P(DeviceTest, ATextureOutlivingItsDeviceLeavesTheNextDevicesTexturesAlone) {
    auto stale = solid(0xFFFF0000);
    device.reset();
    device = video.createDevice();
    ASSERT_NE(device, nullptr);
    std::vector<std::unique_ptr<Texture>> fresh;
    for (int i = 0; i < 8; ++i) fresh.push_back(solid(0xFF0000FF));
    SDL_ClearError();
    stale.reset();
    EXPECT_STREQ(SDL_GetError(), "") << "the stale texture was handed to SDL again";
    for (const auto& texture : fresh) {
        device->clear(0xFFFFFFFF);
        drawRegion(texture.get(), 2, 2, 0, 0, 4, 4);
        EXPECT_EQ(pixel(3, 3) & kRgbMask, 0x0000FFu) << "texture " << (&texture - fresh.data());
    }
}

// The texel that a true turn of region (srcX, srcY, w, h) about (cx, cy) by a
// right angle puts under the centre of pixel (x, y), mirrored left to right
// first when asked; nothing outside it.
std::optional<Colour> TurnedTexel(int x, int y, int degrees, bool mirrored, int srcX, int srcY, int w, int h, float cx,
                                  float cy) {
    const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
    // Screen turns are clockwise: offset o lands at (o.x c - o.y s, o.y c + o.x s).
    const double ox = degrees == 0 ? dx : degrees == 90 ? dy : degrees == 180 ? -dx : -dy;
    const double oy = degrees == 0 ? dy : degrees == 90 ? -dx : degrees == 180 ? -dy : dx;
    const int tx = int(std::floor(ox + w / 2.0)), ty = int(std::floor(oy + h / 2.0));
    if (tx < 0 || ty < 0 || tx >= w || ty >= h) return std::nullopt;
    return Colour(srcX + (mirrored ? w - 1 - tx : tx)) << 16 | Colour(srcY + ty) << 8 | 0x40;
}

// Quads turned by a right angle, as the game turns them (single precision),
// show every texel where a true turn puts it, with either sampling: none is
// mirrored, shifted or blended with its neighbours.
TEST_P(DeviceTest, RightAngleTurnsPlaceEveryTexelWhereItBelongs) {
    auto sheet = device->createTexture(testing::Numbered(16, 16));
    constexpr int srcX = 3, srcY = 2, w = 5, h = 7;  // odd sides: corners on whole pixels at every turn
    constexpr float cx = 20.5f, cy = 20.5f;
    const struct {
        int degrees;
        bool mirrored;  // by the texture coordinates, u running right to left
    } turns[] = {{0, false}, {90, false}, {180, false}, {270, false}, {90, true}, {180, true}};
    for (const auto& turn : turns) {
        for (Filter filter : {Filter::Point, Filter::Linear}) {
            device->clear(0xFFFFFFFF);
            device->setFilter(filter);
            QuadVertices quad;
            testing::TurnedRegion(quad, {16, 16}, srcX, srcY, w, h, cx, cy, float(turn.degrees));
            if (turn.mirrored) std::swap(quad[0].u, quad[1].u), std::swap(quad[2].u, quad[3].u);
            device->drawQuad(sheet.get(), quad);
            Image frame;
            ASSERT_TRUE(device->readFrame(frame));
            int wrong = 0;
            for (int y = 8; y < 34; ++y) {
                for (int x = 8; x < 34; ++x) {
                    const Colour expected =
                        TurnedTexel(x, y, turn.degrees, turn.mirrored, srcX, srcY, w, h, cx, cy).value_or(0xFFFFFF);
                    const Colour got = frame.at(x, y) & kRgbMask;
                    if (got != expected && wrong++ == 0)
                        ADD_FAILURE() << turn.degrees << " degrees" << (turn.mirrored ? " mirrored, " : ", ")
                                      << (filter == Filter::Point ? "point" : "linear") << ": pixel (" << x << ", " << y
                                      << ") is " << std::hex << got << ", not " << expected;
                }
            }
            EXPECT_EQ(wrong, 0) << turn.degrees << " degrees";
        }
    }
    device->setFilter(Filter::Point);
}

// Text: white glyph coverage painted in the text's colour and alpha.
TEST_P(DeviceTest, ATintColoursWhiteTexelsAndKeepsTheirCoverage) {
    Image glyph{4, 4, {}};
    for (int i = 0; i < 16; ++i) glyph.pixels.push_back((i < 8 ? 0xFF000000u : 0x80000000u) | 0xFFFFFF);
    auto texture = device->createTexture(glyph);
    device->clear(0xFFFFFFFF);
    device->setAlphaSource(AlphaSource::Vertex);
    drawRegion(texture.get(), 10, 10, 0, 0, 4, 4, 0xFF3060C0);
    device->setAlphaSource(AlphaSource::Texture);
    EXPECT_EQ(pixel(11, 10) & kRgbMask, 0x3060C0u) << "full coverage: the colour";
    const Colour half = pixel(11, 13);
    EXPECT_NEAR(int((half >> 16) & 0xFF), (0x30 + 0xFF) / 2, 2);
    EXPECT_NEAR(int(half & 0xFF), (0xC0 + 0xFF) / 2, 2);
}

INSTANTIATE_TEST_SUITE_P(BothPaths, DeviceTest, ::testing::Values("cpu", "sdl"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace glyphora::platform
