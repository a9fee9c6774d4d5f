#pragma once
// The data files, relative to the game's working folder (its Data folder).

namespace glyphora::paths {

inline constexpr const char* kSettings = "Data/Settings.ini";
inline constexpr const char* kScores = "Data/Scores.txt";
inline constexpr const char* kWordList = "Data/WordList.txt";
inline constexpr const char* kHashes = "Data/Hashes.txt";
inline constexpr const char* kBackupFolder = "Data/Backup";
// The window's scale, 1 to 3: outside the checked files and the backup.
inline constexpr const char* kWindowScale = "Data/WindowScale.txt";
inline constexpr const char* kTemp = "Data/Temp.txt";  // the last reply of the score server

}  // namespace glyphora::paths
