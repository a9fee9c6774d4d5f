// The two kinds of layer an effect is built from, each mixed into a mono
// buffer at a start time: a pitched tone (oscillator, pitch glide, vibrato,
// percussive envelope, optional lowpass with its own envelope) and a filtered
// noise burst. Every layer rises from and falls back to exactly zero, so a
// sum of layers has no clicks of its own.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/soundgen/dsp.h"

namespace glyphora::soundgen {

struct Tone {
    Wave wave = Wave::Sine;
    double hz = 440.0;
    double glideFromHz = 0.0;   // 0: no glide; else the pitch starts here
    double glideSeconds = 0.0;  // time to reach hz
    double seconds = 0.1;       // whole length, release included
    double attack = 0.003;
    double decay = 0.0;     // time constant after the attack; 0 holds
    double release = 0.01;  // fade to zero at the end
    double level = 1.0;
    double vibratoHz = 0.0;
    double vibratoCents = 0.0;
    double tremoloHz = 0.0;  // amplitude wobble, depth `tremoloDepth`
    double tremoloDepth = 0.0;
    // Lowpass whose cutoff moves from cutoffPeakHz down to cutoffHz with the
    // time constant cutoffDecay (0: fixed at cutoffHz); cutoffHz 0: no filter.
    double cutoffHz = 0.0;
    double cutoffPeakHz = 0.0;
    double cutoffDecay = 0.0;
    double resonance = 0.707;
};

struct Noise {
    Biquad::Kind filter = Biquad::Kind::Bandpass;
    double hz = 2000.0;
    double endHz = 0.0;  // 0: fixed; else the centre glides to it over `seconds`
    double q = 1.0;
    double seconds = 0.05;
    double attack = 0.001;
    double decay = 0.0;
    double release = 0.005;
    double level = 1.0;
    std::uint64_t seed = 1;
};

void AddTone(std::vector<float>& out, double startSeconds, const Tone& tone);
void AddNoise(std::vector<float>& out, double startSeconds, const Noise& noise);

// Mono buffer of the given length, silent.
std::vector<float> Silence(double seconds);

}  // namespace glyphora::soundgen
