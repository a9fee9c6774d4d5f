// glyphora-tour OUTDIR: plays through every screen and state of the game
// headless and writes one picture of each into OUTDIR, then a spectrogram of
// every effect and track into OUTDIR/sound with their levels.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "tools/tour/tour_harness.h"
#include "tools/tour/tour_scenes.h"

namespace {

// The effects and tracks of the assembled game heard through their figures:
// soundcheck.sh draws a spectrogram of each into OUTDIR/sound and prints
// their levels, kept in OUTDIR/sound/levels.txt. Skipped, with a word, where
// sox is missing. False when the check ran and failed (a file clipping).
bool CheckSounds(const std::filesystem::path& data, const std::filesystem::path& out) {
    namespace fs = std::filesystem;
    const fs::path folder = out / "sound";
    fs::create_directories(folder);
    const std::string levels = (folder / "levels.txt").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, levels.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string script = GLYPHORA_SOUNDCHECK, in = data.string(), to = folder.string();
    char* const arguments[] = {const_cast<char*>("bash"), const_cast<char*>(script.c_str()),
                               const_cast<char*>(in.c_str()), const_cast<char*>(to.c_str()), nullptr};
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "bash", &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool HaveSox() { return std::system("command -v sox >/dev/null 2>&1") == 0; }

}  // namespace

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
    if (!HaveSox()) {
        std::fprintf(stderr, "glyphora-tour: no sox, so no spectrograms of the sounds\n");
    } else if (!CheckSounds(gameFolder / "Data", argv[1])) {
        std::fprintf(stderr, "glyphora-tour: the sound check failed (see %s/sound/levels.txt)\n", argv[1]);
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
