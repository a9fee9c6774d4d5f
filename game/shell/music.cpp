#include "game/shell/music.h"

#include "game/shell/game.h"
#include "game/shell/sound.h"
#include "game/shell/volume.h"

namespace glyphora {

// The pause holds every sound that plays, effects too, and lets exactly those
// go on: a track that was playing out goes on playing out, instead of staying
// held until it is freed.
void PauseMusic(Game& game) {
    if (AudioSystem* audio = AudioOf(game)) PauseAllPlaying(*audio);
}

void ResumeMusic(Game& game) {
    if (AudioSystem* audio = AudioOf(game)) ResumeAllPaused(*audio);
}

void StartMusic(Game& game, const std::string& path, int startMs) {
    AudioSystem* audio = AudioOf(game);
    if (!audio) return;
    if (startMs > 0) RestartMusicAt(*audio, game.sound.music, path, startMs, MusicGain(game));
    else StartMusic(*audio, game.sound.music, path, MusicGain(game));
}

void StopAllMusic(Game& game) {
    if (AudioSystem* audio = AudioOf(game)) StopAllMusic(*audio, game.sound.music);
}

void StopCurrentMusic(Game& game) {
    if (AudioSystem* audio = AudioOf(game)) StopCurrentMusic(*audio, game.sound.music);
}

void ApplyMusicVolume(Game& game) {
    if (AudioSystem* audio = AudioOf(game)) ApplyMusicVolume(*audio, game.sound.music, MusicGain(game));
}

}  // namespace glyphora
