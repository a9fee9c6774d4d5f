#pragma once
// The twelve sound effects, by the index every part of the game plays them
// with (their load order; their files are kEffectFiles).
#include "game/audio/effect_table.h"

namespace glyphora {

struct Game;

enum EffectSound {
    BtnClick = 0,
    BtnMouseOver = 1,
    DoubleBonus = 2,
    GameOverSound = 3,
    HoHoHo = 4,
    Letter1 = 5,  // Letter1 .. Letter4 are 5 .. 8
    Letter2 = 6,
    Letter3 = 7,
    Letter4 = 8,
    Stop = 9,
    Tnt = 10,
    WordLetter = 11,
    kEffectCount = kEffectSoundCount,
};

// Plays one effect at the sound volume; nothing when it failed to load.
void PlayEffect(Game& game, int effect);
// Unloads one effect; playing it afterwards plays nothing. The intro's two
// sounds are released once the intro is over.
void ReleaseEffect(Game& game, int effect);
// Applies the sound-volume slider to all twelve effects.
void ApplySoundVolume(Game& game);

}  // namespace glyphora
