// Every file the generator makes, by name, and the writing of them.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace glyphora::soundgen {

// True for the name of an effect ("BtnClick.ogg") or a track ("Track1.ogg").
bool IsCatalogued(const std::string& name);

// Writes the named files (all of them when `wanted` is empty) into
// outDir/Sounds/ and outDir/Music/, creating the folders; the music is
// played with the SoundFont at `soundFont`. Reports each failure on stderr
// and returns false after trying the rest.
bool WriteCatalogue(const std::filesystem::path& outDir, const std::set<std::string>& wanted,
                    const std::string& soundFont);

}  // namespace glyphora::soundgen
