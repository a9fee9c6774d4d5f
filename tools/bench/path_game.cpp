#include "tools/bench/path_game.h"

#include <cstdlib>
#include <filesystem>

#include "platform/sdl/sdl_device.h"
#include "tools/bench/software_game.h"

namespace glyphora::bench {
namespace {

namespace fs = std::filesystem;

std::string VideoDriver() {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    return driver ? driver : "";
}

fs::path AssembledGameOn(platform::DrawingPath path) {
    setenv("GLYPHORA_RENDERER", path == platform::DrawingPath::Cpu ? "cpu" : "sdl", 1);
    setenv("SDL_RENDER_BATCHING", "0", 1);  // each draw runs inside the frame that made it
    return fs::canonical("/proc/self/exe").parent_path().parent_path() / "Glyphora";
}

}  // namespace

const char* PathName(platform::DrawingPath path) {
    return path == platform::DrawingPath::Cpu ? "CPU device (pixman)" : "SDL software renderer";
}

// The harness sets the dummy driver for its headless pictures; on a display
// the caller's choice (or SDL's own) is put back before the window opens.
PathGame::PathGame(platform::DrawingPath path, bool onDisplay)
    : videoDriverBefore_(VideoDriver()),
      harness_(AssembledGameOn(path), fs::temp_directory_path() / "glyphora-bench-pictures") {
    if (onDisplay) {
        if (videoDriverBefore_.empty()) unsetenv("SDL_VIDEODRIVER");
        else setenv("SDL_VIDEODRIVER", videoDriverBefore_.c_str(), 1);
    }
    harness_.startUp();
    unsetenv("GLYPHORA_RENDERER");
    platform::Device* device = harness_.game().renderer.device.get();
    if (auto* cpu = dynamic_cast<platform::CpuDevice*>(device)) {
        cpu->setFrameInterval(std::chrono::microseconds(0));
        cpu_ = cpu;
    } else if (auto* sdl = dynamic_cast<platform::SdlDevice*>(device)) {
        sdl->setFrameInterval(std::chrono::microseconds(0));
    }
}

void PathGame::advanceFrame() { harness_.clock().advance(kFrameMs); }

}  // namespace glyphora::bench
