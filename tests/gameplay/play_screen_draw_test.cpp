#include "game/screens/play_screen_draw.h"
#include "game/shell/loading.h"
#include "game/shell/run_control.h"

#include <cmath>

#include "game/gameplay/run_rules.h"
#include "play_fixture.h"

namespace glyphora {
namespace {

using platform::DrawCall;
using testing::PlayFixture;

struct Drawn {
    int srcX, srcY, srcW;  // sheet pixels, from the texture coordinates
    float x, y, w;         // on screen
    platform::Filter filter;
};

class PlayScreenDraw : public PlayFixture {
protected:
    void SetUp() override {
        PlayFixture::SetUp();
        LoadAllResources(game);  // no pictures on disk: sheets without textures, sprites with their regions
    }
    // The pictures of one play-screen frame, in drawing order.
    std::vector<Drawn> draw() {
        fake.window.device->calls.clear();
        DrawPlayScreen(game);
        std::vector<Drawn> drawn;
        for (const DrawCall& call : fake.window.device->calls) {
            if (call.kind != DrawCall::Kind::Quad) continue;
            const auto& c = call.corners;
            const auto texel = [](float coordinate) { return static_cast<int>(std::lround(coordinate * 1023)); };
            drawn.push_back(
                {texel(c[0].u), texel(c[0].v), texel(c[1].u - c[0].u), c[0].x, c[0].y, c[1].x - c[0].x, call.filter});
        }
        return drawn;
    }
    // The pictures drawn from one of the region's frames.
    static std::vector<Drawn> from(const std::vector<Drawn>& drawn, const regions::Region& region) {
        std::vector<Drawn> found;
        for (const Drawn& d : drawn) {
            const int u = (d.srcX - region.x) / region.w, v = (d.srcY - region.y) / region.h;
            const regions::PixelRect frame = regions::FrameRect(region, u, v);
            if (frame.x == d.srcX && frame.y == d.srcY && d.srcW == region.w && u >= region.frames.minU &&
                u <= region.frames.maxU && v >= region.frames.minV && v <= region.frames.maxV)
                found.push_back(d);
        }
        return found;
    }
};

TEST_F(PlayScreenDraw, ItemsAreDrawnNewestFirstWithTheirGlyphsAndLinearFiltering) {
    EnterSubLevel(game, 1);
    FallingItem& older = addItem('A', 100);
    older.shape = 2;
    older.style = 3;
    FallingItem& newer = addItem(' ', 200);
    newer.shape = 0;
    newer.style = 5;
    std::vector<Drawn> linear;
    for (const Drawn& d : draw())
        if (d.filter == platform::Filter::Linear) linear.push_back(d);
    ASSERT_EQ(linear.size(), 3u) << "two shapes and one glyph: the space has none";
    EXPECT_EQ(linear[0].srcX, 1 + 5 * 65);  // the newer item's shape 0, style 5, sub-level row 1
    EXPECT_EQ(linear[0].srcY, 1 + 65);
    EXPECT_FLOAT_EQ(linear[0].y, 200);
    EXPECT_EQ(linear[1].srcX, 1 + 3 * 65);  // the older item's shape 2
    EXPECT_EQ(linear[1].srcY, 651 + 65);
    EXPECT_EQ(linear[2].srcX, 1);  // glyph A, read 5 pixels higher over shape 2
    EXPECT_EQ(linear[2].srcY, -4);
    EXPECT_FLOAT_EQ(linear[2].y, 100);
}

TEST_F(PlayScreenDraw, TheBonusBarShowsItsFillAsTheFilledPictureThenTheRestOfTheEmptyOne) {
    struct Case {
        float bar;
        int filled;
    };
    for (const Case c : {Case{350, 80}, Case{0, 0}, Case{700, 160}, Case{699, 159}}) {
        game.run.bonusBar = c.bar;
        std::vector<Drawn> bar;
        for (const Drawn& d : draw())
            if (d.y == 410 && d.srcY == 605) bar.push_back(d);
        int width = 0;
        for (const Drawn& d : bar) {
            const bool filledPart = d.srcX < 320;
            EXPECT_EQ(d.srcX, filledPart ? 160 : 320 + c.filled) << c.bar;
            EXPECT_FLOAT_EQ(d.x, filledPart ? 0 : float(c.filled)) << c.bar;
            width += static_cast<int>(d.w);
        }
        EXPECT_LE(width, 160) << c.bar;
        EXPECT_GE(width, 159) << c.bar;
    }
}

TEST_F(PlayScreenDraw, LivesStandInRowsOfFourCentredOnTheirColumn) {
    game.run.lives = 6;
    const std::vector<Drawn> icons = from(draw(), regions::LifeIcon);
    const float expected[][2] = {{569, 83}, {593, 83}, {617, 83}, {641, 83}, {593, 111}, {617, 111}};
    ASSERT_EQ(icons.size(), 6u);
    for (std::size_t i = 0; i < icons.size(); ++i) {
        EXPECT_FLOAT_EQ(icons[i].x, expected[i][0]) << i;
        EXPECT_FLOAT_EQ(icons[i].y, expected[i][1]) << i;
    }
}

TEST_F(PlayScreenDraw, TntChargesShowOnlyWhileNoMessageIs) {
    game.run.tntCharges = 3;
    const std::vector<Drawn> icons = from(draw(), regions::TntChargeIcon);
    ASSERT_EQ(icons.size(), 3u);
    EXPECT_FLOAT_EQ(icons[0].x, 589);
    EXPECT_FLOAT_EQ(icons[2].x, 633);
    ShowMessage(game.run.message, "TNT!", 1000, 500, GameTime(game));
    EXPECT_TRUE(from(draw(), regions::TntChargeIcon).empty());
}

}  // namespace
}  // namespace glyphora
