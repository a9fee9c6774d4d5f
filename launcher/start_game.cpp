#include "launcher/start_game.h"

namespace glyphora {

bool StartGame(platform::Processes& processes, const std::string& installFolder) {
    const std::string dataFolder = installFolder + "/Data";
    return processes.start(dataFolder + "/Game", {}, dataFolder) != nullptr;
}

}  // namespace glyphora
