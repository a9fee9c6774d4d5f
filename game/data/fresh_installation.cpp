#include "game/data/fresh_installation.h"

#include <cstdlib>

#include "common/swap_file_bytes.h"
#include "game/data/data_paths.h"
#include "game/data/integrity.h"
#include "game/data/score_file.h"
#include "game/data/settings_file.h"

namespace glyphora {

namespace {
constexpr unsigned kFillerSeed = 20240601;
}  // namespace

Settings FreshSettings() {
    Settings settings;
    settings.windowX = 40;
    settings.windowY = 30;
    settings.queryF3 = true;
    settings.difficulty = 1;
    for (auto& row : settings.freeGameKeys) {
        row[0] = true;
        row[1] = false;
    }
    settings.startLevel = 1;
    settings.speedMod = 5;
    settings.chanceMod = 5;
    settings.maxLives = 5;
    settings.musicVolume = 7;
    settings.soundVolume = 7;
    settings.regcode = kPlaceholderRegcode;
    return settings;
}

bool WriteFreshInstallation(const std::string& plainWordList, platform::Files& files) {
    files.makeFolder("Data");
    Random random(kFillerSeed);
    ScoreTable table;
    ScoreStore store;
    if (!SaveInstallSettings(FreshSettings()) || !SaveScores(table, store, random)) return false;
    if (!files.copy(plainWordList, paths::kWordList) || !SwapFileBytes(paths::kWordList)) return false;
    if (!WriteDataFileHashes()) return false;
    BackupDataFiles(files);
    return CheckDataFiles() && files.exists(std::string(paths::kBackupFolder) + "/Scores.txt");
}

}  // namespace glyphora
