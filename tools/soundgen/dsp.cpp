#include "tools/soundgen/dsp.h"

#include <algorithm>
#include <cmath>

#include "tools/soundgen/pcm.h"

namespace glyphora::soundgen {

std::uint64_t Rng::Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1Dull;
}

double Rng::Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }

float Rng::Noise() { return static_cast<float>(2.0 * Uniform() - 1.0); }

namespace {

// Residual that removes the step of a naive saw or square at a phase wrap.
double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace

float Oscillator::Next(Wave wave, double hz) {
    const double dt = std::clamp(hz / kSampleRate, 0.0, 0.5);
    const double t = phase_;
    double value = 0.0;
    switch (wave) {
        case Wave::Sine: value = std::sin(2.0 * kPi * t); break;
        case Wave::Triangle: value = 1.0 - 4.0 * std::abs(t - 0.5); break;
        case Wave::Saw: value = 2.0 * t - 1.0 - PolyBlep(t, dt); break;
        case Wave::Square: {
            value = (t < 0.5 ? 1.0 : -1.0) + PolyBlep(t, dt) - PolyBlep(std::fmod(t + 0.5, 1.0), dt);
            break;
        }
    }
    phase_ += dt;
    if (phase_ >= 1.0) phase_ -= 1.0;
    return static_cast<float>(value);
}

double PercussiveGain(double t, double attack, double decay) {
    if (t < 0.0) return 0.0;
    if (t < attack) return 0.5 - 0.5 * std::cos(kPi * t / attack);
    if (decay <= 0.0) return 1.0;
    return std::exp(-(t - attack) / decay);
}

double TailGain(double t, double length, double release) {
    if (t >= length) return 0.0;
    const double start = length - release;
    if (release <= 0.0 || t <= start) return 1.0;
    return 0.5 + 0.5 * std::cos(kPi * (t - start) / release);
}

double Glide(double t, double from, double to, double seconds) {
    if (seconds <= 0.0 || t >= seconds) return to;
    return from * std::pow(to / from, std::max(t, 0.0) / seconds);
}

void Biquad::Set(Kind kind, double hz, double q) {
    const double w0 = 2.0 * kPi * std::clamp(hz, 10.0, 0.45 * kSampleRate) / kSampleRate;
    const double alpha = std::sin(w0) / (2.0 * q);
    const double c = std::cos(w0);
    double b0 = 0, b1 = 0, b2 = 0;
    switch (kind) {
        case Kind::Lowpass:
            b0 = (1 - c) / 2;
            b1 = 1 - c;
            b2 = (1 - c) / 2;
            break;
        case Kind::Highpass:
            b0 = (1 + c) / 2;
            b1 = -(1 + c);
            b2 = (1 + c) / 2;
            break;
        case Kind::Bandpass:
            b0 = alpha;
            b1 = 0;
            b2 = -alpha;
            break;
    }
    const double a0 = 1 + alpha;
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = -2 * c / a0;
    a2_ = (1 - alpha) / a0;
}

float Biquad::Process(float x) {
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

double DbToGain(double db) { return std::pow(10.0, db / 20.0); }

double GainToDb(double gain) { return gain > 0.0 ? 20.0 * std::log10(gain) : -200.0; }

double KeyHz(double key) { return 440.0 * std::pow(2.0, (key - 69.0) / 12.0); }

}  // namespace glyphora::soundgen
