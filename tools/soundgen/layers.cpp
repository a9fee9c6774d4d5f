#include "tools/soundgen/layers.h"

#include <algorithm>
#include <cmath>

#include "tools/soundgen/pcm.h"

namespace glyphora::soundgen {

namespace {

double Envelope(double t, double length, double attack, double decay, double release) {
    return PercussiveGain(t, attack, decay) * TailGain(t, length, release);
}

// Frames of a layer that fit in the buffer from its start.
std::size_t LayerFrames(const std::vector<float>& out, std::size_t first, double seconds) {
    if (first >= out.size()) return 0;
    return std::min(FramesIn(seconds), out.size() - first);
}

double TonePitch(const Tone& tone, double t) {
    double hz = tone.glideFromHz > 0.0 ? Glide(t, tone.glideFromHz, tone.hz, tone.glideSeconds) : tone.hz;
    if (tone.vibratoHz > 0.0)
        hz *= std::pow(2.0, tone.vibratoCents / 1200.0 * std::sin(2.0 * kPi * tone.vibratoHz * t));
    return hz;
}

double ToneCutoff(const Tone& tone, double t) {
    if (tone.cutoffDecay <= 0.0 || tone.cutoffPeakHz <= 0.0) return tone.cutoffHz;
    return tone.cutoffHz + (tone.cutoffPeakHz - tone.cutoffHz) * std::exp(-t / tone.cutoffDecay);
}

}  // namespace

std::vector<float> Silence(double seconds) { return std::vector<float>(FramesIn(seconds), 0.0f); }

void AddTone(std::vector<float>& out, double startSeconds, const Tone& tone) {
    const std::size_t first = FramesIn(startSeconds);
    const std::size_t frames = LayerFrames(out, first, tone.seconds);
    Oscillator oscillator;
    Biquad filter;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        float x = oscillator.Next(tone.wave, TonePitch(tone, t));
        if (tone.cutoffHz > 0.0) {
            if (i % 16 == 0) filter.Set(Biquad::Kind::Lowpass, ToneCutoff(tone, t), tone.resonance);
            x = filter.Process(x);
        }
        double gain = tone.level * Envelope(t, tone.seconds, tone.attack, tone.decay, tone.release);
        if (tone.tremoloHz > 0.0)
            gain *= 1.0 - tone.tremoloDepth * (0.5 - 0.5 * std::cos(2.0 * kPi * tone.tremoloHz * t));
        out[first + i] += static_cast<float>(gain * x);
    }
}

void AddNoise(std::vector<float>& out, double startSeconds, const Noise& noise) {
    const std::size_t first = FramesIn(startSeconds);
    const std::size_t frames = LayerFrames(out, first, noise.seconds);
    Rng rng(noise.seed);
    Biquad filter;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        if (i % 16 == 0) {
            const double hz = noise.endHz > 0.0 ? Glide(t, noise.hz, noise.endHz, noise.seconds) : noise.hz;
            filter.Set(noise.filter, hz, noise.q);
        }
        const double gain = noise.level * Envelope(t, noise.seconds, noise.attack, noise.decay, noise.release);
        out[first + i] += static_cast<float>(gain * filter.Process(rng.Noise()));
    }
}

}  // namespace glyphora::soundgen
