#include "game/engine/title_font.h"

#include <string>

namespace glyphora {
namespace {

const std::string kName = kTitleFontFile;

void RegisterInstalledCopy(platform::FontSystem& fonts, const DebugLog& log, const std::string& folder,
                           const std::string& installed) {
    LogLine(log, kName + " is present on this PC already");
    if (fonts.registerFont(installed)) LogLine(log, "Installing " + kName + " from " + folder);
}

void CopyAndRegister(platform::FontSystem& fonts, platform::Files& files, const DebugLog& log,
                     const std::string& folder, const std::string& installed) {
    LogLine(log, kName + " is NOT present on this PC");
    // The per-user folder need not exist yet on a fresh account; it is made
    // only when there is a font to put in it.
    const bool copied =
        files.exists(kTitleFontInGame) && files.makeFolder(folder) && files.copy(kTitleFontInGame, installed);
    if (!copied) {
        LogLine(log, "Error during moving " + kName + " to " + folder);
        return;
    }
    LogLine(log, kName + " copied succesfully to " + folder + ".");
    // Registered from the game's own copy, as the installed one is only meant
    // for the next start.
    if (fonts.registerFont(kTitleFontInGame)) LogLine(log, kName + " installed succesfully");
    else LogLine(log, "Error during installing " + kName);
}

}  // namespace

void InstallTitleFont(platform::FontSystem* fonts, platform::Files* files, const DebugLog& log) {
    if (!fonts || !files) return;
    const std::string folder = fonts->userFontFolder();
    const std::string installed = folder + "/" + kName;
    if (files->exists(installed)) RegisterInstalledCopy(*fonts, log, folder, installed);
    else CopyAndRegister(*fonts, *files, log, folder, installed);
}

void RemoveTitleFont(platform::FontSystem* fonts, const DebugLog& log) {
    if (!fonts) return;
    if (fonts->unregisterFonts()) LogLine(log, "Bebas Neue font removed from font resources succesfully.");
    else LogLine(log, "Error occured during removing Bebas Neue font from font resources.");
}

}  // namespace glyphora
