// Game: the falling-letters typing game. Runs with its Data folder as the
// working directory, or with the player's own folder when that one is not
// writable (a system-wide install).
#include <filesystem>

#include "common/player_folder.h"
#include "game/screens/screen_table.h"
#include "game/shell/game.h"
#include "game/shell/main_loop.h"
#include "platform/sdl/real_platform.h"

int main() {
    std::error_code error;
    const std::filesystem::path gameData = std::filesystem::current_path(error);
    if (!error) std::filesystem::current_path(glyphora::ChoosePlayerFolder(gameData), error);
    glyphora::platform::RealPlatform platform;
    glyphora::Game game(platform.bundle(), glyphora::GameScreens());
    return glyphora::RunGame(game);
}
