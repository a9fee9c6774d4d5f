#include "tools/bench/play_bench.h"
#include "game/screens/screen_table.h"
#include "game/shell/run_control.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "game/gameplay/progression.h"
#include "game/gameplay/run_rules.h"
#include "game/gameplay/spawning.h"
#include "game/gameplay/update_play.h"
#include "game/shell/game_clock.h"
#include "game/shell/main_loop.h"
#include "platform/fake/fake_platform.h"
#include "platform/fake/null_device.h"
#include "tools/bench/audio_bench.h"
#include "tools/bench/software_game.h"

namespace glyphora::bench {

// A Medium run on its last sub-level with everything the HUD can show.
void MakeBusy(Game& game) {
    game.settings.difficulty = kMedium;
    NewGame(game);
    EnterSubLevel(game, 4);
    game.run.lives = game.run.maxLives = 8;
    game.run.tntCharges = 3;
    game.run.bonusBar = 420;
    game.store.setRunScore(123456);
}

// Between measured frames: the field keeps 40 items (topped up one a frame,
// so that they spread over its height), the lives and the message stay, the
// sub-level does not change.
void KeepBusy(Game& game) {
    if (game.field.items.size() < kBusyItems) SpawnItemNow(game);
    game.run.lives = 8;
    game.run.levelStart = GameTime(game);
    if (!game.run.message.shown()) ShowMessage(game.run.message, "! B*O*N*U*S !", 1000, 500, GameTime(game));
}

namespace {

// Unmeasured frames until the field holds its 40 items spread out. They run
// the frame's steps without RunFrame itself, so that an instruction count of
// RunFrame sees only the measured frames.
constexpr int kWarmUpFrames = 600;

template <typename Advance>
void WarmUp(Game& game, Advance advance) {
    for (int i = 0; i < kWarmUpFrames; ++i) {
        KeepBusy(game);
        advance();
        UpdatePlay(game);
        DrawFrame(game);
    }
}

template <typename Advance>
double MedianFrameMicroseconds(Game& game, int frames, Advance advance) {
    WarmUp(game, advance);
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        KeepBusy(game);
        advance();
        const auto start = std::chrono::steady_clock::now();
        RunFrame(game);
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    if (game.screen.current != ScreenKind::Play || game.field.items.size() < kBusyItems - 2)
        std::fprintf(stderr, "glyphora-bench: the play scene did not stay busy\n");
    return Median(std::move(times));
}

double SoftwareFrame(int frames) {
    SoftwareGame software;
    MakeBusy(software.game());
    return MedianFrameMicroseconds(software.game(), frames, [&] { software.advanceFrame(); });
}

struct NullGame {
    NullGame() {
        fake.bundle().window = &window;
        StartUp(game);
        MakeBusy(game);
    }
    platform::FakePlatform fake;
    platform::NullDeviceWindow window;
    Game game{fake.bundle(), GameScreens()};
};

}  // namespace

FrameCosts PlayFrameCosts(int frames) {
    FrameCosts costs;
    costs.software = SoftwareFrame(frames);
    NullGame null;
    costs.own = MedianFrameMicroseconds(null.game, frames, [&] { null.fake.clock.advance(kFrameMs); });
    return costs;
}

void MeasurePlay(int frames) {
    const FrameCosts costs = PlayFrameCosts(frames);
    std::printf("play (%zu items, full HUD, a message), median of %d frames:\n", kBusyItems, frames);
    std::printf("  frame on the software renderer (present excluded): %8.1f us\n", costs.software);
    std::printf("  game's own work (null device):                     %8.1f us\n", costs.own);
    // The play scene here runs without audio: its update is measured on its
    // own, as busy as music and effects make it.
    std::printf("  audio update (4 streams, 8 voices, null output):   %8.1f us (goal: under 20 us)\n",
                AudioUpdateMedian(300));
}

void RunNullFrames(int frames) {
    NullGame null;
    WarmUp(null.game, [&] { null.fake.clock.advance(kFrameMs); });
    for (int i = 0; i < frames; ++i) {
        KeepBusy(null.game);
        null.fake.clock.advance(kFrameMs);
        RunFrame(null.game);
    }
}

}  // namespace glyphora::bench
