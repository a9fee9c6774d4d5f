#pragma once
// The small result codes of the sound library. Every operation returns one;
// callers may ignore them (a failed effect or track simply stays silent).

namespace glyphora {

enum AudioResult : int {
    kAudioSuccess = 0,
    kAudioOpenAlError = 1,      // an OpenAL call left an error set; the wave table could not be made
    kAudioInvalidArgument = 2,  // missing path or output, negative count or length
    kAudioNoRuntime = 3,        // the OpenAL library is missing or lacks an entry point; audio is not up
    kAudioNoDecoder = 4,        // the Ogg Vorbis decoder library is missing or lacks an entry point
    kAudioNoDevice = 5,         // the audio device could not be opened
    kAudioNoContext = 6,        // the context could not be created or made current
    kAudioUnsupportedType = 7,  // the file is neither WAV nor Ogg
    kAudioOutOfMemory = 8,
    kAudioCannotOpenFile = 9,
    kAudioUnusableFile = 10,  // the file is not a usable sound file
    kAudioNoSuchId = 11,      // no Sound, Voice or Stream has the id
};

using SoundId = int;
using VoiceId = int;  // Voices and Streams share one id space

}  // namespace glyphora
