#include "game/shell/mouse_input.h"

#include <algorithm>
#include <iterator>
#include "game/shell/window_position.h"

#include "game/shell/game.h"
#include "game/shell/music.h"
#include "game/shell/screen_buttons.h"
#include "game/shell/sound_effects.h"

namespace glyphora {
namespace {

constexpr char kVolumePreviewTrack[] = "Music/Track5.ogg";

struct VolumeValues {
    int music;
    int sound;
};

VolumeValues CurrentVolumes(const Game& game) { return {game.settings.musicVolume, game.settings.soundVolume}; }

// A changed sound volume is heard at once with a sample effect.
void ApplyVolumeChanges(Game& game, VolumeValues before) {
    const VolumeValues now = CurrentVolumes(game);
    if (now.music != before.music) ApplyMusicVolume(game);
    if (now.sound != before.sound) {
        ApplySoundVolume(game);
        PlayEffect(game, WordLetter);
    }
}

}  // namespace

void PressFreeGameSliders(Game& game) {
    for (int i = StartLevelSlider; i <= MaxLivesSlider; ++i) SliderMouseDown(game.widgets.sliders[i], game.pointer);
}

// While the music slider follows the mouse, a track plays so that the volume
// can be heard.
void PressVolumeSliders(Game& game) {
    Slider& music = game.widgets.sliders[MusicVolumeSlider];
    const VolumeValues before = CurrentVolumes(game);
    const bool musicWasActive = music.active;
    SliderMouseDown(music, game.pointer);
    SliderMouseDown(game.widgets.sliders[SoundVolumeSlider], game.pointer);
    if (music.active && !musicWasActive) StartMusic(game, kVolumePreviewTrack);
    else if (!music.active && musicWasActive) StopCurrentMusic(game);
    ApplyVolumeChanges(game, before);
}

void StopSlidersFollowing(Game& game, SliderName first, SliderName last) {
    for (int i = first; i <= last; ++i) {
        game.widgets.sliders[i].active = false;
        game.widgets.sliders[i].changedWhileHeld = false;
    }
}

// A slider that follows the mouse takes the cursor as it is now.
void OnMouseMoveMessage(Game& game) {
    if (!game.widgets.created) return;
    const VolumeValues before = CurrentVolumes(game);
    const bool following = std::any_of(std::begin(game.widgets.sliders), std::end(game.widgets.sliders),
                                       [](const Slider& slider) { return slider.active; });
    if (following) ReadCursor(game);
    for (Slider& slider : game.widgets.sliders) SliderMouseMove(slider, game.pointer);
    ApplyVolumeChanges(game, before);
}

// The sliders take the press only when their screen was shown when it came
// and still is: a press on a button that opens their screen is not theirs.
void OnLeftButtonDown(Game& game) {
    const ScreenKind pressedOn = game.screen.current;
    ReadCursor(game);
    OnMouseDown(game);
    if (!game.widgets.created || game.screen.current != pressedOn) return;
    if (const auto pressSliders = CurrentScreen(game).pressSliders) pressSliders(game);
}

// Letting go of the music slider after dragging it ends its track.
void OnLeftButtonUp(Game& game) {
    const bool previewing = game.widgets.sliders[MusicVolumeSlider].active;
    for (Slider& slider : game.widgets.sliders) SliderMouseUp(slider, game.pointer);
    if (previewing && !game.widgets.sliders[MusicVolumeSlider].active) StopCurrentMusic(game);
    ReadCursor(game);
    OnMouseUp(game);
}

}  // namespace glyphora
