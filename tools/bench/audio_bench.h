#pragma once
// The sound library's share of a frame.

namespace glyphora::bench {

// The audio update of a frame (UpdateStreams and ReapFinished) with four
// music streams (rings as the game's music uses) and eight effect voices
// playing, over frames paced at 60 a
// second on OpenAL Soft's null output: the median, the 99th percentile and
// the frames that refill a stream. Also the cost of starting a track 80 s in
// (the cheat codes' jump to a sub-level).
void MeasureAudio(int frames);
// The median of the same update alone, quietly, for the frame's table.
double AudioUpdateMedian(int frames);

}  // namespace glyphora::bench
