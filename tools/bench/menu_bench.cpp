#include "tools/bench/menu_bench.h"

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
#include "tools/bench/unpresented_device.h"
#include "tools/tour/tour_harness.h"

namespace glyphora::bench {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kStarts = 5;
constexpr std::uint32_t kFrameMs = 16;

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// One start of the game until its first frame on the main menu is shown:
// from then on it takes input. Milliseconds; negative when it did not end
// on the main menu.
double TimeStartToMainMenu() {
    const auto start = Clock::now();
    platform::RealPlatform platform;
    Game game(platform.bundle());
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
        Game game(platform.bundle());
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
        const fs::path gameFolder = fs::canonical("/proc/self/exe").parent_path().parent_path() / "Glyphora";
        setenv("SDL_RENDER_BATCHING", "0", 1);  // each draw runs when called, inside the measured frame
        tour::TourHarness harness(gameFolder, fs::temp_directory_path() / "glyphora-bench-pictures");
        harness.startUp();
        Game& game = harness.game();
        game.renderer.device = std::make_unique<UnpresentedDevice>(std::move(game.renderer.device));
        costs.software = MedianMenuFrame(game, frames, [&] { harness.clock().advance(kFrameMs); });
    }
    platform::FakePlatform fake;
    platform::NullDeviceWindow window;
    fake.bundle().window = &window;
    Game game{fake.bundle()};
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
