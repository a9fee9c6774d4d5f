// Building blocks of the synthesised effects: a seeded noise source,
// band-limited oscillators, envelopes and biquad filters. Everything is a
// pure function of its inputs, so a sound renders to the same samples on
// every run.
#pragma once

#include <cstdint>

namespace glyphora::soundgen {

inline constexpr double kPi = 3.14159265358979323846;

// xorshift64* generator: the only source of randomness in the generator.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    std::uint64_t Next();
    double Uniform();  // [0, 1)
    float Noise();     // white noise in [-1, 1)
    double Range(double low, double high) { return low + (high - low) * Uniform(); }

private:
    std::uint64_t state_;
};

enum class Wave { Sine, Triangle, Saw, Square };

// Phase-accumulating oscillator; saw and square are band-limited with
// polyBLEP so high notes do not alias.
class Oscillator {
public:
    explicit Oscillator(double phase = 0.0) : phase_(phase) {}
    float Next(Wave wave, double hz);

private:
    double phase_;  // in cycles, [0, 1)
};

// Gain of a percussive note at time t (seconds): a raised-cosine rise over
// attack, then exponential decay with time constant decay (0 holds at 1).
double PercussiveGain(double t, double attack, double decay);

// Fade to silence over the last `release` seconds of a sound `length` long:
// 1 before that, a raised-cosine fall to exactly 0 at the end.
double TailGain(double t, double length, double release);

// Exponential glide from `from` to `to` over `seconds` (then holds `to`).
double Glide(double t, double from, double to, double seconds);

// RBJ biquad filter in direct form I; coefficients may change per sample.
class Biquad {
public:
    enum class Kind { Lowpass, Highpass, Bandpass };
    void Set(Kind kind, double hz, double q);
    float Process(float x);

private:
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

double DbToGain(double db);
double GainToDb(double gain);
// Equal-tempered frequency of a MIDI key (69 = A 440 Hz).
double KeyHz(double key);

}  // namespace glyphora::soundgen
