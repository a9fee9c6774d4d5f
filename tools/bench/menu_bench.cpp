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

template <typename Advance>
double MedianMenuFrame(Game& game, int frames, Advance advance) {
    SwitchScreen(game, ScreenKind::MainMenu);
    for (int i = 0; i < 100; ++i) {
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

FrameCosts MenuFrameCosts(int frames) {
    namespace fs = std::filesystem;
    FrameCosts costs;
    {
        SoftwareGame software;
        costs.software = MedianMenuFrame(software.game(), frames, [&] { software.advanceFrame(); });
    }
    platform::FakePlatform fake;
    platform::NullDeviceWindow window;
    fake.bundle().window = &window;
    Game game{fake.bundle(), GameScreens()};
    StartUp(game);
    costs.own = MedianMenuFrame(game, frames, [&] { fake.clock.advance(kFrameMs); });
    return costs;
}

}  // namespace

void MeasureMenu(int frames) {
    MeasureStartToMainMenu();
    const FrameCosts menu = MenuFrameCosts(frames);
    const FrameCosts play = PlayFrameCosts(frames);
    std::printf("menu: frame cost, median of %d frames        main menu   play (busiest scene)\n", frames);
    std::printf("  software renderer (present excluded):     %8.1f us  %8.1f us\n", menu.software, play.software);
    std::printf("  game's own work (null device):            %8.1f us  %8.1f us\n", menu.own, play.own);
}

}  // namespace glyphora::bench
