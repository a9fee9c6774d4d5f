#pragma once
// The two volumes: the music and sound sliders hold steps 0 to 10, and the
// audio takes them as gains.

namespace glyphora {

struct Game;

// A volume step as a gain: step x 0.1 (the float nearest to one tenth).
inline float VolumeGain(int step) { return static_cast<float>(step) * 0.1f; }

// The gains of the music-volume and sound-volume sliders.
float MusicGain(const Game& game);
float SoundGain(const Game& game);

}  // namespace glyphora
