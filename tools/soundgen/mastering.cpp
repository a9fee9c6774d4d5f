#include "tools/soundgen/mastering.h"

#include <algorithm>
#include <cmath>
#include <deque>

#include "tools/soundgen/dsp.h"

namespace glyphora::soundgen {

namespace {

constexpr std::size_t kLookAheadFrames = 96;  // about 2 ms
constexpr double kLimiterRecoverySeconds = 0.08;

void FadeEnds(std::vector<float>& samples, int channels, double inSeconds, double outSeconds) {
    const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
    const std::size_t in = std::min(FramesIn(inSeconds), frames), out = std::min(FramesIn(outSeconds), frames);
    for (std::size_t f = 0; f < frames; ++f) {
        double gain = 1.0;
        if (f < in) gain *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(f) / static_cast<double>(in));
        if (f + out >= frames)
            gain *= 0.5 - 0.5 * std::cos(kPi * static_cast<double>(frames - 1 - f) / static_cast<double>(out));
        for (int c = 0; c < channels; ++c)
            samples[f * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] *= static_cast<float>(gain);
    }
}

// Per frame, the gain that keeps that frame's loudest channel at the ceiling.
std::vector<double> NeededGain(const Pcm& track, double ceiling) {
    std::vector<double> needed(track.Frames(), 1.0);
    const auto channels = static_cast<std::size_t>(track.channels);
    for (std::size_t f = 0; f < needed.size(); ++f) {
        double peak = 0.0;
        for (std::size_t c = 0; c < channels; ++c)
            peak = std::max(peak, static_cast<double>(std::abs(track.samples[f * channels + c])));
        if (peak > ceiling) needed[f] = ceiling / peak;
    }
    return needed;
}

// Minimum of `values` over [i, i + window], for every i.
std::vector<double> ForwardMinimum(const std::vector<double>& values, std::size_t window) {
    std::vector<double> result(values.size());
    std::deque<std::size_t> candidates;
    std::size_t next = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        for (; next < values.size() && next <= i + window; ++next) {
            while (!candidates.empty() && values[candidates.back()] >= values[next]) candidates.pop_back();
            candidates.push_back(next);
        }
        while (candidates.front() < i) candidates.pop_front();
        result[i] = values[candidates.front()];
    }
    return result;
}

// Smooth gain curve that is never above `needed`: the forward minimum over
// the look-ahead averaged over the look-ahead (each average only includes
// minima that cover the frame), then a gradual recovery.
std::vector<double> LimiterGain(const std::vector<double>& needed) {
    const std::vector<double> minimum = ForwardMinimum(needed, kLookAheadFrames);
    std::vector<double> gain(needed.size());
    double sum = 0.0, recovered = 1.0;
    const double recovery = std::exp(-1.0 / (kLimiterRecoverySeconds * kSampleRate));
    for (std::size_t i = 0; i < needed.size(); ++i) {
        sum += minimum[i];
        if (i > kLookAheadFrames) sum -= minimum[i - kLookAheadFrames - 1];
        const double average = sum / static_cast<double>(std::min(i + 1, kLookAheadFrames + 1));
        recovered = std::min(average, 1.0 - (1.0 - recovered) * recovery);
        gain[i] = recovered;
    }
    return gain;
}

}  // namespace

double PeakDb(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (float x : samples) peak = std::max(peak, std::abs(x));
    return GainToDb(peak);
}

double RmsDb(const std::vector<float>& samples) {
    double sum = 0.0;
    for (float x : samples) sum += static_cast<double>(x) * x;
    return samples.empty() ? -200.0 : GainToDb(std::sqrt(sum / static_cast<double>(samples.size())));
}

double RmsDb(const Pcm& pcm, std::size_t first, std::size_t count) {
    const auto channels = static_cast<std::size_t>(pcm.channels);
    const std::size_t begin = std::min(first * channels, pcm.samples.size());
    const std::size_t end = std::min((first + count) * channels, pcm.samples.size());
    return RmsDb(std::vector<float>(pcm.samples.begin() + static_cast<std::ptrdiff_t>(begin),
                                    pcm.samples.begin() + static_cast<std::ptrdiff_t>(end)));
}

void ApplyGainDb(std::vector<float>& samples, double db) {
    const auto gain = static_cast<float>(DbToGain(db));
    for (float& x : samples) x *= gain;
}

void FinishEffect(std::vector<float>& samples, double peakDb) {
    Biquad dcBlock;
    dcBlock.Set(Biquad::Kind::Highpass, 20.0, 0.707);
    for (float& x : samples) x = dcBlock.Process(x);
    FadeEnds(samples, 1, 0.001, 0.005);
    ApplyGainDb(samples, peakDb - PeakDb(samples));
}

// Limiting lowers the RMS a little, so the gain and the limiter run a few
// times; each round only moves the level by what the last one took away.
void MasterTrack(Pcm& track, double rmsDb, double ceilingDb) {
    const auto channels = static_cast<std::size_t>(track.channels);
    for (int round = 0; round < 3; ++round) {
        ApplyGainDb(track.samples, rmsDb - RmsDb(track.samples));
        const std::vector<double> gain = LimiterGain(NeededGain(track, DbToGain(ceilingDb)));
        for (std::size_t f = 0; f < gain.size(); ++f) {
            for (std::size_t c = 0; c < channels; ++c) track.samples[f * channels + c] *= static_cast<float>(gain[f]);
        }
    }
    FadeEnds(track.samples, track.channels, 0.0, 0.02);
}

}  // namespace glyphora::soundgen
