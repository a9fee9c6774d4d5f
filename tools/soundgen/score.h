// A track ready to play: channel setups and notes on a timeline of frames
// (44.1 kHz), as the arranger writes it and the FluidSynth renderer plays it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glyphora::soundgen {

inline constexpr int kDrumChannel = 9;

struct ChannelSetup {
    int channel = 0;
    int bank = 0;  // 128 for drum kits
    int program = 0;
    int volume = 100;
    int pan = 64;
    int reverb = 40;
    int chorus = 0;
    int releaseCents = 0;  // added to the release time of every note, in timecents (-1200 halves it)
};

struct ScoreNote {
    std::int64_t on = 0;   // frame of the note-on
    std::int64_t off = 0;  // frame of the note-off, after `on`
    int channel = 0;
    int key = 60;
    int velocity = 90;
};

struct Score {
    std::string name;
    std::int64_t frames = 0;               // the track's whole length
    std::vector<std::int64_t> partStarts;  // first frame of each part
    std::vector<ChannelSetup> channels;
    std::vector<ScoreNote> notes;
};

}  // namespace glyphora::soundgen
