#pragma once
// Starting the game from the launcher.
#include <string>

#include "platform/platform.h"

namespace glyphora {

// Starts Data/Game below installFolder with Data as its working directory.
// False when the game cannot be started.
bool StartGame(platform::Processes& processes, const std::string& installFolder);

}  // namespace glyphora
