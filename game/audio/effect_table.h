#pragma once
// The game's twelve sound effects, by the index every part of the game plays
// them with (their load order).
#include <array>

#include "game/audio/sound_library.h"

namespace glyphora {

inline constexpr int kEffectSoundCount = 12;

// Relative to the game's Data folder; stored byte-pair swapped.
inline constexpr const char* kEffectFiles[kEffectSoundCount] = {
    "Sounds/BtnClick.ogg", "Sounds/BtnMouseOver.ogg", "Sounds/DoubleBonus.ogg", "Sounds/GameOver.ogg",
    "Sounds/HoHoHo.ogg",   "Sounds/Letter1.ogg",      "Sounds/Letter2.ogg",     "Sounds/Letter3.ogg",
    "Sounds/Letter4.ogg",  "Sounds/Stop.ogg",         "Sounds/TNT.ogg",         "Sounds/WordLetter.ogg",
};

// The Sound of each effect; -1 when it failed to load or was released.
struct EffectTable {
    EffectTable() { sounds.fill(-1); }
    std::array<SoundId, kEffectSoundCount> sounds;
};

// Loads the twelve effects in order from their stored form (folder: where
// Sounds/ lies, "" for the working folder). A file that fails leaves its slot
// at -1; the others load all the same.
void LoadEffects(AudioSystem& audio, EffectTable& effects, const std::string& folder = "");
// Plays the effect once at its volume: fire and forget. kAudioNoSuchId, and
// nothing played, when its slot is empty; kAudioInvalidArgument for an index
// outside 0-11.
AudioResult PlayEffect(AudioSystem& audio, const EffectTable& effects, int index);
// Frees the effect's Sound (its Voices stop); playing it afterwards plays
// nothing.
AudioResult ReleaseEffect(AudioSystem& audio, EffectTable& effects, int index);
// The sound gain for every effect played from now on; playing ones keep theirs.
void ApplySoundVolume(AudioSystem& audio, const EffectTable& effects, float gain);

}  // namespace glyphora
