#include "game/shell/sound_effects.h"

#include "game/shell/game.h"
#include "game/shell/sound.h"
#include "game/shell/volume.h"

namespace glyphora {

void PlayEffect(Game& game, int effect) {
    if (AudioSystem* audio = AudioOf(game)) PlayEffect(*audio, game.sound.effects, effect);
}

void ReleaseEffect(Game& game, int effect) {
    if (AudioSystem* audio = AudioOf(game)) ReleaseEffect(*audio, game.sound.effects, effect);
}

void ApplySoundVolume(Game& game) {
    if (AudioSystem* audio = AudioOf(game)) ApplySoundVolume(*audio, game.sound.effects, SoundGain(game));
}

}  // namespace glyphora
