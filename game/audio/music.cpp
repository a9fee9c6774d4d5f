#include "game/audio/music.h"

namespace glyphora {

// Glyphora plays no music yet: the streams arrive with the sound library.
void PauseMusic(Game&) {}
void ResumeMusic(Game&) {}

}  // namespace glyphora
