#pragma once
// The sound's life within the game's: started while loading, updated every
// frame, shut down at exit. When audio never comes up (no OpenAL runtime, no
// device) every sound call of the game returns at once and the game plays on
// silent.
namespace glyphora {

struct Game;
struct AudioSystem;

// Where the audio-runtime installer puts the bundled libraries, relative to
// the game's working folder; they are looked for there before the system's.
inline constexpr const char* kBundledLibraryFolder = "lib";

// Starts audio; when the runtime is missing, runs the audio-runtime installer
// once and tries again. Then loads the twelve effects in order: one that
// fails to load stays silent.
void StartSound(Game& game);
// Frees every effect and track and closes the device. Harmless without audio.
void StopSound(Game& game);
// The frame's audio work: refills the music tracks and frees what has ended.
// Allocates nothing.
void UpdateSound(Game& game);
// The audio system when it is up, else nullptr.
AudioSystem* AudioOf(Game& game);

}  // namespace glyphora
