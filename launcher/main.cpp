// Preflight: the launcher that the player starts. It checks once that the
// desktop can show the game's graphics, remembers a good result, and starts
// the game, which lives in the Data folder beside it.
#include "launcher/launcher_flow.h"
#include "launcher/sdl_graphics_check.h"
#include "platform/posix/posix_services.h"
#include "platform/sdl/sdl_video.h"

int main() {
    glyphora::platform::SdlVideo desktop;
    glyphora::platform::PosixProcesses processes;
    glyphora::platform::XdgShell shell;
    glyphora::platform::PosixFiles files;
    glyphora::SdlGraphicsCheck provider;
    glyphora::NoGraphicsSystemFiles reader;
    glyphora::LauncherServices services{desktop, shell, processes, provider, reader, files.programFolder()};
    return glyphora::RunLauncher(services);
}
