// Text layout on the fake font system, whose glyphs are blocks H / 2 wide
// and H high placed at the pen, so every position can be worked out by hand.
#include "game/engine/text.h"

#include "game/engine/font_table.h"

#include "tests/engine/game_on_fakes.h"

namespace glyphora {
namespace {

using testing::QuadBox;

class TextTest : public testing::GameOnFakes {
protected:
    void SetUp() override {
        GameOnFakes::SetUp();
        MakeFont(game.platform.fonts, game.renderer, font, "Bebas Neue", 20, false);  // glyphs 10 wide, lines 20 high
        clearCalls();
    }
    // Top-left corners of the glyph quads drawn.
    std::vector<std::pair<int, int>> glyphCorners() {
        std::vector<std::pair<int, int>> corners;
        for (const auto& quad : quads()) corners.emplace_back(int(quad.corners[0].x), int(quad.corners[0].y));
        return corners;
    }

    Font font;
};

// "AB" is 20 wide, "CDE" 30; the block is 40 high. GDI halves the sum of the
// edges when centring.
TEST_F(TextTest, TwoLineBlocksLandWhereDrawTextPutsThem) {
    const Rect box{100, 50, 301, 151};
    struct Case {
        int format;
        int firstLineX, secondLineX, top;
    } cases[] = {
        {DT_LEFT, 100, 100, 50},
        {DT_CENTER, 190, 185, 50},
        {DT_RIGHT, 281, 271, 50},
        {DT_VCENTER, 100, 100, 80},
        {DT_CENTER | DT_VCENTER, 190, 185, 80},
        {DT_RIGHT | DT_VCENTER, 281, 271, 80},
    };
    for (const Case& c : cases) {
        clearCalls();
        DrawFontText(game.renderer, font, "AB\nCDE", box, c.format, 0xFF000000);
        const auto corners = glyphCorners();
        ASSERT_EQ(corners.size(), 5u) << "format " << c.format;
        EXPECT_EQ(corners[0], std::make_pair(c.firstLineX, c.top)) << "format " << c.format;
        EXPECT_EQ(corners[1], std::make_pair(c.firstLineX + 10, c.top)) << "format " << c.format;
        EXPECT_EQ(corners[2], std::make_pair(c.secondLineX, c.top + 20)) << "format " << c.format;
    }
}

TEST_F(TextTest, ABlockTallerThanItsBoxOverhangsBothEdgesWhenCentred) {
    DrawFontText(game.renderer, font, "A\nB\nC", {0, 100, 50, 110}, DT_VCENTER, 0xFF000000);
    // 60 high in a box 10 high: (100 + 110 - 60) / 2 = 75, so only the middle line shows.
    const auto drawn = quads();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(QuadBox(drawn[0]), (Rect{0, 100, 10, 110}));
}

TEST_F(TextTest, TextWiderThanItsRectangleIsCutAtTheEdge) {
    DrawFontText(game.renderer, font, "ABCDEFGH", {0, 0, 45, 15}, DT_LEFT, 0xFF000000);
    const auto drawn = quads();
    ASSERT_EQ(drawn.size(), 5u);  // A to D whole, E cut; F to H not drawn
    EXPECT_EQ(QuadBox(drawn[3]), (Rect{30, 0, 40, 15}));
    EXPECT_EQ(QuadBox(drawn[4]), (Rect{40, 0, 45, 15}));
    // The cut keeps the texels 1:1: E's cell starts at column (69 % 16) × 10 = 50
    // of an atlas 160 × 320; texel t lies at t / (size - 1).
    const platform::DrawCall& e = drawn[4];
    EXPECT_FLOAT_EQ(e.corners[0].u, 50.0f / 159.0f);
    EXPECT_FLOAT_EQ(e.corners[1].u, 55.0f / 159.0f);
    EXPECT_FLOAT_EQ(e.corners[0].v, (69 / 16) * 20.0f / 319.0f);
    EXPECT_FLOAT_EQ(e.corners[2].v, ((69 / 16) * 20.0f + 15.0f) / 319.0f);
}

TEST_F(TextTest, CalcRectMeasuresAndDrawsNothing) {
    EXPECT_EQ(MeasureText(font, "T", {10, 20, 500, 500}, DT_CALCRECT), (Rect{10, 20, 20, 40}));
    EXPECT_EQ(MeasureText(font, "AB\nCDE", {10, 20, 11, 21}, DT_CALCRECT | DT_CENTER), (Rect{10, 20, 40, 60}));
    EXPECT_EQ(MeasureText(font, "", {10, 20, 500, 500}, DT_CALCRECT), (Rect{10, 20, 10, 20}));
    DrawFontText(game.renderer, font, "T", {10, 20, 500, 500}, DT_CALCRECT, 0xFF000000);
    EXPECT_TRUE(calls().empty());
}

TEST_F(TextTest, DrawingAgainCostsGlyphQuadsOnly) {
    const int texturesAfterMaking = device().liveTextures();
    for (int frame = 0; frame < 2; ++frame) {
        clearCalls();
        DrawFontText(game.renderer, font, "SCORE 120", {0, 0, 700, 450}, DT_LEFT, 0xFF000000);
        EXPECT_EQ(quads().size(), 9u);
    }
    EXPECT_EQ(fake.fonts.rasterised.size(), 1u);
    EXPECT_EQ(device().liveTextures(), texturesAfterMaking);
}

TEST_F(TextTest, TheGameRasterisesEachSizeOnceAndItsNamesShareOneAtlas) {
    Font fonts[kFontCount];
    const int before = device().liveTextures();
    const std::size_t rasterisedBefore = fake.fonts.rasterised.size();
    MakeAllFonts(game.platform.fonts, game.renderer, fonts);
    EXPECT_EQ(device().liveTextures() - before, 6) << "heights 22, 26, 28, 30, 36 and 40";
    EXPECT_EQ(fake.fonts.rasterised.size() - rasterisedBefore, 6u);
    EXPECT_EQ(fonts[HudFont36a].atlas.texture, fonts[NameEntryFont36].atlas.texture);
    EXPECT_NE(fonts[HudFont36a].atlas.texture, fonts[HudFont40].atlas.texture);
    DestroyAllFonts(fonts);
    EXPECT_EQ(device().liveTextures(), before);
}

TEST_F(TextTest, GlyphsCarryTheTextColourWithItsAlphaAndLeaveThePicturesAlphaAlone) {
    DrawFontText(game.renderer, font, "A", {0, 0, 100, 100}, DT_LEFT, 0x80FF0000);
    Sprite picture = MakeSprite(game.resources.design1Sheet, 0, 0, 10, 10);
    DrawSprite(game.renderer, picture, 0, 0);
    const auto drawn = quads();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].corners[0].colour, 0x80FF0000u);
    EXPECT_EQ(drawn[0].alpha, platform::AlphaSource::Vertex);
    EXPECT_EQ(drawn[1].alpha, platform::AlphaSource::Texture);
}

TEST_F(TextTest, AnUnknownFaceIsSubstitutedAndStillDraws) {
    Font other;
    MakeFont(game.platform.fonts, game.renderer, other, "No Such Face", 20, false);
    EXPECT_TRUE(other.substituted);
    EXPECT_FALSE(font.substituted);
    DrawFontText(game.renderer, other, "A", {0, 0, 100, 100}, DT_LEFT, 0xFF000000);
    EXPECT_EQ(quads().size(), 1u);
}

TEST_F(TextTest, AFontWithoutAtlasMeasuresItsHeightAndDrawsNothing) {
    Font none;
    game.platform.fonts = nullptr;
    MakeFont(game.platform.fonts, game.renderer, none, "Bebas Neue", 26, false);
    EXPECT_EQ(MeasureText(none, "T", {0, 0, 100, 100}, DT_CALCRECT), (Rect{0, 0, 0, 26}));
    DrawFontText(game.renderer, none, "T", {0, 0, 100, 100}, DT_LEFT, 0xFF000000);
    EXPECT_TRUE(calls().empty());
}

}  // namespace
}  // namespace glyphora
