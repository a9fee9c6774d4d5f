// Preflight: the launcher that the player starts. It starts the game, which
// lives in the Data folder beside it.
#include "launcher/start_game.h"
#include "platform/sdl/real_platform.h"

int main() {
    glyphora::platform::RealPlatform platform;
    glyphora::platform::Platform& services = platform.bundle();
    glyphora::StartGame(*services.processes, services.files->programFolder());
    return 0;
}
