// The calm tier (tracks 1 and 2): the music of the first stages.
#include "tools/soundgen/tracks.h"

namespace glyphora::soundgen {
// Hand-laid tables: one row per line, columns aligned.
// clang-format off

// F major, 96 bpm, 8 bars a part: a swung electric-piano tune with a
// vibraphone melody over a brushed jazz kit.
TrackDesign SunnyKeys() {
    using namespace drum;
    return {
        .name = "Track1",
        .character = "calm: sunny, swung electric piano and vibraphone",
        .tonic = 65,  // F4
        .minor = false,
        .bpm = 96,
        .beatsPerBar = 4,
        .melodyStepsPerBeat = 2,
        .swing = 0.3,
        .band = {.lead = {.program = gm::kVibraphone, .volume = 127, .pan = 64, .reverb = 50, .velocity = 124},
                 .harmony = {.program = gm::kElectricPiano, .volume = 50, .pan = 44, .reverb = 40, .chorus = 40, .velocity = 78},
                 .pad = {.program = gm::kWarmPad, .volume = 58, .pan = 64, .reverb = 70, .velocity = 70},
                 .counter = {.program = gm::kNylonGuitar, .volume = 92, .pan = 88, .reverb = 45, .velocity = 76},
                 .bass = {.program = gm::kFingerBass, .volume = 90, .pan = 64, .reverb = 10, .velocity = 92},
                 .harmonyVoicing = {53}, .padVoicing = {48}, .counterVoicing = {60},
                 .drumKit = 32, .drumVolume = 85, .drumReverb = 35},
        .phrases = {
            {"A", "3 - 5 - 1' - 7 6 | 5 - 6 - 3 - - - | 4 - 6 - 1' - 6 4 | 5 - - - 2 - 3 - |"
                  "3 - 5 - 1' - 2' 1' | 6 - 5 - 3 - 1 - | 2 - 4 - 6 - 5 4 | 5 - - - . . . ."},
            {"B", "1' - 6 - 4 - 6 1' | 2' - 7 - 5 - - - | 7 - 5 - 3 - 5 7 | 6 - - - 1' - 6 - |"
                  "4 - 6 - 2' - 1' 6 | 5 - 7 - 2' - - - | 3' - 2' 1' 5 - 6 - | 7 - 5 - - - . ."},
            {"A1", "3 - 5 - 1' - 7 6 | 5 - 6 - 3 - - - | 4 - 6 - 1' - 6 4 | 5 - - - 2 - 3 - "},
            {"End", "6 - 1' - 4' - 3' 2' | 1' - 7 - 2' - 7 5 | 4 - 6 - 7 - 2' - | 1' - - - . . . ."},
        },
        .chordal = {
            {"whole", "C---------------"},
            {"comp", "..c-..C-..c-.C--"},
            {"arp", "1-2-3-5-3-2-1-2-"},
            {"pad", "C-------------------------------"},
        },
        .basslines = {
            {"roots", "1-------5-------"},
            {"walk", "1---.-1-5---3-a-"},
        },
        .grooves = {
            {"light", {{kKick, "x.......x......."}, {kSideStick, "....o.......o..."}, {kClosedHat, "o.o.o.o.o.o.o.o."}}},
            {"swing", {{kKick, "x.....x.x......."}, {kSideStick, "....x.......x..."}, {kClosedHat, "x.o.x.oox.o.x.oo"}}},
            {"full", {{kKick, "x.....x.x..x...."}, {kSnare, "....x.......x..o"}, {kRide, "x.xox.xox.xox.xo"},
                      {kPedalHat, "....x.......x..."}}},
            {"fill", {{kKick, "x.......x......."}, {kSnare, "....x...o.x.x..."}, {kHighTom, "..........x....."},
                      {kLowTom, "............x..."}}},
            {"end", {{kKick, "x..............."}, {kSideStick, "x..............."}}},
        },
        .parts = {{
            {.chords = "I | vi | IV | V | I | vi | ii | V", .melody = "A", .harmony = "whole", .bass = "roots",
             .drums = "light", .fill = "fill", .crash = false, .energy = 1},
            {.chords = "I | vi | IV | V | I | vi | ii | V", .melody = "A", .harmony = "comp", .pad = "pad",
             .bass = "walk", .drums = "swing", .fill = "fill", .energy = 2},
            {.chords = "IV | V | iii | vi | ii | V | I | V", .melody = "B", .harmony = "comp", .pad = "pad",
             .counter = "arp", .bass = "walk", .drums = "swing", .fill = "fill", .energy = 3},
            {.chords = "I | vi | IV | V | I | vi | ii | V", .melody = "A", .harmony = "comp",
             .pad = "pad", .counter = "arp", .bass = "walk", .drums = "full", .fill = "fill", .energy = 4},
            {.chords = "I | vi | IV | V | IV | V | ii V | I", .melody = "A1 End", .harmony = "comp", .pad = "pad",
             .counter = "arp", .bass = "walk", .drums = "full", .fill = "end", .energy = 5},
        }},
    };
}

// D major, 3/4 at 108 bpm, 12 bars a part: a flute waltz over piano
// "oom-pah-pah", plucked strings and, later, a string pad.
TrackDesign MeadowWaltz() {
    using namespace drum;
    return {
        .name = "Track2",
        .character = "calm: a lilting flute waltz",
        .tonic = 74,  // D5
        .minor = false,
        .bpm = 108,
        .beatsPerBar = 3,
        .melodyStepsPerBeat = 2,
        .swing = 0.0,
        .band = {.lead = {.program = gm::kFlute, .volume = 90, .pan = 64, .reverb = 55, .velocity = 108},
                 .harmony = {.program = gm::kPiano, .volume = 127, .pan = 50, .reverb = 45, .velocity = 96},
                 .pad = {.program = gm::kSlowStrings, .volume = 64, .pan = 70, .reverb = 70, .velocity = 72},
                 .counter = {.program = gm::kPizzicato, .volume = 84, .pan = 84, .reverb = 45, .velocity = 84},
                 .bass = {.program = gm::kAcousticBass, .volume = 90, .pan = 60, .reverb = 15, .velocity = 96},
                 .harmonyVoicing = {57}, .padVoicing = {50}, .counterVoicing = {62},
                 .drumKit = 40, .drumVolume = 100, .drumReverb = 40},
        .phrases = {
            {"A", "5 - - - 3 4 | 6 - - - 4 - | 5 - 4 - 2 - | 3 - - - . ."},
            {"B", "1' - - 7 6 - | 6 - - 5 4 - | 2 - 4 - 6 - | 5 - - - . ."},
            {"C", "3 - 5 - 1' - | 2' - 1' - 6 - | 5 - 7 - 2' - | 1' - - - . ."},
            {"D", "4 - 6 - 1' - | 7 - - 6 5 - | 3 - 5 - 7 - | 6 - - - . ."},
            {"E", "2' - 1' - 6 - | 5 - 6 - 7 - | 1' - - - 3' - | 2' - 1' - . ."},
        },
        .chordal = {
            {"oompah", "....c-..c-.."},
            {"lilt", "....c-..c-..........c-c-"},
            {"pad", "C-----------------------"},
            {"pluck", "1.3.5.3.5.3."},
            {"sparkle", "5.7.6.7.5.7.6.7.5.7.8..."},
        },
        .basslines = {
            {"one", "1---------..5---------.."},
            {"walk", "1---5---8---5---3---a---"},
        },
        .grooves = {
            {"brush", {{kKick, "x..........."}, {kSnare, "....o...o..."}, {kPedalHat, "....o...o..."}}},
            {"waltz", {{kKick, "x..........."}, {kSnare, "....x...x..."}, {kRide, "x.o.x.o.x.o."}}},
            {"lively", {{kKick, "x.....x....."}, {kSnare, "....x...x..o"}, {kRide, "x.oxx.oxx.ox"},
                        {kTambourine, "....x...x..."}}},
            {"fill", {{kKick, "x..........."}, {kSnare, "....x.x....."}, {kLowTom, "........x..."}}},
            {"end", {{kKick, "x..........."}, {kSnare, "x..........."}}},
        },
        .parts = {{
            {.chords = "I | IV | V | I | vi | IV | ii | V | I | IV | V | I", .melody = "A B C", .harmony = "oompah",
             .bass = "one", .drums = "", .fill = "", .crash = false, .energy = 1},
            {.chords = "I | IV | V | I | vi | IV | ii | V | I | IV | V | I", .melody = "A B C", .harmony = "oompah",
             .counter = "pluck", .bass = "one", .drums = "brush", .fill = "fill", .crash = false, .energy = 2},
            {.chords = "IV | V | iii | vi | IV | V | I | I | I | IV | V | I", .melody = "D E C", .harmony = "lilt",
             .pad = "pad", .counter = "pluck", .bass = "walk", .drums = "waltz", .fill = "fill", .energy = 3},
            {.chords = "I | IV | V | I | vi | IV | ii | V | I | IV | V | I", .melody = "A B C", .harmony = "oompah",
             .pad = "pad", .counter = "sparkle", .bass = "walk", .drums = "waltz", .fill = "fill", .energy = 4},
            {.chords = "I | IV | V | I | vi | IV | ii | V | I | IV | V | I", .melody = "A B C", .harmony = "lilt",
             .pad = "pad", .counter = "sparkle", .bass = "walk", .drums = "lively", .fill = "end", .energy = 5},
        }},
    };
}

// clang-format on
}  // namespace glyphora::soundgen
