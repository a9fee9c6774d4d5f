#pragma once
// Filling a Stream's buffers from its file.
#include "game/audio/audio_system.h"

namespace glyphora {

// Decodes the next chunk of the Stream's file into its scratch area and hands
// it to the buffer. The number of bytes (0 at the end of the file), or -1
// when OpenAL refused them.
long FillStreamBuffer(AudioSystem& audio, Stream& stream, ALuint buffer);

}  // namespace glyphora
