#pragma once
// Every picture the game draws, created once at start-up and released at
// exit. Screens only move and re-point these; they never create or destroy
// them.
#include "game/audio/sound_effects.h"
#include "game/engine/renderer.h"

namespace glyphora {

struct Game;

// The sound effects' files, by effect index (their load order).
inline constexpr const char* kEffectFiles[kEffectCount] = {
    "Sounds/BtnClick.ogg", "Sounds/BtnMouseOver.ogg", "Sounds/DoubleBonus.ogg", "Sounds/GameOver.ogg",
    "Sounds/HoHoHo.ogg",   "Sounds/Letter1.ogg",      "Sounds/Letter2.ogg",     "Sounds/Letter3.ogg",
    "Sounds/Letter4.ogg",  "Sounds/Stop.ogg",         "Sounds/TNT.ogg",         "Sounds/WordLetter.ogg",
};

inline constexpr int kLoadingSteps = 5;

struct Resources {
    // Texture sheets.
    Texture splashSheet;
    Texture shapesSheet;
    Texture design2Sheet;
    Texture design1Sheet;
    Texture design3Sheet;

    // Sprites, by the regions of the sheet-region table.
    Sprite splashLogo;
    Sprite progressSquare;
    Sprite itemShapes[3];  // backing shapes of the falling items, shapes 0 .. 2
    Sprite letterGlyphs;   // one glyph cell per character
    Sprite lifeIcon;
    Sprite sliderSegment;
    Sprite sliderGap;
    Sprite scratch;        // re-pointed at any sheet and region before each draw
    Sprite creditsFinale;
    AnimatedSprite blastAnimation;

    int loadingProgress = 0;  // squares shown on the splash, 0 .. 5
};

// Loads the splash picture and makes its sprites.
void LoadSplash(Game& game);
// Everything else, in a fixed order, with the splash redrawn between stages
// so that its progress row grows from 1 to 5 squares. Nothing that fails to
// load stops the loading: a missing picture leaves its sheet without a
// texture (its sprites draw nothing), a missing title font a substitute face.
// No file of the game folder is written: stored files are decoded in memory.
void LoadAllResources(Game& game);
void ReleaseSplash(Game& game);
// The reverse at exit: word list, sliders, fonts, sprites, buttons and
// fields, sheets, then the title font's registration and the server's reply
// file.
void ReleaseAllResources(Game& game);
// Sets the progress counter and draws and presents one whole frame.
void ShowLoadingProgress(Game& game, int step);

}  // namespace glyphora
