// The window at 1×, 2× or 3×: the scale chosen from the display and kept in
// its own file, F11 cycling it, and the mouse mapped back into the game's
// 700 × 450 pixels, windowed and full screen.
#include "game/shell/window_scale.h"

#include "game/data/data_paths.h"
#include "game/shell/window_position.h"
#include "platform/keys.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

// density 0: the display does not say; 96 is the density the game was drawn
// for; a dense small display gets the scale that shows the game at about
// its designed size where it fits, never more than fits.
TEST(WindowScaleChoice, ComfortableLargestAndStartUpScalesByDisplay) {
    struct Case {
        platform::Size display;
        int density;
        int comfortable, largest, startUp;
    };
    const Case cases[] = {
        {{1024, 768}, 0, 1, 1, 1},    {{1366, 768}, 96, 1, 1, 1},   {{1920, 1080}, 0, 2, 2, 2},
        {{1920, 1200}, 96, 2, 2, 2},  {{2560, 1440}, 109, 2, 3, 2}, {{3840, 2160}, 0, 3, 3, 3},
        {{640, 400}, 300, 1, 1, 1},   {{1600, 900}, 184, 1, 2, 2},  {{1440, 900}, 130, 1, 2, 1},
        {{2560, 1440}, 290, 2, 3, 3}, {{2880, 1800}, 40, 3, 3, 3},  {{1920, 1080}, 500, 2, 2, 2},
    };
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.display.width) + "x" + std::to_string(c.display.height) + " at " +
                                 std::to_string(c.density) + " dpi";
        EXPECT_EQ(ComfortableWindowScale(c.display), c.comfortable) << what;
        EXPECT_EQ(LargestWindowScale(c.display), c.largest) << what;
        EXPECT_EQ(StartUpWindowScale(c.display, c.density), c.startUp) << what;
    }
}

class WindowScale : public testing::StartedGame {
protected:
    WindowScale() { onDisplay({2560, 1440}); }
    void onDisplay(platform::Size display) {
        fake.desktop.screen = display;
        fake.window.display = display;
    }
    // A click at a client point of the picture, as the screen sees it now.
    void clickScaled(platform::Point client) {
        const platform::WindowView view = fake.window.view();
        const platform::Point corner = view.fullScreen ? view.displayCorner : game.shell.windowPos;
        clickAtScreen(
            {corner.x + view.origin.x + client.x * view.scale, corner.y + view.origin.y + client.y * view.scale});
    }
    void clickAtScreen(platform::Point at) {
        fake.desktop.cursor = at;
        frames(16);
        WindowProcedure(game, {platform::MessageKind::LButtonDown, 0, 0});
        WindowProcedure(game, {platform::MessageKind::LButtonUp, 0, 0});
    }
    platform::Point middleOf(ImageButtonName name) {
        const Rect r = game.widgets.imageButtons[name].rect;
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST_F(WindowScale, StartsAtTheComfortableScaleAndF11CyclesThroughWhatFitsRememberingIt) {
    EXPECT_EQ(game.shell.windowScale, 2);
    EXPECT_EQ(fake.window.scale, 2);
    EXPECT_EQ(StoredWindowScale(), 0) << "nothing is written until the player picks a scale";
    for (const int expected : {3, 1, 2, 3}) {
        key(vk::F11);
        EXPECT_EQ(fake.window.scale, expected);
        EXPECT_EQ(StoredWindowScale(), expected);
    }
    testing::WriteBytes(paths::kWindowScale, "7\n");
    EXPECT_EQ(StoredWindowScale(), 0) << "out of range";
}

TEST_F(WindowScale, TheStoredScaleWinsButNeverBeyondTheDisplay) {
    ASSERT_TRUE(StoreWindowScale(3));
    for (const auto& [display, expected] :
         {std::pair{platform::Size{2560, 1440}, 3}, {platform::Size{1920, 1080}, 2}}) {
        onDisplay(display);
        Game again{fake.bundle(), GameScreens()};
        StartUp(again);
        EXPECT_EQ(again.shell.windowScale, expected) << display.width;
    }
}

TEST_F(WindowScale, AGrownWindowComesBackOntoTheDisplay) {
    PlaceWindow(game, {1500, 900});
    key(vk::F11);  // 3x: 2100 x 1350
    EXPECT_EQ(game.shell.windowPos, (platform::Point{460, 90}));
}

TEST_F(WindowScale, AClickAtTheScaledPlaceOfAButtonPressesIt) {
    for (const int scale : {2, 3}) {
        SwitchScreen(game, ScreenKind::MainMenu);
        while (game.shell.windowScale != scale) key(vk::F11);
        clickScaled(middleOf(SettingsButton));
        EXPECT_EQ(screen(), ScreenKind::Settings) << scale;
    }
    SwitchScreen(game, ScreenKind::MainMenu);
    const platform::Point settings = middleOf(SettingsButton);
    clickAtScreen({game.shell.windowPos.x + settings.x, game.shell.windowPos.y + settings.y});
    EXPECT_EQ(screen(), ScreenKind::MainMenu) << "the unscaled place is somewhere else now";
}

TEST_F(WindowScale, FullScreenCentresTheLargestScaleAndMapsTheMouseThere) {
    fake.window.resizedTo = platform::Size{2560, 1440};
    const platform::WindowView view = fake.window.view();
    EXPECT_EQ(view.scale, 3);
    EXPECT_EQ(view.origin, (platform::Point{230, 45}));
    EXPECT_TRUE(view.fullScreen);

    const platform::Point before = game.shell.windowPos;
    clickAtScreen({100, 700});  // the black on the left
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
    fake.desktop.cursor = {230 + 3 * 350, 45 + 3 * 200};  // the picture, off the buttons
    frames(16);
    WindowProcedure(game, {platform::MessageKind::LButtonDown, 0, 0});
    fake.desktop.cursor = {400, 700};
    frames(16);
    WindowProcedure(game, {platform::MessageKind::LButtonUp, 0, 0});
    EXPECT_EQ(game.shell.windowPos, before) << "no drag moves a full-screen window";
    clickScaled(middleOf(HelpButton));
    EXPECT_EQ(screen(), ScreenKind::Help);
}

// Switching away and back puts the window where it was: on a large display
// the right and lower parts are no longer "outside".
TEST_F(WindowScale, AWindowFarRightOnALargeDisplayStaysThereWhenSwitchedBackTo) {
    onDisplay({3840, 2160});
    PlaceWindow(game, {2600, 1100});
    WindowProcedure(game, {platform::MessageKind::Activate, 0, 0});
    WindowProcedure(game, {platform::MessageKind::Activate, 1, 0});
    EXPECT_EQ(game.shell.windowPos, (platform::Point{2600, 1100}));
}

// Full screen on a display that begins right of the first: the mouse is
// mapped from that display's corner.
TEST_F(WindowScale, FullScreenOnASecondDisplayMapsTheMouseFromItsCorner) {
    fake.window.displayCorner = {1920, 0};
    fake.window.resizedTo = platform::Size{2560, 1440};
    clickAtScreen({1920 + 230 + 3 * 350, 45 + 3 * 200});  // the picture, off the buttons
    EXPECT_EQ(screen(), ScreenKind::MainMenu);
    clickScaled(middleOf(HelpButton));
    EXPECT_EQ(screen(), ScreenKind::Help);
}

TEST_F(WindowScale, ADragMovesTheWindowByTheMouseInScreenPixels) {
    const platform::Point start = game.shell.windowPos;
    fake.desktop.cursor = {start.x + 700, start.y + 300};  // an empty place of the 2x window
    frames(16);
    WindowProcedure(game, {platform::MessageKind::LButtonDown, 0, 0});
    fake.desktop.cursor = {start.x + 640, start.y + 330};
    frames(16);
    WindowProcedure(game, {platform::MessageKind::LButtonUp, 0, 0});
    EXPECT_EQ(game.shell.windowPos, (platform::Point{start.x - 60, start.y + 30}));
}

}  // namespace
}  // namespace glyphora
