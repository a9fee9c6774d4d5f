#pragma once
// The music streams as the rest of the game sees them: a current stream and
// the previous one, which plays out when a new track starts.
#include <string>

namespace glyphora {

struct Game;

// Pauses everything that plays, both music streams and the effects (the game
// was paused).
void PauseMusic(Game& game);
// Resumes what PauseMusic paused, where it was; sounds started during the
// pause (its buttons' clicks) are left alone.
void ResumeMusic(Game& game);
// Starts "Music/Track<n>.ogg"-style files as the current stream at the music
// volume. From the start (startMs 0), the stream that was current becomes the
// previous one and plays out; startMs into the track (the jump to a part of
// it), both streams stop first, so that no two parts overlap.
void StartMusic(Game& game, const std::string& path, int startMs = 0);
// Stops and releases both music streams.
void StopAllMusic(Game& game);
// Stops and releases the current stream only.
void StopCurrentMusic(Game& game);
// Applies the music-volume slider to both streams.
void ApplyMusicVolume(Game& game);

}  // namespace glyphora
