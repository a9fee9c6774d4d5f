#include "game/shell/volume.h"

#include "game/shell/game.h"

namespace glyphora {

float MusicGain(const Game& game) { return VolumeGain(game.settings.musicVolume); }
float SoundGain(const Game& game) { return VolumeGain(game.settings.soundVolume); }

}  // namespace glyphora
