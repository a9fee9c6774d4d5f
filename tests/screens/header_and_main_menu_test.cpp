// The header strip names the screen (on the main menu, the button pointed
// at), and the main menu's preview follows the pointer and the keyboard.
#include "game/screens/menu_screens.h"

#include "game/shell/game_clock.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/screens.h"
#include "tests/screens/menu_fixture.h"

namespace glyphora {
namespace {

namespace r = regions;
using testing::MenuFixture;
using testing::Picture;

class HeaderStrip : public MenuFixture {};

TEST_F(HeaderStrip, ShowsTheTabOfTheScreenKindAndOnTheMainMenuOfTheButtonPointedAt) {
    constexpr int kNone = -1;
    struct Case {
        ScreenKind kind;
        int pointedButton;  // main-menu button under the cursor, kNone for none
        const r::Region& cap;
        const r::Region& tab;
        const r::Region* corner;
    } cases[] = {
        {ScreenKind::MainMenu, kNone, r::HeaderCapShort, r::HeaderTabMainMenu, nullptr},
        {ScreenKind::MainMenu, PlayButton, r::HeaderCapShort, r::HeaderTabPlay, nullptr},
        {ScreenKind::MainMenu, FreeGameButton, r::HeaderCapShort, r::HeaderTabFreeGame, nullptr},
        {ScreenKind::MainMenu, HighScoresButton, r::HeaderCapShort, r::HeaderTabHighScores, nullptr},
        {ScreenKind::MainMenu, HelpButton, r::HeaderCapShort, r::HeaderTabHelp, nullptr},
        {ScreenKind::MainMenu, SettingsButton, r::HeaderCapShort, r::HeaderTabSettings, nullptr},
        {ScreenKind::MainMenu, CreditsButton, r::HeaderCapShort, r::HeaderTabCredits, nullptr},
        {ScreenKind::MainMenu, QuitButton, r::HeaderCapShort, r::HeaderTabQuit, nullptr},
        {ScreenKind::GameOver, kNone, r::HeaderCapLong, r::GameOverTab, &r::CornerGameOver},
        {ScreenKind::HighScores, kNone, r::HeaderCapLong, r::HeaderTabHighScores, &r::CornerHighScores},
        {ScreenKind::FreeGameSetup, kNone, r::HeaderCapLong, r::HeaderTabFreeGame, &r::CornerFreeGame},
        // Elsewhere the place of a main-menu button means nothing.
        {ScreenKind::Settings, PlayButton, r::HeaderCapLong, r::HeaderTabSettings, &r::CornerSettings},
        {ScreenKind::Help, kNone, r::HeaderCapLong, r::HeaderTabHelp, &r::CornerHelp},
        {ScreenKind::Credits, kNone, r::HeaderCapLong, r::HeaderTabCredits, &r::CornerCredits},
        {ScreenKind::DifficultyChoice, QuitButton, r::HeaderCapShort, r::HeaderTabMainMenu, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << int(c.kind) << ", button " << c.pointedButton);
        game.screen.current = c.kind;
        PlaceScreenButtons(game);
        if (c.pointedButton == kNone) pointAt(350, 200);
        else pointAtButton(ImageButtonName(c.pointedButton));
        DrawHeaderStrip(game);
        const std::vector<Picture> drawn = pictures();
        ASSERT_GE(drawn.size(), 3u);
        EXPECT_EQ(from({drawn[0]}, c.cap).size(), 1u);
        EXPECT_EQ(drawn[0].x, 1);
        EXPECT_EQ(drawn[0].y, 30);
        const std::vector<Picture> tabs = from(drawn, c.tab);
        ASSERT_EQ(tabs.size(), 1u);
        EXPECT_EQ(tabs[0].x, 1 + c.cap.w);
        EXPECT_EQ(tabs[0].y, 30);
        // The fill repeats from the tab's end while it starts inside the window.
        std::vector<int> fillXs;
        for (const Picture& p : from(drawn, r::HeaderFill))
            if (p.x != 1) fillXs.push_back(p.x);
        ASSERT_FALSE(fillXs.empty());
        EXPECT_EQ(fillXs.front(), 1 + c.cap.w + c.tab.w);
        EXPECT_LT(fillXs.back(), kWindowWidth);
        EXPECT_GE(fillXs.back() + r::HeaderFill.w, kWindowWidth);
        const Picture& last = drawn.back();
        if (c.corner) {
            EXPECT_EQ(from({last}, *c.corner).size(), 1u);
            EXPECT_EQ(last.x, 20);
            EXPECT_EQ(last.y, 5);
        } else {
            EXPECT_EQ(last.x, fillXs.back()) << "no corner picture";
        }
    }
}

class MainMenu : public MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        game.screen.current = ScreenKind::MainMenu;
        PlaceScreenButtons(game);
        game.menus.lastPeekEnd = game.menus.lastPeekTry = GameTime(game);  // no peek during these frames
    }
};

TEST_F(MainMenu, ThePreviewFollowsThePointerAndTheKeyboardAndTheLaterButtonWins) {
    constexpr int kNone = -1;
    struct Case {
        int pointed, selected;
        const r::Region& preview;
    } cases[] = {
        {kNone, kNone, r::MenuPreviewIdle},  {HighScoresButton, kNone, r::MenuPreviewHighScores},
        {kNone, 4, r::MenuPreviewSettings},  {PlayButton, 3, r::MenuPreviewHelp},
        {QuitButton, 0, r::MenuPreviewQuit}, {CreditsButton, 5, r::MenuPreviewCredits},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pointed " << c.pointed << ", selected " << c.selected);
        if (c.pointed == kNone) pointAt(600, 300);
        else pointAtButton(ImageButtonName(c.pointed));
        game.screen.focus = c.selected;
        DrawMainMenu(game);
        const std::vector<Picture> drawn = pictures();
        const std::vector<Picture> previews = from(drawn, c.preview);
        ASSERT_EQ(previews.size(), 1u);
        EXPECT_EQ(previews[0].x, 210);
        EXPECT_EQ(previews[0].y, 70);
    }
}

TEST_F(MainMenu, DrawsTheSevenButtonsInTheirRowWithThePointedOneLit) {
    pointAtButton(HelpButton);
    DrawMainMenu(game);
    const std::vector<Picture> drawn = pictures();
    const r::Region* row[] = {&r::PlayButton,     &r::FreeGameButton, &r::HighScoresButton, &r::HelpButton,
                              &r::SettingsButton, &r::CreditsButton,  &r::QuitButton};
    const int offsets[] = {0, 93, 187, 297, 415, 499, 578};
    for (int i = 0; i < 7; ++i) {
        const std::vector<Picture> found = from(drawn, *row[i], 0, i == 3 ? ButtonHover : ButtonNormal);
        ASSERT_EQ(found.size(), 1u) << i;
        EXPECT_EQ(found[0].x, 42 + offsets[i]);
        EXPECT_EQ(found[0].y, 400);
    }
}

}  // namespace
}  // namespace glyphora
