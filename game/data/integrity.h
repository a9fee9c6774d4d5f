#pragma once
#include <string>

#include "common/random.h"
#include "game/data/score_store.h"
#include "game/data/score_table.h"
#include "game/data/settings.h"
#include "platform/platform.h"

namespace glyphora {

inline constexpr const char* kCorruptionCaption = "Error: Corrupted Files";
inline constexpr const char* kCorruptionText =
    "The data files have been corrupted. The backup files from the last valid start of the game are "
    "loaded.\nThis may result in some settings or high scores lost. We are sorry for the inconvenience.";

// The digest of a data file as stored: the MD5 of its bytes as 32 lower-case
// hexadecimal characters, then MD5 applied four more times to the 32
// characters of the previous digest. Empty when the file cannot be read.
std::string FileDigest(const std::string& path);

// True when each of the three lines of "Data/Hashes.txt" equals, byte for
// byte, the digest of Settings.ini, WordList.txt and Scores.txt in turn. A
// missing or unreadable hash file or data file counts as a mismatch, so the
// backups are restored; a line longer than 51 characters is compared by its
// first 51 (and so differs).
bool CheckDataFiles();

// Copy the backup set (Hashes.txt, Settings.ini, WordList.txt, Scores.txt in
// that order) into or out of "Data/Backup/", replacing what is there. Copy
// failures are not reported: the game goes on with the files there are.
// BackupDataFiles creates the folder when it is missing, so a deleted backup
// folder is back after the next good start.
void BackupDataFiles(platform::Files& files);
void RestoreDataFiles(platform::Files& files);

// The corruption message for the backup set as it lies on disk: the
// standard text when every backup exists, otherwise one that names each
// file without a backup and says what the game uses instead.
std::string CorruptionText(platform::Files& files);

// Tells the player (error message box) and then restores the backup set.
void ReportCorruption(platform::Desktop& desktop, platform::Files& files);

// Writes the three digests into "Data/Hashes.txt", one line each (CR LF),
// replacing the file in one step. False when it cannot be written.
bool WriteDataFileHashes();

// Every save of a file the hashes cover goes through these: the file is
// replaced in one step, then the hashes are written afresh, so that at every
// moment the files on disk and Hashes.txt agree, but for the one file being
// replaced. A game ended at any point after a save (killed, logged out)
// starts next time without a corruption report. Each returns the path of
// the file that could not be written, or an empty string when all was saved.
std::string SaveSettingsAndHashes(const Settings& settings);
std::string SaveScoresAndHashes(const ScoreTable& table, const ScoreStore& store, Random& random);
// The shutdown step: the settings, then the scores, each with its hashes.
std::string SaveDataFiles(const Settings& settings, const ScoreTable& table, const ScoreStore& store, Random& random);

// The start-up step: CheckDataFiles, then BackupDataFiles when it passed or
// ReportCorruption when it did not. Returns the result of the check.
bool SecureDataFiles(platform::Files& files, platform::Desktop& desktop);

}  // namespace glyphora
