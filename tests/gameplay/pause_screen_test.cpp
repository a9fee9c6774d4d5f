// The pause screen: its text on each sub-level and the volume overlay.
#include "game/screens/pause_screen.h"
#include "game/shell/run_control.h"

#include "platform/keys.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

class PauseScreen : public testing::StartedGame {
protected:
    void SetUp() override {
        StartedGame::SetUp();
        startRun();
    }
    // The frame's clear colour, and the colours of the pause font's glyphs
    // drawn in the rows from top down.
    struct Frame {
        Colour cleared = 0;
        std::vector<Colour> glyphs;
    };
    Frame drawFrame(int top = 0) {
        fake.window.device->calls.clear();
        DrawFrame(game);
        Frame frame;
        const platform::Texture* atlas = game.fonts[MenuFont26].atlas.texture.get();
        for (const platform::DrawCall& call : fake.window.device->calls) {
            if (call.kind == platform::DrawCall::Kind::Clear) frame.cleared = call.colour;
            if (call.kind == platform::DrawCall::Kind::Quad && call.texture == atlas && call.corners[0].y >= top)
                frame.glyphs.push_back(call.corners[0].colour);
        }
        return frame;
    }
};

TEST_F(PauseScreen, TheTextColourSuitsEachSubLevel) {
    const Colour expected[] = {0xFF808080, 0xFFFFFFFF, 0xFF653600, 0xFFFF9900, 0xFF999999};
    for (int s = 0; s < kSubLevelCount; ++s) {
        EnterSubLevel(game, s);
        key(vk::F1);
        const Frame frame = drawFrame();
        EXPECT_EQ(frame.cleared, kPalette[s].background) << s;
        ASSERT_FALSE(frame.glyphs.empty()) << s;
        for (const Colour c : frame.glyphs) EXPECT_EQ(c, expected[s]) << "sub-level " << s;
        key(vk::F1);
    }
}

TEST_F(PauseScreen, EachQuestionAddsItsAnswerLine) {
    key(vk::F1);
    const std::size_t plain = drawFrame().glyphs.size();
    key(vk::Escape);
    const std::size_t quit = drawFrame().glyphs.size();
    key(vk::F1);
    game.settings.queryF3 = true;
    key(vk::F3);
    const std::size_t newGame = drawFrame().glyphs.size();
    EXPECT_EQ(quit - plain, std::string_view("Press Esc to end the game.").size());
    EXPECT_EQ(newGame - plain, std::string_view("Press F4 to start a new game.").size());
}

TEST_F(PauseScreen, AVolumeKeyShowsTheVolumesThenFadesThemOut) {
    game.settings.musicVolume = 7;
    key(vk::F1);
    EXPECT_TRUE(drawFrame(300).glyphs.empty()) << "no volume key yet";
    key(vk::F5);
    const Colour text = 0xFF808080, background = kPalette[0].background;
    struct Case {
        std::uint32_t after;
        bool shown;
        Colour colour;
    };
    const Case cases[] = {
        {0, true, text}, {2200, true, text}, {2350, true, BlendColours(background, text, 0.5f)}, {2500, false, 0}};
    const std::uint32_t pressed = fake.clock.tickCount();
    for (const Case& c : cases) {
        fake.clock.set(pressed + c.after);
        const Frame frame = drawFrame(300);
        EXPECT_EQ(!frame.glyphs.empty(), c.shown) << c.after;
        if (c.shown) { EXPECT_EQ(frame.glyphs.front(), c.colour) << c.after; }
    }
    EXPECT_EQ(game.settings.musicVolume, 6);
}

}  // namespace
}  // namespace glyphora
