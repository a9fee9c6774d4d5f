#pragma once
// Sounds made by the tests themselves: sine tones as 16-bit PCM WAVE files
// and as Ogg Vorbis (encoded here with libvorbisenc), and the reading of what
// OpenAL Soft's wave back end captured.
#include <string>
#include <vector>

namespace glyphora::testing {

// Interleaved samples in -1..1.
struct Samples {
    int rate = 44100;
    int channels = 1;
    std::vector<float> values;
    long frames() const { return long(values.size()) / channels; }
    float at(long frame, int channel) const { return values[std::size_t(frame * channels + channel)]; }
};

// A sine of amplitude in every channel, with 5 ms fades at both ends so that
// its own start and end make no click.
Samples Sine(double hz, double amplitude, double seconds, int channels = 1, int rate = 44100);
// One channel per amplitude, all at hz.
Samples SineChannels(double hz, const std::vector<double>& amplitudes, double seconds, int rate = 44100);

std::string WaveBytes(const Samples& samples);  // 16-bit PCM
std::string OggBytes(const Samples& samples);   // Ogg Vorbis, quality 0.6
// The byte-pair-swapped form the game stores its effects in.
std::string Swapped(std::string bytes);

// Reads a WAVE file of 16-bit or 32-bit float samples (what the wave back
// end writes); empty values when it cannot.
Samples ReadWave(const std::string& path);

// Analysis over frames [from, to) of one channel (channel -1: the largest
// of all channels).
long FirstFrameAbove(const Samples& s, float threshold, long from = 0);
long LastFrameAbove(const Samples& s, float threshold);
float Peak(const Samples& s, long from, long to, int channel = -1);
double Rms(const Samples& s, long from, long to, int channel);
// The longest run of frames all of whose channels stay within threshold.
long LongestQuietRun(const Samples& s, long from, long to, float threshold);
// The largest change from one frame to the next in any channel.
float LargestStep(const Samples& s, long from, long to);
// The amplitude of the sine at hz in the mix of all channels over frames
// [from, to), through a Hann window: a tone of amplitude a filling the
// window gives about a, a tone more than 4 / (to - from) frames' worth of
// cycles away almost nothing.
double ToneAmplitude(const Samples& s, long from, long to, double hz);
// Over windows of window frames, a quarter window apart, across [from, to):
// the start of the first whose ToneAmplitude exceeds threshold (-1: none),
// and the largest ToneAmplitude of all.
long ToneOnset(const Samples& s, long from, long to, double hz, long window, double threshold);
double StrongestTone(const Samples& s, long from, long to, double hz, long window);

}  // namespace glyphora::testing
