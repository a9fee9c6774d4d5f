#pragma once
// A game started on fake platform services, the way Game starts, inside a
// scratch working folder (whatever it saves lands there), with helpers that
// deliver input through the window procedure as the platform would.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "game/gameplay/level_tables.h"
#include "game/gameplay/progression.h"
#include "game/screens/screen_table.h"
#include "game/shell/game_clock.h"
#include "game/shell/main_loop.h"
#include "game/shell/run_control.h"
#include "game/shell/screens.h"
#include "platform/fake/fake_platform.h"
#include "support/scratch_dir.h"

namespace glyphora::testing {

class StartedGame : public ::testing::Test {
protected:
    // No settings file: not a first run, so start-up ends on the main menu
    // with the window at (0, 0), where client and screen points agree.
    StartedGame() { std::filesystem::create_directories("Data"); }
    void SetUp() override { StartUp(game); }

    void key(int code) { send(platform::MessageKind::KeyDown, static_cast<std::uint32_t>(code)); }
    void keys(std::initializer_list<int> codes) {
        for (int code : codes) key(code);
    }
    // Typed characters, as WM_CHAR messages.
    void type(std::string_view text) {
        for (char c : text) send(platform::MessageKind::Char, static_cast<unsigned char>(c));
    }
    // A press and release at a client point, the cursor held still.
    void click(platform::Point at) {
        fake.desktop.cursor = {at.x + game.shell.windowPos.x, at.y + game.shell.windowPos.y};
        send(platform::MessageKind::LButtonDown);
        send(platform::MessageKind::LButtonUp);
    }
    // A click in the middle of a button where it now stands.
    void clickButton(ImageButtonName name) {
        const Rect r = game.widgets.imageButtons[name].rect;
        click({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    }
    // Frames over ms of the clock, as the main loop runs them.
    void frames(int ms, int step = 16) {
        for (int done = 0; done < ms; done += step) {
            fake.clock.advance(static_cast<std::uint32_t>(std::min(step, ms - done)));
            RunFrame(game);
        }
    }
    void startRun(int difficulty = kMedium, bool freeGame = false) {
        game.settings.difficulty = difficulty;
        game.run.freeGame = freeGame;
        NewGame(game);
    }
    ScreenKind screen() const { return game.screen.current; }

    ScratchDir scratch{true};
    platform::FakePlatform fake;
    Game game{fake.bundle(), GameScreens()};

private:
    void send(platform::MessageKind kind, std::uint32_t wParam = 0) { WindowProcedure(game, {kind, wParam, 0}); }
};

}  // namespace glyphora::testing
