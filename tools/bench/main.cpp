// glyphora-bench: the per-frame and start-up costs of the game.
//   glyphora-bench              every measurement
//   glyphora-bench loop [S]     the real main loop for S seconds (default 5):
//                               frames per second and processor use
//   glyphora-bench play [N]     the busiest play scene, medians over N frames
//                               (default 2000): software renderer and null device
//   glyphora-bench play-null N  N frames of it on the null device, silently; for
//                               an instruction count per frame:
//     valgrind --tool=callgrind --callgrind-out-file=play.cg
//       --toggle-collect='glyphora::RunFrame(glyphora::Game&)'
//       build/tools/glyphora-bench play-null 1000
//     callgrind_annotate play.cg | grep 'PROGRAM TOTALS'    (then divide by N)
//   glyphora-bench paths [N [cpu|sdl [play|menu]]]
//                               the busiest play scene and the idle main menu
//                               on the CPU device and on SDL's software
//                               renderer (or those named): whole frames with
//                               present, medians over N frames (default 1000),
//                               and the share of pixels the CPU device drew
//                               again
//   glyphora-bench pictures OUTDIR
//                               the busiest play scene and the main menu on
//                               both paths on the display SDL finds (run it
//                               on an X server to compare with the
//                               accelerated renderer): pictures and their
//                               per-pixel difference; exit code 1 when they
//                               are farther apart than sampling explains
//   glyphora-bench window-shot FILE
//                               saves what the game's window shows on the X
//                               server as a PNG file
//   glyphora-bench first-frame FILE START_NS [TIMEOUT_MS]
//                               waits until the game's window shows the
//                               picture in FILE and prints the milliseconds
//                               since START_NS (`date +%s%N` before the start)
//   glyphora-bench window-watch FILE COUNT [PREFIX]
//                               grabs the game's window COUNT times and prints
//                               how many grabs differ from the picture in FILE
//                               in more than a fifth of their pixels (saved as
//                               PREFIX<n>.png); exit code 1 when any does
//   glyphora-bench text         the play screen's texts per frame
//   glyphora-bench startup      a whole start, and the loading of resources
//   glyphora-bench menu [N]     a start to the interactive main menu, and the
//                               main menu's frame beside the credits' and the
//                               play screen's, medians over N frames (default
//                               2000; the credits over a whole 75 s visit)
//   glyphora-bench audio [N]    the audio update with 4 streams and 8 voices,
//                               over N frames at 60 a second (default 600)
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "game/screens/screen_table.h"
#include "game/shell/main_loop.h"
#include "platform/sdl/real_platform.h"
#include "tools/bench/audio_bench.h"
#include "tools/bench/bench_engine.h"
#include "tools/bench/menu_bench.h"
#include "tools/bench/path_bench.h"
#include "tools/bench/play_bench.h"
#include "tools/bench/scratch_game.h"
#include "tools/bench/x_watch.h"

namespace {

using Seconds = std::chrono::duration<double>;

double ProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the game's loop as Game does (messages, then a frame) for a while, in
// a scratch copy of the game folder so that no player's data is touched.
void MeasureLoop(double seconds) {
    glyphora::bench::ScratchGame scratch;
    if (!scratch.ready()) return;
    glyphora::platform::RealPlatform platform;
    glyphora::Game game(platform.bundle(), glyphora::GameScreens());
    glyphora::StartUp(game);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ProcessorSeconds();
    int frames = 0;
    glyphora::platform::Message message;
    while (Seconds(std::chrono::steady_clock::now() - start).count() < seconds) {
        while (platform.bundle().messages->peek(message)) glyphora::WindowProcedure(game, message);
        glyphora::RunFrame(game);
        ++frames;
    }
    const double elapsed = Seconds(std::chrono::steady_clock::now() - start).count();
    const double cpu = ProcessorSeconds() - cpuStart;
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    std::printf("loop (%s): %d frames in %.2f s = %.1f fps; processor %.3f s = %.1f %% of one core\n",
                driver ? driver : "default", frames, elapsed, frames / elapsed, cpu, 100.0 * cpu / elapsed);
    glyphora::ShutDown(game);
}

}  // namespace

int main(int argc, char** argv) {
    const bool all = argc < 2;
    if (!all && std::strcmp(argv[1], "pictures") == 0 && argc > 2)
        return glyphora::bench::ComparePictures(argv[2]) ? 0 : 1;
    if (!all && std::strcmp(argv[1], "window-shot") == 0)
        return argc > 2 && glyphora::bench::SaveWindowShot(argv[2]) ? 0 : 1;
    if (!all && std::strcmp(argv[1], "window-watch") == 0 && argc > 3) {
        const int strange =
            glyphora::bench::CountStrangeFrames(argv[2], std::atoi(argv[3]), argc > 4 ? argv[4] : nullptr);
        std::printf("%d of %s grabs differ in more than a fifth of their pixels\n", strange, argv[3]);
        return strange == 0 ? 0 : 1;
    }
    if (!all && std::strcmp(argv[1], "first-frame") == 0 && argc > 3)
        return glyphora::bench::WaitForPicture(argv[2], std::atoll(argv[3]), argc > 4 ? std::atoi(argv[4]) : 10000) ? 0
                                                                                                                    : 1;
    if (all || std::strcmp(argv[1], "loop") == 0) MeasureLoop(argc > 2 && !all ? std::atof(argv[2]) : 5.0);
    if (all || std::strcmp(argv[1], "play") == 0)
        glyphora::bench::MeasurePlay(argc > 2 && !all ? std::atoi(argv[2]) : 2000);
    if (!all && std::strcmp(argv[1], "play-null") == 0)
        glyphora::bench::RunNullFrames(argc > 2 ? std::atoi(argv[2]) : 1000);
    if (all || std::strcmp(argv[1], "paths") == 0)
        glyphora::bench::MeasurePaths(argc > 2 && !all ? std::atoi(argv[2]) : 1000,
                                      argc > 3 && !all ? argv[3] : nullptr, argc > 4 && !all ? argv[4] : nullptr);
    if (all || std::strcmp(argv[1], "text") == 0) glyphora::bench::MeasureText();
    if (all || std::strcmp(argv[1], "startup") == 0) glyphora::bench::MeasureStartUp();
    if (all || std::strcmp(argv[1], "menu") == 0)
        glyphora::bench::MeasureMenu(argc > 2 && !all ? std::atoi(argv[2]) : 2000);
    if (all || std::strcmp(argv[1], "audio") == 0)
        glyphora::bench::MeasureAudio(argc > 2 && !all ? std::atoi(argv[2]) : 600);
    return 0;
}
