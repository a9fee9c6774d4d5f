#pragma once
#include "game/engine/text.h"
// The fonts the game makes at start-up, in this order, and keeps until exit.

namespace glyphora {

struct FontEntry {
    int height;  // GDI cell height in pixels
    bool bold;
};

// By FontName; every one in the title face at normal weight.
inline constexpr FontEntry kFontTable[] = {
    {30, false},  // HudFont30
    {36, false},  // HudFont36a
    {36, false},  // HudFont36b
    {28, false},  // HudFont28
    {40, false},  // HudFont40
    {28, false},  // GameOverFont28a
    {28, false},  // GameOverFont28b
    {26, false},  // FieldFont26
    {36, false},  // NameEntryFont36
    {22, false},  // GameOverFont22
    {26, false},  // ScoresFont26
    {26, false},  // MessageFont26
    {26, false},  // NoteFont26
    {26, false},  // MenuFont26
    {22, false},  // HelpFont22
};

void MakeAllFonts(platform::FontSystem* fontSystem, Renderer& renderer, Font (&fonts)[kFontCount]);
void DestroyAllFonts(Font (&fonts)[kFontCount]);

}  // namespace glyphora
