#pragma once
#include <string>

#include "game/data/settings.h"
#include "platform/platform.h"

namespace glyphora {

// The settings a fresh installation starts with: Medium, both volumes at 7,
// the free game at starting level 1 with speed, density and lives at 5 and
// the letters of every sub-level on, the F3 question on, the placeholder
// identifier.
Settings FreshSettings();

// Writes a fresh installation's data files into "Data/" below the working
// folder: Settings.ini (first run), an empty score table and the word list
// (both in stored form), Hashes.txt consistent with them, and the same four
// files in "Data/Backup/". plainWordList is the word list in plain form. The
// filler of the score table comes from a random source with a fixed seed, so
// the files are the same at every build. False when a file could not be
// written or the result does not pass the integrity check.
bool WriteFreshInstallation(const std::string& plainWordList, platform::Files& files);

}  // namespace glyphora
