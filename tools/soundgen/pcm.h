// Sampled sound as the generator passes it around: 32-bit float samples at
// 44.1 kHz, interleaved when there is more than one channel.
#pragma once

#include <cstddef>
#include <vector>

namespace glyphora::soundgen {

inline constexpr int kSampleRate = 44100;

struct Pcm {
    int channels = 1;
    std::vector<float> samples;  // interleaved frames

    std::size_t Frames() const { return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0; }
};

// Whole frames in a duration (rounded to the nearest frame).
inline std::size_t FramesIn(double seconds) { return static_cast<std::size_t>(seconds * kSampleRate + 0.5); }

}  // namespace glyphora::soundgen
