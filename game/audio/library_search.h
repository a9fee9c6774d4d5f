#pragma once
// Where the audio libraries are looked for: the game's bundled copies first
// (Data/lib, filled by the audio-runtime installer), then the system's.
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace glyphora {

inline constexpr const char* kOpenAlLibrary = "libopenal.so.1";
inline constexpr const char* kOggDecoderLibrary = "libvorbisfile.so.3";

// The libraries each one needs that a system without it may lack too, in
// the order they must be loaded. A bundled library finds its bundled
// companions only when they are loaded before it: the loader does not search
// the bundle folder for a library's own dependencies.
inline constexpr const char* kOpenAlCompanions[] = {"libmd.so.0", "libbsd.so.0", "libasound.so.2", "libsndio.so.7.0"};
inline constexpr const char* kOggDecoderCompanions[] = {"libogg.so.0", "libvorbis.so.0"};

// A loaded library and the bundled companions loaded for it; unloading it
// unloads them.
struct LoadedLibrary {
    std::unique_ptr<platform::Library> library;
    std::vector<std::unique_ptr<platform::Library>> companions;
    explicit operator bool() const { return library != nullptr; }
    void unload() {
        library.reset();
        companions.clear();
    }
};

// Opens folder/name (after the companions found in folder) when it is there,
// otherwise name through the system's library search. An empty folder skips
// the bundled copy. Empty when neither can be loaded.
LoadedLibrary OpenBundledFirst(platform::Libraries& libraries, const std::string& folder, const std::string& name,
                               std::span<const char* const> companions);

}  // namespace glyphora
