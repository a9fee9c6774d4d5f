#include "tools/bench/menu_bench.h"
#include "game/screens/screen_table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "game/shell/main_loop.h"
#include "game/shell/screens.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/null_device.h"
#include "platform/sdl/real_platform.h"
#include "tools/bench/play_bench.h"
#include "tools/bench/scratch_game.h"
#include "tools/bench/software_game.h"

namespace glyphora::bench {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kStarts = 5;

// One start of the game until its first frame on the main menu is shown:
// from then on it takes input. Milliseconds; negative when it did not end
// on the main menu.
double TimeStartToMainMenu() {
    const auto start = Clock::now();
    platform::RealPlatform platform;
    Game game(platform.bundle(), GameScreens());
    StartUp(game);
    RunFrame(game);
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const bool onMenu = game.screen.current == ScreenKind::MainMenu;
    ShutDown(game);
    return onMenu ? elapsed : -1;
}

void MeasureStartToMainMenu() {
    ScratchGame scratch;
    if (!scratch.ready()) return;
    {
        platform::RealPlatform platform;  // the first run: it ends on the intro and records itself
        Game game(platform.bundle(), GameScreens());
        StartUp(game);
        ShutDown(game);
    }
    std::vector<double> starts;
    for (int i = 0; i < kStarts; ++i) starts.push_back(TimeStartToMainMenu());
    if (*std::min_element(starts.begin(), starts.end()) < 0) {
        std::fprintf(stderr, "glyphora-bench: a start did not end on the main menu\n");
        return;
    }
    std::printf("menu: start to the interactive main menu: first %.1f ms, median of %d %.1f ms (goal: under 300 ms)\n",
                starts.front(), kStarts, Median(starts));
}

// The median frame of a screen just switched to: settle frames first, then
// frames measured ones.
template <typename Advance>
double MedianScreenFrame(Game& game, ScreenKind kind, int settle, int frames, Advance advance) {
    SwitchScreen(game, kind);
    for (int i = 0; i < settle; ++i) {
        advance();
        RunFrame(game);
    }
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        advance();
        const auto start = Clock::now();
        RunFrame(game);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    return Median(times);
}

FrameCosts ScreenFrameCosts(ScreenKind kind, int settle, int frames) {
    FrameCosts costs;
    {
        SoftwareGame software;
        costs.software = MedianScreenFrame(software.game(), kind, settle, frames, [&] { software.advanceFrame(); });
    }
    platform::FakePlatform fake;
    platform::NullDeviceWindow window;
    fake.bundle().window = &window;
    Game game{fake.bundle(), GameScreens()};
    StartUp(game);
    costs.own = MedianScreenFrame(game, kind, settle, frames, [&] { fake.clock.advance(kFrameMs); });
    return costs;
}

// A whole visit to the credits: every page types and fades in (about 73 s),
// the finale joins them after a minute, then stays with the buttons.
constexpr int kCreditsVisitFrames = 75000 / kFrameMs;

}  // namespace

void MeasureMenu(int frames) {
    MeasureStartToMainMenu();
    const FrameCosts menu = ScreenFrameCosts(ScreenKind::MainMenu, 100, frames);
    const FrameCosts credits = ScreenFrameCosts(ScreenKind::Credits, 0, kCreditsVisitFrames);
    const FrameCosts play = PlayFrameCosts(frames);
    std::printf("menu: frame cost, median of %d frames (credits: of a 75 s visit, %d frames)\n", frames,
                kCreditsVisitFrames);
    std::printf("                                           main menu     credits   play (busiest scene)\n");
    std::printf("  software renderer (present excluded):  %8.1f us  %8.1f us  %8.1f us\n", menu.software,
                credits.software, play.software);
    std::printf("  game's own work (null device):         %8.1f us  %8.1f us  %8.1f us\n", menu.own, credits.own,
                play.own);
}

}  // namespace glyphora::bench
