// Ogg Vorbis encoding of a finished sound with libvorbisenc (VBR). The
// stream's serial number is the caller's, so equal input gives equal bytes.
#pragma once

#include <cstdint>
#include <string>

#include "tools/soundgen/pcm.h"

namespace glyphora::soundgen {

struct OggOptions {
    float quality = 0.4f;      // libvorbisenc VBR quality, -0.1 to 1.0
    std::uint32_t serial = 1;  // Ogg logical stream serial number
    std::string title;         // TITLE comment
};

// Writes `pcm` (44.1 kHz, one or two channels, samples within [-1, 1]) to
// `path`; false when the encoder refuses the setup or the file cannot be
// written.
bool WriteOggVorbis(const Pcm& pcm, const OggOptions& options, const std::string& path);

// A stable serial number for a file name (FNV-1a), so each file of the game
// carries its own and none depends on the time or a random source.
std::uint32_t SerialFor(const std::string& name);

}  // namespace glyphora::soundgen
