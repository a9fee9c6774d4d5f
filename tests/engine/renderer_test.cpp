#include "game/engine/renderer.h"
#include "game/screens/screen_table.h"

#include <gtest/gtest.h>

#include "game/shell/game.h"
#include "platform/fake/fake_platform.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using platform::DrawCall;

TEST(Geometry, RotateQuadByNinetyDegreesKeepsTheCentre) {
    const Quad turned = RotateQuad(MakeQuad(0, 0, 10, 10), 90);
    const PointF centre = QuadCentre(turned);
    EXPECT_NEAR(centre.x, 5, 1e-4);
    EXPECT_NEAR(centre.y, 5, 1e-4);
    EXPECT_NEAR(turned.corners[0].x, 10, 1e-4);
    EXPECT_NEAR(turned.corners[0].y, 0, 1e-4);
    EXPECT_NEAR(QuadExtreme(turned, QuadSide::Bottom), 10, 1e-4);
}

TEST(Geometry, ScaleAndExtremes) {
    const Quad half = ScaleQuad(MakeQuad(10, 20, 40, 60), 0.5f);
    EXPECT_FLOAT_EQ(QuadExtreme(half, QuadSide::Left), 20);
    EXPECT_FLOAT_EQ(QuadExtreme(half, QuadSide::Right), 40);
    EXPECT_FLOAT_EQ(QuadExtreme(half, QuadSide::Top), 35);
    EXPECT_FLOAT_EQ(QuadExtreme(half, QuadSide::Bottom), 65);
}

TEST(Geometry, BlendColoursTruncatesPerChannelAndForcesOpaque) {
    EXPECT_EQ(BlendColours(0xFFFFFFFF, 0x00000000, 0.5f), 0xFF7F7F7Fu);
    EXPECT_EQ(BlendColours(0x00FF0000, 0x000000FF, 1.0f), 0xFFFF0000u);
    EXPECT_EQ(BlendColours(0x00FF0000, 0x000000FF, 0.0f), 0xFF0000FFu);
    EXPECT_EQ(ColourChannel(0x11223344, 0), 0x22);
    EXPECT_EQ(ColourChannel(0x11223344, 2), 0x44);
    EXPECT_EQ(ColourChannel(0x11223344, 3), 0);
}

TEST(Animation, ALoopingAnimationWrapsAndCarriesTheRemainder) {
    Texture sheet;
    AnimatedSprite blast = MakeAnimatedSprite(sheet, 459, 250, 565, 10, 3, 250, true, true, 1000);
    const std::pair<std::uint32_t, int> expected[] = {{1249, 0}, {1250, 1}, {1740, 2}, {1760, 0}, {2760, 1}};
    for (auto [tick, frame] : expected) {
        StepAnimation(blast, tick);
        EXPECT_EQ(blast.currentFrame, frame) << "at tick " << tick;
    }
    EXPECT_FALSE(blast.finished);
}

TEST(Animation, AFinishingAnimationStopsOnItsLastFrame) {
    Texture sheet;
    AnimatedSprite once = MakeAnimatedSprite(sheet, 0, 0, 10, 10, 4, 100, false, false, 0);
    StepAnimation(once, 250);
    EXPECT_EQ(once.currentFrame, 2);
    EXPECT_FALSE(once.finished);
    StepAnimation(once, 5000);
    EXPECT_EQ(once.currentFrame, 3);
    EXPECT_TRUE(once.finished);
}

class RendererTest : public ::testing::Test {
protected:
    void SetUp() override { InitRenderer(game.renderer, fake.window, game.log); }
    const DrawCall& lastCall() { return fake.window.device->calls.back(); }

    platform::FakePlatform fake;
    Game game{fake.bundle(), GameScreens()};
};

TEST_F(RendererTest, TheLastTexelOfASheetMapsToOne) {
    Texture sheet;
    sheet.width = 1024;
    sheet.height = 1024;
    Sprite corner = MakeSprite(sheet, 1013, 1000, 10, 23);
    DrawSprite(game.renderer, corner, 5, 6);
    const DrawCall& quad = lastCall();
    EXPECT_FLOAT_EQ(quad.corners[3].u, 1.0f);
    EXPECT_FLOAT_EQ(quad.corners[3].v, 1.0f);
    EXPECT_FLOAT_EQ(quad.corners[0].x, 5);
    EXPECT_FLOAT_EQ(quad.corners[3].x, 15);
    EXPECT_FLOAT_EQ(quad.corners[3].y, 29);
}

TEST_F(RendererTest, FrameOffsetsShiftByWholeRegions) {
    Texture sheet;
    sheet.width = 1024;
    sheet.height = 1024;
    Sprite glyph = MakeSprite(sheet, 1, 1, 65, 65);
    DrawSprite(game.renderer, glyph, 0, 0, 2, -1);
    EXPECT_FLOAT_EQ(lastCall().corners[0].u * 1023, 131);
    EXPECT_FLOAT_EQ(lastCall().corners[0].v * 1023, -64);
}

TEST_F(RendererTest, VertexAlphaReachesTheCornersAndTheAlphaSourceTheDevice) {
    Texture sheet;
    Sprite picture = MakeSprite(sheet, 0, 0, 4, 4);
    SetAlphaFromVertex(game.renderer);
    SetVertexAlpha(game.renderer, 0x80);
    DrawSprite(game.renderer, picture, 0, 0);
    EXPECT_EQ(lastCall().alpha, platform::AlphaSource::Vertex);
    for (const auto& corner : lastCall().corners) EXPECT_EQ(corner.colour, 0x80FFFFFFu);
    SetAlphaFromTexture(game.renderer);
    SetLinearFiltering(game.renderer);
    DrawSprite(game.renderer, picture, 0, 0);
    EXPECT_EQ(lastCall().alpha, platform::AlphaSource::Texture);
    EXPECT_EQ(lastCall().filter, platform::Filter::Linear);
}

TEST_F(RendererTest, ClearScreenRgbTakesEachComponentModulo256) {
    ClearScreenRgb(game.renderer, 256 + 1, 2, 255);
    EXPECT_EQ(lastCall().colour, 0xFF0102FFu);
}

TEST(RendererWithoutDevice, FailsAndDrawsNothing) {
    platform::FakePlatform fake;
    fake.window.deviceFails = true;
    Game game{fake.bundle(), GameScreens()};
    EXPECT_FALSE(InitRenderer(game.renderer, fake.window, game.log));
    Texture sheet;
    Sprite sprite = MakeSprite(sheet, 0, 0, 1, 1);
    ClearScreen(game.renderer, 0xFFFFFFFF);
    FillRect(game.renderer, {0, 0, 1, 1}, 0xFF000000);
    DrawSprite(game.renderer, sprite, 0, 0);
    PresentFrame(game.renderer);
    LoadTexture(game.renderer, sheet, 256, 64, 0, "missing.png");
    EXPECT_EQ(sheet.width, 256);
    EXPECT_EQ(sheet.texture, nullptr);
    ReleaseRenderer(game.renderer, game.log);
}

TEST(DebugLog, OffLeavesTheFileAloneOnWritesTheDescribedPage) {
    testing::ScratchDir folder;
    platform::FakePlatform fake;
    {
        Game game{fake.bundle(), GameScreens()};
        game.log.path = folder.file("Debuggario.html");
        testing::WriteBytes(folder.file("Debuggario.html"), "untouched");
        InitRenderer(game.renderer, fake.window, game.log);
        ReleaseRenderer(game.renderer, game.log);
        EXPECT_EQ(testing::ReadBytes(folder.file("Debuggario.html")), "untouched");
    }
    Game game{fake.bundle(), GameScreens()};
    game.log = {true, folder.file("Debuggario.html")};
    InitRenderer(game.renderer, fake.window, game.log);
    ReleaseRenderer(game.renderer, game.log);
    const std::string page = testing::ReadBytes(folder.file("Debuggario.html"));
    EXPECT_EQ(page.rfind("\n<HTML><HEAD><TITLE>\nDebug file for Glyphora\n</TITLE></HEAD>\n", 0), 0u);
    EXPECT_NE(page.find("\nKORU INITIALIZATION<BR>\n<BR>\nD3DObject created ok<BR>\nD3DDevice created ok<BR>"),
              std::string::npos);
    EXPECT_NE(page.find("\n<br>KORU RELEASING<br><BR>\nVertexBuffer released ok<BR>"), std::string::npos);
    const std::string footer = "\n</B></FONT></BODY></HTML>";
    EXPECT_EQ(page.substr(page.size() - footer.size()), footer);
}

}  // namespace
}  // namespace glyphora
