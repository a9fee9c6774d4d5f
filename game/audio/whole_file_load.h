#pragma once
// Loading a whole sound file into one OpenAL buffer, for Sounds. Each
// returns an AudioResult: 9 when the file cannot be opened (or, for WAV, not
// parsed), 10 when its data cannot be described to OpenAL, 1 when OpenAL
// refuses the upload, 8 when the decoded data would not fit in memory.
#include <span>
#include <string>

#include "game/audio/audio_system.h"

namespace glyphora {

// The largest decoded Sound accepted: a file that claims more is refused
// before anything is allocated for it (25 minutes of 44.1 kHz stereo).
inline constexpr std::size_t kMaxSoundBytes = 256u << 20;

AudioResult LoadWholeWave(AudioSystem& audio, const std::string& path, ALuint buffer);
AudioResult LoadWholeWave(AudioSystem& audio, std::span<const unsigned char> bytes, ALuint buffer);
// Requires the decoder (kAudioNoDecoder without it).
AudioResult LoadWholeOgg(AudioSystem& audio, const std::string& path, ALuint buffer);
AudioResult LoadWholeOgg(AudioSystem& audio, std::span<const unsigned char> bytes, ALuint buffer);

}  // namespace glyphora
