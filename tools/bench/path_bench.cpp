#include "tools/bench/path_bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <vector>

#include "game/shell/main_loop.h"
#include "game/shell/screens.h"
#include "platform/png/png_image.h"
#include "tools/bench/path_game.h"
#include "tools/bench/play_bench.h"
#include "tools/bench/software_game.h"

namespace glyphora::bench {
namespace {

using platform::DrawingPath;

struct SceneCost {
    double frameMicroseconds = 0;
    double drawnShare = -1;  // of the frame's pixels, drawn again (CPU device only)
    double shownShare = -1;  // handed to the window
};

enum class Scene { BusiestPlay, MainMenu };

// Unmeasured frames first: the field fills and spreads, the menu settles.
constexpr int kSettleFrames = 600;

const char* SceneName(Scene scene) { return scene == Scene::BusiestPlay ? "busiest play" : "main menu, idle"; }

void Prepare(Game& game, Scene scene) {
    if (scene == Scene::BusiestPlay) MakeBusy(game);
    else SwitchScreen(game, ScreenKind::MainMenu);
}

void BetweenFrames(Game& game, Scene scene) {
    if (scene == Scene::BusiestPlay) KeepBusy(game);
}

SceneCost Measure(DrawingPath path, Scene scene, int frames) {
    PathGame run(path);
    Game& game = run.game();
    Prepare(game, scene);
    for (int i = 0; i < kSettleFrames; ++i) {
        BetweenFrames(game, scene);
        run.advanceFrame();
        RunFrame(game);
    }
    std::vector<double> times;
    times.reserve(std::size_t(frames));
    double drawn = 0, shown = 0;
    constexpr double kFramePixels = 700.0 * 450.0;
    for (int i = 0; i < frames; ++i) {
        BetweenFrames(game, scene);
        run.advanceFrame();
        const auto start = std::chrono::steady_clock::now();
        RunFrame(game);
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        if (const auto* cpu = run.cpuDevice()) {
            drawn += double(cpu->lastFrame().pixelsDrawn) / kFramePixels;
            shown += double(cpu->lastFrame().pixelsShown) / kFramePixels;
        }
    }
    SceneCost cost{Median(std::move(times))};
    if (run.cpuDevice()) cost.drawnShare = drawn / frames, cost.shownShare = shown / frames;
    return cost;
}

platform::Image Picture(DrawingPath path, Scene scene) {
    PathGame run(path, true);
    Prepare(run.game(), scene);
    for (int i = 0; i < kSettleFrames; ++i) {
        BetweenFrames(run.game(), scene);
        run.advanceFrame();
        RunFrame(run.game());
    }
    platform::Image frame;
    run.game().renderer.device->readFrame(frame);
    return frame;
}

// Channel differences between two pictures: the largest, the mean, and the
// share of pixels off by more than 8. False when they are farther apart than
// two ways of sampling the same quads can explain: more than half a per cent
// of the pixels off by more than 8, or any pixel off by more than 64.
bool PrintDifference(const char* scene, const platform::Image& a, const platform::Image& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.empty()) {
        std::printf("  %-16s pictures missing or of different sizes\n", scene);
        return false;
    }
    int largest = 0;
    double sum = 0;
    long far = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        int pixelLargest = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const int d = std::abs(int((a.pixels[i] >> shift) & 0xFF) - int((b.pixels[i] >> shift) & 0xFF));
            pixelLargest = std::max(pixelLargest, d);
            sum += d;
        }
        largest = std::max(largest, pixelLargest);
        far += pixelLargest > 8;
    }
    const double farShare = double(far) / double(a.pixels.size());
    std::printf("  %-16s largest %3d, mean %.3f per channel, %.2f %% of pixels off by more than 8\n", scene, largest,
                sum / (3.0 * double(a.pixels.size())), 100.0 * farShare);
    return farShare <= 0.005 && largest <= 64;
}

}  // namespace

bool ComparePictures(const char* outputFolder) {
    namespace fs = std::filesystem;
    fs::create_directories(outputFolder);
    std::printf("pictures: the CPU device against the SDL path on this display\n");
    bool close = true;
    for (Scene scene : {Scene::BusiestPlay, Scene::MainMenu}) {
        const platform::Image cpu = Picture(DrawingPath::Cpu, scene);
        const platform::Image sdl = Picture(DrawingPath::Sdl, scene);
        const std::string name = scene == Scene::BusiestPlay ? "busiest-play" : "main-menu";
        platform::SavePng((fs::path(outputFolder) / (name + "-cpu.png")).string(), cpu);
        platform::SavePng((fs::path(outputFolder) / (name + "-sdl.png")).string(), sdl);
        close = PrintDifference(SceneName(scene), cpu, sdl) && close;
    }
    return close;
}

void MeasurePaths(int frames, const char* only, const char* scenes) {
    std::printf("paths: whole frames (game, drawing, present; unpaced), median of %d, dummy video\n", frames);
    for (Scene scene : {Scene::BusiestPlay, Scene::MainMenu}) {
        if (scenes && std::string_view(scenes) != (scene == Scene::BusiestPlay ? "play" : "menu")) continue;
        for (DrawingPath path : {DrawingPath::Cpu, DrawingPath::Sdl}) {
            if (only && std::string_view(only) != (path == DrawingPath::Cpu ? "cpu" : "sdl")) continue;
            const SceneCost cost = Measure(path, scene, frames);
            std::printf("  %-16s %-22s %8.1f us", SceneName(scene), PathName(path), cost.frameMicroseconds);
            if (cost.drawnShare >= 0)
                std::printf("   drawn again %5.1f %%, shown %5.1f %% of the frame's pixels", 100 * cost.drawnShare,
                            100 * cost.shownShare);
            std::printf("\n");
        }
    }
}

}  // namespace glyphora::bench
