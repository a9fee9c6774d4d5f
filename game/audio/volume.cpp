#include "game/audio/volume.h"

#include "game/shell/game.h"

namespace glyphora {

float MusicGain(const Game& game) { return VolumeGain(game.widgets.sliders[MusicVolumeSlider].value); }
float SoundGain(const Game& game) { return VolumeGain(game.widgets.sliders[SoundVolumeSlider].value); }

}  // namespace glyphora
