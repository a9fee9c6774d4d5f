#include "game/audio/sound_effects.h"

namespace glyphora {

// The sound library is not in the game yet: effects are silent.
void PlayEffect(Game&, int) {}
void ReleaseEffect(Game&, int) {}
void ApplySoundVolume(Game&) {}

}  // namespace glyphora
