#include "game/shell/key_routing.h"

#include <algorithm>

#include "game/shell/game_clock.h"
#include "game/shell/keyboard_focus.h"
#include "game/shell/music.h"
#include "game/shell/run_control.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/sound_effects.h"
#include "game/shell/window_scale.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

constexpr int kMaxVolume = 10;

// Without a key of its own, F3 starts a new game.
void NewGameKey(Game& game) {
    if (const auto newGameKey = CurrentScreen(game).newGameKey) newGameKey(game);
    else NewGame(game);
}

void Escape(Game& game) {
    if (const auto escapeKey = CurrentScreen(game).escapeKey) escapeKey(game);
}

void ChangeVolume(Game& game, SliderName volume, int step) {
    int& value = volume == MusicVolumeSlider ? game.settings.musicVolume : game.settings.soundVolume;
    value = std::clamp(value + step, 0, kMaxVolume);
    if (volume == MusicVolumeSlider) ApplyMusicVolume(game);
    else ApplySoundVolume(game);
    if (!game.shell.paused) return;
    // 0 means "no volume key in this pause": a key at tick 0 counts from 1.
    game.shell.volumeOverlayTick = std::max<std::uint32_t>(game.platform.clock->tickCount(), 1);
}

void Minimise(Game& game) {
    SetPaused(game, true, PauseReason::Away);
    game.shell.savedPosition.x = game.shell.windowPos.x;
    game.shell.savedPosition.y = game.shell.windowPos.y;
    game.platform.window->minimise();
}

}  // namespace

void RouteKey(Game& game, int key) {
    switch (key) {
        case vk::Tab: MoveFocus(game, vk::Tab); break;
        case vk::Space: FlipFocusedBox(game); break;
        case vk::Left:
        case vk::Up:
        case vk::Right:
        case vk::Down: MoveFocus(game, key); break;
        case vk::Enter: ActivateFocus(game); break;
        case vk::Escape: Escape(game); break;
        case vk::F1: SetPaused(game, !game.shell.paused, PauseReason::Key); break;
        case vk::F3: NewGameKey(game); break;
        case vk::F4:
            if (PausedFor(game, PauseReason::ConfirmNewGame)) NewGame(game);
            break;
        case vk::F5: ChangeVolume(game, MusicVolumeSlider, -1); break;
        case vk::F6: ChangeVolume(game, MusicVolumeSlider, +1); break;
        case vk::F7: ChangeVolume(game, SoundVolumeSlider, -1); break;
        case vk::F8: ChangeVolume(game, SoundVolumeSlider, +1); break;
        case vk::F11: CycleWindowScale(game); break;
        case vk::F12: Minimise(game); break;
        default: break;
    }
}

}  // namespace glyphora
