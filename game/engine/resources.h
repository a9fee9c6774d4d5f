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

// The files that lie on disk in byte-pair-swapped form between runs and are
// restored only while loading, in restoring order: the four big sheets, the
// effects, the word list. The splash picture is restored on its own.
inline constexpr int kStoredPictures = 4;
inline constexpr int kStoredAssetCount = kStoredPictures + kEffectCount + 1;
inline constexpr const char* kStoredAssets[kStoredAssetCount] = {
    "Graphics/Design1.png", "Graphics/Design2.png", "Graphics/Design3.png", "Graphics/Shapes.png",
    kEffectFiles[0], kEffectFiles[1], kEffectFiles[2], kEffectFiles[3], kEffectFiles[4], kEffectFiles[5],
    kEffectFiles[6], kEffectFiles[7], kEffectFiles[8], kEffectFiles[9], kEffectFiles[10], kEffectFiles[11],
    "Data/WordList.txt",
};
inline constexpr char kStoredSplash[] = "Graphics/Splash.png";
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

// Restores the splash picture, loads it and stores it again; makes its sprites.
void LoadSplash(Game& game);
// Everything else, in a fixed order, with the splash redrawn between stages
// so that its progress row grows from 1 to 5 squares. Nothing that fails to
// load stops the loading: a missing picture leaves its sheet without a
// texture (its sprites draw nothing), a missing title font a substitute face.
// Every stored file that was restored is stored again before it returns.
void LoadAllResources(Game& game);
void ReleaseSplash(Game& game);
// The reverse at exit: word list, sliders, fonts, sprites, buttons and
// fields, sheets, then the title font's registration and the server's reply
// file.
void ReleaseAllResources(Game& game);
// Sets the progress counter and draws and presents one whole frame.
void ShowLoadingProgress(Game& game, int step);

}  // namespace glyphora
