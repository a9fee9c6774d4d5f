#pragma once
// Starting the game, and the page the launcher offers when the graphics
// check fails.
#include <string>

#include "platform/platform.h"

namespace glyphora {

// The game program below the folder that holds the launcher.
std::string GameProgramPath(const std::string& installFolder);

// Starts Data/Game below installFolder with Data as its working folder, so
// the launcher may be started from any current folder. False when the game
// cannot be started: the program is missing or not executable, or it ends at
// once because the system cannot load it (a missing shared library).
bool StartGame(platform::Processes& processes, const std::string& installFolder);

// Tells the player that the game could not be started: a message box and a
// line on stderr.
void ReportGameStartFailure(platform::Desktop& desktop, const std::string& installFolder);

// Opens our page about the graphics the game needs (Manual/Graphics.html)
// with the desktop's browser. Its result is not checked.
void OpenDirectXPage(platform::Shell& shell, const std::string& installFolder);

}  // namespace glyphora
