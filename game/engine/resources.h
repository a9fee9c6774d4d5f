#pragma once
// Every picture the game draws, created once at start-up and released at
// exit. Screens only move and re-point these; they never create or destroy
// them.
#include "game/engine/renderer.h"

namespace glyphora {

inline constexpr int kLoadingSteps = 5;  // squares of the splash's progress row

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
    Sprite scratch;  // re-pointed at any sheet and region before each draw
    Sprite creditsFinale;
    AnimatedSprite blastAnimation;

    int loadingProgress = 0;  // squares shown on the splash, 0 .. 5
};

}  // namespace glyphora
