#include "game/engine/title_font.h"

#include <string>

#include "game/shell/game.h"

namespace glyphora {
namespace {

const std::string kName = kTitleFontFile;

void RegisterInstalledCopy(Game& game, const std::string& folder, const std::string& installed) {
    LogLine(game.log, kName + " is present on this PC already");
    if (game.platform.fonts->registerFont(installed)) LogLine(game.log, "Installing " + kName + " from " + folder);
}

void CopyAndRegister(Game& game, const std::string& folder, const std::string& installed) {
    LogLine(game.log, kName + " is NOT present on this PC");
    platform::Files& files = *game.platform.files;
    // The per-user folder need not exist yet on a fresh account; it is made
    // only when there is a font to put in it.
    const bool copied =
        files.exists(kTitleFontInGame) && files.makeFolder(folder) && files.copy(kTitleFontInGame, installed);
    if (!copied) {
        LogLine(game.log, "Error during moving " + kName + " to " + folder);
        return;
    }
    LogLine(game.log, kName + " copied succesfully to " + folder + ".");
    // Registered from the game's own copy, as the installed one is only meant
    // for the next start.
    if (game.platform.fonts->registerFont(kTitleFontInGame)) LogLine(game.log, kName + " installed succesfully");
    else LogLine(game.log, "Error during installing " + kName);
}

}  // namespace

void InstallTitleFont(Game& game) {
    if (!game.platform.fonts || !game.platform.files) return;
    const std::string folder = game.platform.fonts->userFontFolder();
    const std::string installed = folder + "/" + kName;
    if (game.platform.files->exists(installed)) RegisterInstalledCopy(game, folder, installed);
    else CopyAndRegister(game, folder, installed);
}

void RemoveTitleFont(Game& game) {
    if (!game.platform.fonts) return;
    if (game.platform.fonts->unregisterFonts())
        LogLine(game.log, "Bebas Neue font removed from font resources succesfully.");
    else
        LogLine(game.log, "Error occured during removing Bebas Neue font from font resources.");
}

}  // namespace glyphora
