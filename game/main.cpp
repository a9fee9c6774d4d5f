// Game: the falling-letters typing game. Runs with its Data folder as the
// working directory.
#include "game/screens/screen_table.h"
#include "game/shell/game.h"
#include "game/shell/main_loop.h"
#include "platform/sdl/real_platform.h"

int main() {
    glyphora::platform::RealPlatform platform;
    glyphora::Game game(platform.bundle(), glyphora::GameScreens());
    return glyphora::RunGame(game);
}
