#include "game/audio/effect_table.h"

namespace glyphora {
namespace {

bool IsEffect(int index) { return index >= 0 && index < kEffectSoundCount; }

}  // namespace

void LoadEffects(AudioSystem& audio, EffectTable& effects, const std::string& folder) {
    const std::string prefix = folder.empty() ? "" : folder + "/";
    for (int i = 0; i < kEffectSoundCount; ++i) {
        SoundId sound = -1;
        if (CreateSound(audio, prefix + kEffectFiles[i], &sound, kLoadStoredSwapped) != kAudioSuccess) sound = -1;
        effects.sounds[std::size_t(i)] = sound;
    }
}

AudioResult PlayEffect(AudioSystem& audio, const EffectTable& effects, int index) {
    if (!IsEffect(index)) return kAudioInvalidArgument;
    const SoundId sound = effects.sounds[std::size_t(index)];
    if (sound < 0) return kAudioNoSuchId;
    return StartVoice(audio, sound, 0, nullptr);
}

AudioResult ReleaseEffect(AudioSystem& audio, EffectTable& effects, int index) {
    if (!IsEffect(index)) return kAudioInvalidArgument;
    SoundId& sound = effects.sounds[std::size_t(index)];
    if (sound < 0) return kAudioNoSuchId;
    const AudioResult result = DestroySound(audio, sound);
    sound = -1;
    return result;
}

void ApplySoundVolume(AudioSystem& audio, const EffectTable& effects, float gain) {
    for (SoundId sound : effects.sounds) {
        if (sound >= 0) SetSoundVolume(audio, sound, gain);
    }
}

}  // namespace glyphora
