#include "game/audio/music.h"

namespace glyphora {

// The sound library is not in the game yet: the music streams are silent.
void PauseMusic(Game&) {}
void ResumeMusic(Game&) {}
void StartMusic(Game&, const std::string&, int) {}
void StopAllMusic(Game&) {}
void StopCurrentMusic(Game&) {}
void ApplyMusicVolume(Game&) {}

}  // namespace glyphora
