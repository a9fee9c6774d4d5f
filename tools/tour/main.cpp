// glyphora-tour OUTDIR: plays through every screen and state of the game
// headless and writes one picture of each into OUTDIR.
#include <cstdio>
#include <filesystem>

#include "tools/tour/tour_harness.h"
#include "tools/tour/tour_scenes.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: glyphora-tour OUTDIR\n");
        return 2;
    }
    namespace fs = std::filesystem;
    const fs::path gameFolder = fs::canonical("/proc/self/exe").parent_path().parent_path() / "Glyphora";
    if (!fs::exists(gameFolder / "Data" / "Game")) {
        std::fprintf(stderr, "glyphora-tour: no assembled game at %s\n", gameFolder.c_str());
        return 1;
    }
    int failures = 0;
    for (const glyphora::tour::Scene& scene : glyphora::tour::AllScenes()) {
        glyphora::tour::TourHarness harness(gameFolder, argv[1]);
        if (!scene.run(harness)) {
            std::fprintf(stderr, "glyphora-tour: scene %s failed\n", scene.name);
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
