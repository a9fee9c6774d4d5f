// The first-run screen: its pictures fade in on time, each sound plays once,
// and the buttons take presses only while they are shown.
#include "game/screens/intro_timeline.h"

#include "game/screens/menu_screens.h"
#include "game/shell/game_clock.h"
#include "tests/screens/menu_fixture.h"

namespace glyphora {
namespace {

namespace r = regions;
using testing::Picture;

TEST(IntroTimeline, EachSoundIsDueOnceTheFirstTimeItsPictureShows) {
    const struct { int frameMs; } cases[] = {{16}, {1}, {7000}};  // the last one jumps past both starts in one frame
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frameMs);
        MenuState menus;
        int stops = 0, greetings = 0, firstStop = -1, firstGreeting = -1;
        for (int e = 0; e <= 12000; e += c.frameMs) {
            const IntroSounds due = TakeIntroSounds(menus, e);
            if (due.stop && stops++ == 0) firstStop = e;
            if (due.greeting && greetings++ == 0) firstGreeting = e;
        }
        EXPECT_EQ(stops, 1);
        EXPECT_EQ(greetings, 1);
        if (c.frameMs == 1) {
            EXPECT_EQ(firstStop, 1001);
            EXPECT_EQ(firstGreeting, 6153) << "1 ms into a 500 ms fade the alpha is still 0";
        }
    }
}

class FirstRunScreen : public testing::MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        game.screen.current = ScreenKind::Intro;
        game.menus.introStart = GameTime(game);
    }
    // Draws the screen at e ms into the intro.
    std::vector<Picture> drawAt(int e) {
        fake.clock.advance(std::uint32_t(e - Elapsed(GameTime(game), game.menus.introStart)));
        DrawFirstRunScreen(game);
        return pictures();
    }
    bool enabled(ImageButtonName name) { return game.widgets.imageButtons[name].enabled; }
};

TEST_F(FirstRunScreen, PicturesFadeInOneAfterAnotherWithTheirOwnAlpha) {
    struct Case {
        int e;
        const r::Region& region;
        int alpha;  // -1: not drawn
    } cases[] = {
        {999, r::IntroStopPicture, -1},       {1001, r::IntroStopPicture, 255},
        {4000, r::IntroCaption, -1},          {4076, r::IntroCaption, 127},
        {4151, r::IntroCaption, 255},         {6401, r::IntroGreeting, 127},
        {7150, r::IntroDecorationLarge, -1},  {8151, r::IntroDecorationLarge, 127},
        {8151, r::IntroDecorationSmall, 127}, {9200, r::IntroDecorationSmall, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.region.name << " at " << c.e);
        game.menus.introStart = GameTime(game);
        const std::vector<Picture> found = from(drawAt(c.e), c.region);
        if (c.alpha < 0) {
            EXPECT_TRUE(found.empty());
            continue;
        }
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0].vertexAlpha, c.alpha);
    }
    DrawFirstRunScreen(game);
    bool fromVertex = false;
    for (const platform::DrawCall& call : calls())
        if (call.kind == platform::DrawCall::Kind::Quad) fromVertex = call.alpha == platform::AlphaSource::Vertex;
    EXPECT_TRUE(fromVertex);
}

TEST_F(FirstRunScreen, LeavesTheTextureAlphaForWhateverScreenComesNext) {
    for (int e : {0, 500, 4001, 9000}) {
        drawAt(e);  // the vertex alpha is still 0 before the first picture, and 0 where a fade starts
        EXPECT_EQ(game.renderer.alphaSource, platform::AlphaSource::Texture) << e;
    }
}

TEST_F(FirstRunScreen, ContinueTakesPressesOnlyOnceTheNoteIsOpen) {
    drawAt(500);
    EXPECT_FALSE(enabled(ShowNoteButton)) << "not shown yet";
    EXPECT_FALSE(enabled(ContinueButton));
    drawAt(7151);
    EXPECT_TRUE(enabled(ShowNoteButton));
    const std::vector<Picture> end = drawAt(60000);
    EXPECT_TRUE(enabled(ShowNoteButton));
    EXPECT_FALSE(enabled(ContinueButton)) << "the intro run to its end still waits for the note";
    EXPECT_EQ(from(end, r::ShowNoteButton).size(), 1u);
    EXPECT_TRUE(from(end, r::ContinueButton).empty());

    game.menus.noteShown = true;
    const std::vector<Picture> note = drawAt(60016);
    EXPECT_FALSE(enabled(ShowNoteButton));
    EXPECT_TRUE(enabled(ContinueButton));
    ASSERT_EQ(from(note, r::NoteHeading).size(), 1u);
    EXPECT_EQ(from(note, r::NoteHeading)[0].vertexAlpha, 255);
    EXPECT_EQ(from(note, r::ContinueButton).size(), 1u);
    EXPECT_TRUE(from(note, r::IntroStopPicture).empty());
}

}  // namespace
}  // namespace glyphora
