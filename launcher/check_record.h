#pragma once
// The launcher's record of an earlier graphics check: Data/Data/Libraries.ini,
// "[DirectX]", CR LF, "Installed=" and 1 (sufficient) or 0 (too old).
#include <string>

namespace glyphora {

// The record's path below the folder that holds the launcher, or in the
// player's own folder when the game folder is not writable.
std::string CheckRecordPath(const std::string& installFolder);

// The value of Installed in [DirectX]; 0 for a missing file, section or key
// and for a value that does not start with a number.
int ReadCheckRecord(const std::string& path);

// Rewrites the record. False when it cannot be written (a read-only or
// missing folder); the launcher then simply checks again at the next start.
bool WriteCheckRecord(const std::string& path, int installed);

}  // namespace glyphora
