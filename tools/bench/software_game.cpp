#include "tools/bench/software_game.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "tools/bench/unpresented_device.h"

namespace glyphora::bench {
namespace {

namespace fs = std::filesystem;

fs::path AssembledGame() {
    // SDL's software renderer, which the dummy driver would not choose by
    // itself; each draw runs when it is called, inside the measured frame.
    setenv("GLYPHORA_RENDERER", "sdl", 1);
    setenv("SDL_RENDER_BATCHING", "0", 1);
    return fs::canonical("/proc/self/exe").parent_path().parent_path() / "Glyphora";
}

}  // namespace

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

SoftwareGame::SoftwareGame() : harness_(AssembledGame(), fs::temp_directory_path() / "glyphora-bench-pictures") {
    harness_.startUp();
    unsetenv("GLYPHORA_RENDERER");
    Renderer& renderer = harness_.game().renderer;
    renderer.device = std::make_unique<UnpresentedDevice>(std::move(renderer.device));
}

}  // namespace glyphora::bench
