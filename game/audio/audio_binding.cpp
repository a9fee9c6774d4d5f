// Binding the OpenAL runtime and the Ogg Vorbis decoder by name.
#include <cstdio>

#include "game/audio/audio_system.h"

namespace glyphora {
namespace {

// Reports the missing entry point on the debug output (stderr) when asked to.
template <typename Function>
bool LookUp(platform::Library& library, const char* name, Function& slot, bool reportMissing) {
    void* address = library.symbol(name);
    if (!address) {
        if (reportMissing) std::fprintf(stderr, "Failed to retrieve '%s' function address\n", name);
        return false;
    }
    slot = reinterpret_cast<Function>(address);
    return true;
}

// Stops at the first entry point that is missing: the later ones stay empty.
bool LookUpAll(platform::Library& library, AudioApi& al) {
#define GLYPHORA_LOOK_UP(name, type) \
    if (!LookUp(library, #name, al.name, true)) return false;
    GLYPHORA_OPENAL_ENTRY_POINTS(GLYPHORA_LOOK_UP)
#undef GLYPHORA_LOOK_UP
    return true;
}

}  // namespace

bool BindAudioApi(AudioSystem& audio, const std::string& name) {
    audio.openAl = OpenBundledFirst(audio.libraries, audio.bundledFolder, name, kOpenAlCompanions);
    if (!audio.openAl) return false;
    audio.al = AudioApi{};
    audio.openAlBound = LookUpAll(*audio.openAl.library, audio.al);
    return audio.openAlBound;
}

int UnbindAudioApi(AudioSystem& audio) {
    audio.openAl.unload();
    audio.al = AudioApi{};
    audio.openAlBound = false;
    return 0;
}

bool BindOggDecoder(AudioSystem& audio) {
    audio.decoderLibrary =
        OpenBundledFirst(audio.libraries, audio.bundledFolder, kOggDecoderLibrary, kOggDecoderCompanions);
    if (!audio.decoderLibrary) return false;
    platform::Library& library = *audio.decoderLibrary.library;
    OggDecoderApi& ov = audio.ov;
    ov = OggDecoderApi{};
    bool found = LookUp(library, "ov_clear", ov.ov_clear, false);
    found = LookUp(library, "ov_read", ov.ov_read, false) && found;
    found = LookUp(library, "ov_pcm_total", ov.ov_pcm_total, false) && found;
    found = LookUp(library, "ov_info", ov.ov_info, false) && found;
    found = LookUp(library, "ov_comment", ov.ov_comment, false) && found;
    found = LookUp(library, "ov_open_callbacks", ov.ov_open_callbacks, false) && found;
    LookUp(library, "ov_pcm_seek", ov.ov_pcm_seek, false);
    audio.decoderBound = found;
    return found;
}

void UnbindOggDecoder(AudioSystem& audio) {
    audio.decoderLibrary.unload();
    audio.ov = OggDecoderApi{};
    audio.decoderBound = false;
}

}  // namespace glyphora
