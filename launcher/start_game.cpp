#include "launcher/start_game.h"

#include <cstdio>

namespace glyphora {
namespace {

// Long enough for the dynamic loader to give up on a program it cannot load,
// short enough that nobody waits for the launcher.
constexpr std::uint32_t kLoadWatchMs = 300;

// The exit codes with which the loader and exec report a program that could
// not be run.
bool CouldNotRun(const std::optional<int>& exitCode) { return exitCode == 126 || exitCode == 127; }

}  // namespace

std::string GameProgramPath(const std::string& installFolder) { return installFolder + "/Data/Game"; }

bool StartGame(platform::Processes& processes, const std::string& installFolder) {
    const std::unique_ptr<platform::Process> game =
        processes.start(GameProgramPath(installFolder), {}, installFolder + "/Data");
    if (!game) return false;
    return !CouldNotRun(game->wait(kLoadWatchMs));
}

void ReportGameStartFailure(platform::Desktop& desktop, const std::string& installFolder) {
    const std::string program = GameProgramPath(installFolder);
    std::fprintf(stderr, "Preflight: cannot start the game: %s is missing or cannot be run\n", program.c_str());
    desktop.messageBox("Glyphora",
                       "Glyphora cannot be started: the game program\n" + program +
                           "\nis missing or cannot be run.\n\nCopy the whole game folder again, "
                           "or install the game once more.",
                       platform::MessageBoxStyle::Error);
}

void OpenDirectXPage(platform::Shell& shell, const std::string& installFolder) {
    shell.open(installFolder + "/Manual/Graphics.html");
}

}  // namespace glyphora
