#pragma once
// Watching the game's window on an X server from outside the game, for the
// start-up measurement (tools/measure-cpu-path.sh).

namespace glyphora::bench {

// Saves what the window titled "Glyphora" shows as a PNG file. False when
// there is no such window or no X server.
bool SaveWindowShot(const char* path);

// Waits until the window titled "Glyphora" shows the picture in the PNG file
// (nearly every sampled pixel within a small tolerance) and prints the
// milliseconds since startNs, a CLOCK_REALTIME time in nanoseconds (as
// `date +%s%N` gives it). False after timeoutMs.
bool WaitForPicture(const char* referencePng, long long startNs, int timeoutMs);

// Grabs what the window titled "Glyphora" shows count times, one grab every
// few milliseconds, and returns how many grabs differ from the picture in
// the PNG file in more than a fifth of their pixels (a frame of garbage, not
// a moving detail); each such grab is saved as <savePrefix><n>.png when
// savePrefix is not null. -1 when the window cannot be watched.
int CountStrangeFrames(const char* referencePng, int count, const char* savePrefix);

}  // namespace glyphora::bench
