#include "game/screens/pause_screen.h"

#include <algorithm>
#include <cstdio>

#include "game/gameplay/level_tables.h"
#include "game/shell/game_clock.h"
#include "game/shell/screens.h"

namespace glyphora {
namespace {

constexpr Colour kPauseTextColours[kSubLevelCount] = {0xFF808080, 0xFFFFFFFF, 0xFF653600, 0xFFFF9900, 0xFF999999};
constexpr Rect kVolumeBox{0, 300, kWindowWidth, kWindowHeight};

// The volumes at full colour, then blended into the background; nothing
// once the fade is over or when no volume key was pressed in this pause.
void DrawVolumeOverlay(Game& game, Colour background, Colour text) {
    const std::uint32_t keyTick = game.shell.volumeOverlayTick;
    if (keyTick == 0) return;
    const int since = Elapsed(game.platform.clock->tickCount(), keyTick);
    if (since < 0 || since >= kVolumeOverlayShowMs + kVolumeOverlayFadeMs) return;
    Colour colour = text;
    if (since > kVolumeOverlayShowMs)
        colour = BlendColours(background, text, float(since - kVolumeOverlayShowMs) / kVolumeOverlayFadeMs);
    char volumes[64];
    std::snprintf(volumes, sizeof volumes, "Music Volume: %d%%\nSound Volume: %d%%", game.settings.musicVolume * 10,
                  game.settings.soundVolume * 10);
    DrawFontText(game.renderer, game.fonts[MenuFont26], volumes, kVolumeBox, DT_CENTER, colour);
}

}  // namespace

Colour PauseTextColour(int subLevel) { return kPauseTextColours[std::clamp(subLevel, 0, kSubLevelCount - 1)]; }

const char* PauseText(PauseReason reason) {
    switch (reason) {
        case PauseReason::ConfirmQuit: return "Paused.\nPress F1 to unpause.\nPress Esc to end the game.";
        case PauseReason::ConfirmNewGame: return "Paused.\nPress F1 to unpause.\nPress F4 to start a new game.";
        default: return "Paused.\nPress F1 to unpause.";
    }
}

void DrawPauseScreen(Game& game) {
    const int s = std::clamp(game.run.subLevel, 0, kSubLevelCount - 1);
    const Colour background = kPalette[s].background;
    const Colour text = PauseTextColour(s);
    ClearScreen(game.renderer, background);
    DrawWindowBorder(game, 0xFF000000);
    DrawFontText(game.renderer, game.fonts[MenuFont26], PauseText(game.shell.pauseReason),
                 {0, 0, kWindowWidth, kWindowHeight}, DT_CENTER | DT_VCENTER, text);
    DrawVolumeOverlay(game, background, text);
}

}  // namespace glyphora
