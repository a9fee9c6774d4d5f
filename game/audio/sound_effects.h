#pragma once
// The twelve sound effects, by the index every part of the game plays them
// with (their load order).

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
    kEffectCount = 12,
};

// The sound effects' files, by effect index (their load order).
inline constexpr const char* kEffectFiles[kEffectCount] = {
    "Sounds/BtnClick.ogg", "Sounds/BtnMouseOver.ogg", "Sounds/DoubleBonus.ogg", "Sounds/GameOver.ogg",
    "Sounds/HoHoHo.ogg",   "Sounds/Letter1.ogg",      "Sounds/Letter2.ogg",     "Sounds/Letter3.ogg",
    "Sounds/Letter4.ogg",  "Sounds/Stop.ogg",         "Sounds/TNT.ogg",         "Sounds/WordLetter.ogg",
};

// Plays one effect at the sound volume; nothing when it failed to load.
void PlayEffect(Game& game, int effect);
// Unloads one effect; playing it afterwards plays nothing. The intro's two
// sounds are released once the intro is over.
void ReleaseEffect(Game& game, int effect);
// Applies the sound-volume slider to all twelve effects.
void ApplySoundVolume(Game& game);

}  // namespace glyphora
