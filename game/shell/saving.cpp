#include "game/shell/saving.h"

#include <filesystem>
#include <string>

#include "game/data/data_paths.h"
#include "game/data/integrity.h"
#include "game/shell/game.h"
#include "game/shell/settings_binding.h"

namespace glyphora {
namespace {

const char* WhatIsIn(const std::string& path) {
    if (path == paths::kSettings) return "your settings";
    if (path == paths::kScores) return "your high scores";
    return "the check sums of your data files";
}

std::string WhereIs(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string SaveFailedText(const std::string& path) {
    return std::string("The game could not save ") + WhatIsIn(path) + " to\n" + WhereIs(path) +
           "\nThe folder may be read-only or the disk full. The game goes on, but what you change from now on "
           "may be lost when it ends.";
}

void ReportSaveFailure(Game& game, const std::string& failedPath) {
    if (failedPath.empty() || game.shell.saveFailureReported) return;
    game.shell.saveFailureReported = true;
    game.platform.desktop->messageBox(kSaveFailedCaption, SaveFailedText(failedPath), platform::MessageBoxStyle::Error);
}

}  // namespace

void SaveGameSettings(Game& game) { ReportSaveFailure(game, SaveSettingsAndHashes(CollectSettings(game))); }

void SaveGameScores(Game& game) { ReportSaveFailure(game, SaveScoresAndHashes(game.scores, game.store, game.random)); }

void SaveGameAtExit(Game& game) {
    ReportSaveFailure(game, SaveDataFiles(CollectSettings(game), game.scores, game.store, game.random));
}

}  // namespace glyphora
