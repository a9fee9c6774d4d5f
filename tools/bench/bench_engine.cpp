#include "tools/bench/bench_engine.h"
#include "game/screens/screen_table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "game/engine/font_table.h"
#include "game/engine/title_font.h"
#include "game/shell/loading.h"
#include "game/shell/main_loop.h"
#include "platform/fake/fake_platform.h"
#include "platform/sdl/real_platform.h"
#include "tools/bench/scratch_game.h"
#include "tools/bench/software_game.h"

namespace glyphora::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The texts of one play-screen frame: the word on offer, its typed part in
// another colour on the same line, the score, the letter value, a HUD
// message and the level.
void DrawPlayTexts(Game& game) {
    Font& wordFont = game.fonts[HudFont30];
    const Rect box{300, 417, 500, 442};
    const int typedWidth = MeasureText(wordFont, "KEY", box, DT_CALCRECT).right - box.left;
    const int wordWidth = MeasureText(wordFont, "KEYBOARD", box, DT_CALCRECT).right - box.left;
    const int left = (box.left + box.right - wordWidth) / 2;
    DrawFontText(game.renderer, wordFont, "KEY", {left, box.top, box.right, box.bottom}, DT_VCENTER, 0xFFAEE400);
    DrawFontText(game.renderer, wordFont, "BOARD", {left + typedWidth, box.top, box.right, box.bottom}, DT_VCENTER,
                 0xFF404040);
    const int centred = DT_CENTER | DT_VCENTER;
    DrawFontText(game.renderer, game.fonts[HudFont36a], "12345", {540, 230, 700, 270}, centred, 0xFF505050);
    DrawFontText(game.renderer, game.fonts[HudFont36b], "15", {540, 270, 700, 310}, centred, 0xFF808080);
    DrawFontText(game.renderer, game.fonts[HudFont28], "Double bonus!", {538, 406, 700, 450}, centred, 0xFFCC3300);
    char level[16];
    std::snprintf(level, sizeof level, "Level %d", 3);
    DrawFontText(game.renderer, game.fonts[HudFont40], level, {555, 25, 675, 85}, centred, 0xFF303030);
}

// Microseconds per frame of draw(), averaged over frames.
template <typename Draw>
double MicrosecondsPerFrame(int frames, Draw&& draw) {
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i) draw();
    return Milliseconds(Clock::now() - start) * 1000.0 / frames;
}

// Layout and quads alone: the device only records what it is given.
void MeasureLayout(Game& game) {
    auto* fake = new platform::FakeDevice;
    std::unique_ptr<platform::Device> recorder(fake);
    std::swap(game.renderer.device, recorder);
    DrawPlayTexts(game);
    const std::size_t quads = fake->calls.size();
    const double layout = MicrosecondsPerFrame(20000, [&] {
        fake->calls.clear();
        DrawPlayTexts(game);
    });
    std::swap(game.renderer.device, recorder);
    std::printf("text: the play screen's texts are %zu glyph quads a frame; layout and quads %.1f us a frame\n", quads,
                layout);
}

// The software renderer's share: frames with and without the texts, each
// flushed by reading the frame back.
void MeasureRendering(Game& game) {
    platform::Image frame;
    const auto withTexts = [&] {
        ClearScreen(game.renderer, 0xFFFFFFFF);
        DrawPlayTexts(game);
        game.renderer.device->readFrame(frame);
    };
    const auto without = [&] {
        ClearScreen(game.renderer, 0xFFFFFFFF);
        game.renderer.device->readFrame(frame);
    };
    const double drawn = MicrosecondsPerFrame(500, withTexts), bare = MicrosecondsPerFrame(500, without);
    std::printf("text: drawn by the SDL software renderer: %.1f us a frame (%.1f with, %.1f without the texts)\n",
                drawn - bare, drawn, bare);
}

// A game with its window, device and splash, as LoadAllResources finds it.
class LoadingGame {
public:
    LoadingGame() {
        game.platform.window->open({kWindowTitle, {40, 30}, {kWindowWidth, kWindowHeight}});
        StartRenderer(game);
        LoadSplash(game);
    }
    ~LoadingGame() {
        ReleaseSplash(game);
        ReleaseRenderer(game.renderer, game.log);
    }
    LoadingGame(const LoadingGame&) = delete;
    LoadingGame& operator=(const LoadingGame&) = delete;

    platform::RealPlatform platform;
    Game game{platform.bundle(), GameScreens()};
};

double TimeLoadAllResources() {
    LoadingGame loading;
    const auto start = Clock::now();
    LoadAllResources(loading.game);
    const double elapsed = Milliseconds(Clock::now() - start);
    ReleaseAllResources(loading.game);
    return elapsed;
}

// The fonts alone, rasterised afresh (a new platform keeps no atlases).
double TimeMakeAllFonts() {
    LoadingGame loading;
    Game& game = loading.game;
    InstallTitleFont(game.platform.fonts, game.platform.files, game.log);
    const auto start = Clock::now();
    MakeAllFonts(game.platform.fonts, game.renderer, game.fonts);
    const double elapsed = Milliseconds(Clock::now() - start);
    DestroyAllFonts(game.fonts);
    RemoveTitleFont(game.platform.fonts, game.log);
    return elapsed;
}

}  // namespace

void MeasureText() {
    ScratchGame scratch;
    if (!scratch.ready()) return;
    setenv("GLYPHORA_RENDERER", "sdl", 1);  // the software renderer's share is measured
    platform::RealPlatform platform;
    Game game(platform.bundle(), GameScreens());
    StartUp(game);
    unsetenv("GLYPHORA_RENDERER");
    if (!RendererReady(game.renderer)) {
        std::fprintf(stderr, "glyphora-bench: no renderer\n");
        return;
    }
    MeasureLayout(game);
    MeasureRendering(game);
    ShutDown(game);
}

void MeasureStartUp() {
    ScratchGame scratch;
    if (!scratch.ready()) return;
    {
        const auto start = Clock::now();
        platform::RealPlatform platform;
        Game game(platform.bundle(), GameScreens());
        StartUp(game);
        RunFrame(game);
        std::printf("startup: a whole start to the first frame after loading: %.1f ms (goal: under 300 ms)\n",
                    Milliseconds(Clock::now() - start));
        ShutDown(game);
    }
    std::vector<double> loading, fonts;
    for (int run = 0; run < 5; ++run) {
        loading.push_back(TimeLoadAllResources());
        fonts.push_back(TimeMakeAllFonts());
    }
    std::printf("startup: LoadAllResources %.1f ms, of which the fonts %.1f ms (medians of 5 in one process)\n",
                Median(loading), Median(fonts));
}

}  // namespace glyphora::bench
