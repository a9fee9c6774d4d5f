// The driving tier (tracks 3 and 4): the middle stages, and the credits.
#include "tools/soundgen/tracks.h"

namespace glyphora::soundgen {
// Hand-laid tables: one row per line, columns aligned.
// clang-format off

// E minor, 120 bpm, 10 bars a part (an 8-bar phrase and a 2-bar
// turnaround): synth-rock with an overdriven guitar lead and pumping bass.
TrackDesign NeonHighway() {
    using namespace drum;
    return {
        .name = "Track3",
        .character = "driving: night-drive synth rock",
        .tonic = 64,  // E4
        .minor = true,
        .bpm = 120,
        .beatsPerBar = 4,
        .melodyStepsPerBeat = 2,
        .swing = 0.0,
        .band = {.lead = {.program = gm::kOverdriveGuitar, .volume = 108, .pan = 64, .reverb = 45, .velocity = 104},
                 .harmony = {.program = gm::kPolySynth, .volume = 58, .pan = 40, .reverb = 40, .chorus = 50, .velocity = 80},
                 .pad = {.program = gm::kSynthStrings, .volume = 44, .pan = 88, .reverb = 60, .velocity = 70},
                 .counter = {.program = gm::kSquareLead, .volume = 58, .pan = 90, .reverb = 50, .velocity = 70},
                 .bass = {.program = gm::kPickBass, .volume = 108, .pan = 64, .reverb = 5, .velocity = 96},
                 .harmonyVoicing = {55}, .padVoicing = {52}, .counterVoicing = {71},
                 .drumKit = 16, .drumVolume = 100, .drumReverb = 30},
        .phrases = {
            {"A", "5 - - 3 5 - 1' - | 1' - 7 - 6 - 3 - | 3 - - 5 7 - 5 - | 4 - 2 - 7, - - - |"
                  "5 - - 3 5 - 1' - | 3' - - 2' 1' - 6 - | 7 - 5 - 3 - 5 - | 4 - - - 2 - - -"},
            {"B", "1' - 6 - 3 - 1 - | 7, - 2 - 4 - 2 - | 1 - - - 3 - 5 - | 1' - - - 7 - 5 - |"
                  "1' - 6 - 3 - 1 - | 2 - 4 - 7 - 2' - | 2' - - - #7 - - - | 5 - - - . . . ."},
            {"T", "4 - 6 - 1' - 6 - | 5 - - - . . . ."},
            {"End", "6 - - - 5 - - - | 1' - - - . . . ."},
        },
        .chordal = {
            {"hold", "C-------C-------"},
            {"pump", "c-c-C-c-c-c-C-c-"},
            {"pad", "C-------------------------------"},
            {"arp", "1.2.3.5.3.2.1.2.1.2.3.5.6.5.3.2."},
        },
        .basslines = {
            {"eighths", "1-1-1-1-1-1-1-1-"},
            {"drive", "1-1-1-8-1-1-5-a-"},
        },
        .grooves = {
            {"half", {{kKick, "x.......x......."}, {kSnare, "........x......."}, {kClosedHat, "x.x.x.x.x.x.x.x."}}},
            {"rock", {{kKick, "x.....x.x......."}, {kSnare, "....X.......X..."}, {kClosedHat, "x.x.x.x.x.x.x.x."}}},
            {"drive", {{kKick, "x.....x.x.x....."}, {kSnare, "....X.......X..o"}, {kClosedHat, "xoxoxoxoxoxoxoxo"},
                       {kOpenHat, "..............x."}}},
            {"fill", {{kKick, "x.......x......."}, {kSnare, "....x...xx......"}, {kHighTom, "..........x....."},
                      {kMidTom, "...........x...."}, {kLowFloorTom, "............x..."}}},
            {"end", {{kKick, "X..............."}, {kSnare, "X..............."}}},
        },
        .parts = {{
            {.chords = "i | bVI | bIII | bVII | i | bVI | bIII | bVII | iv | V", .melody = "A T", .harmony = "hold",
             .bass = "eighths", .drums = "half", .fill = "fill", .energy = 1},
            {.chords = "i | bVI | bIII | bVII | i | bVI | bIII | bVII | iv | V", .melody = "A T", .harmony = "pump",
             .bass = "eighths", .drums = "rock", .fill = "fill", .energy = 2},
            {.chords = "bVI | bVII | i | i | bVI | bVII | V | V | iv | V", .melody = "B T", .harmony = "pump",
             .pad = "pad", .counter = "arp", .bass = "drive", .drums = "rock", .fill = "fill", .energy = 3},
            {.chords = "i | bVI | bIII | bVII | i | bVI | bIII | bVII | iv | V", .melody = "A T", .harmony = "pump",
             .pad = "pad", .counter = "arp", .bass = "drive", .drums = "drive", .fill = "fill", .energy = 4},
            {.chords = "i | bVI | bIII | bVII | i | bVI | bIII | bVII | bVI V | i", .melody = "A End",
             .harmony = "pump", .pad = "pad", .counter = "arp", .bass = "drive", .drums = "drive", .fill = "end",
             .energy = 5},
        }},
    };
}

// G major, 120 bpm, 10 bars a part: a sunny funk-pop groove with an alto
// sax melody, clavinet chops, brass stabs and slap bass (also the credits'
// music).
TrackDesign RollingCredits() {
    using namespace drum;
    return {
        .name = "Track4",
        .character = "driving: sunny funk pop",
        .tonic = 67,  // G4
        .minor = false,
        .bpm = 120,
        .beatsPerBar = 4,
        .melodyStepsPerBeat = 2,
        .swing = 0.12,
        .band = {.lead = {.program = gm::kAltoSax, .volume = 104, .pan = 64, .reverb = 45, .velocity = 106},
                 .harmony = {.program = gm::kClavinet, .volume = 100, .pan = 40, .reverb = 25, .velocity = 84},
                 .pad = {.program = gm::kStrings, .volume = 70, .pan = 80, .reverb = 60, .velocity = 70},
                 .counter = {.program = gm::kBrass, .volume = 90, .pan = 88, .reverb = 40, .velocity = 92},
                 .bass = {.program = gm::kSlapBass, .volume = 110, .pan = 64, .reverb = 5, .velocity = 96},
                 .harmonyVoicing = {60}, .padVoicing = {55}, .counterVoicing = {62},
                 .drumKit = 0, .drumVolume = 110, .drumReverb = 25},
        .phrases = {
            {"A", ". . 5 6 1' - 6 5 | 3 - - - 5 - 3 - | . . 4 5 6 - 5 4 | 5 - - - 2 - - - |"
                  ". . 5 6 1' - 2' 3' | 2' - 1' - 6 - 5 - | 4 - 6 - 1' - 6 - | 7 - - - 5 - - -"},
            {"B", "3 - - 5 6 - 5 3 | 4 - - - 6 - 1' - | 5 - 3 - 1 - 3 - | 2 - - - 7, - 2 - |"
                  "3 - - 5 6 - 1' 2' | 2' - 1' - 6 - 5 - | 6 - 4 - 2 - 4 - | 5 - - - 7 - - -"},
            {"T", "1' - 6 - 4 - 6 - | 5 - - - . . . ."},
            {"End", "6 - 5 - 4 - 7, - | 1 - - - . . . ."},
        },
        .chordal = {
            {"chop", "..c...c...c...c."},
            {"funk", "..c.c.c...c.c.cc"},
            {"pad", "C-------------------------------"},
            {"stabs", "........C-......................C-.C-..........."},
        },
        .basslines = {
            {"pop", "1-..1-..5-..8-.."},
            {"slap", "1-.18-.15-.1a-8."},
        },
        .grooves = {
            {"light", {{kKick, "x.......x......."}, {kSideStick, "....x.......x..."}, {kClosedHat, "x.x.x.x.x.x.x.x."}}},
            {"funk", {{kKick, "x.....x...x....."}, {kSnare, "....X..o....X..o"}, {kClosedHat, "xoxoxoxoxoxoxoxo"}}},
            {"party", {{kKick, "x.....x...x..x.."}, {kSnare, "....X..o....X..o"}, {kClosedHat, "xoxoxoxoxoxoxox."},
                       {kOpenHat, "..............x."}, {kTambourine, "....x.......x..."}}},
            {"fill", {{kKick, "x.......x......."}, {kSnare, "....x..oxo......"}, {kHighTom, "..........x....."},
                      {kLowTom, "............x..."}}},
            {"end", {{kKick, "X..............."}, {kSnare, "X..............."}}},
        },
        .parts = {{
            {.chords = "I | vi | IV | V | I | vi | IV | V | IV | V", .melody = "A T", .harmony = "chop",
             .bass = "pop", .drums = "light", .fill = "fill", .energy = 1},
            {.chords = "I | vi | IV | V | I | vi | IV | V | IV | V", .melody = "A T", .harmony = "funk",
             .bass = "slap", .drums = "funk", .fill = "fill", .energy = 2},
            {.chords = "vi | IV | I | V | vi | IV | ii | V | IV | V", .melody = "B T", .harmony = "funk",
             .pad = "pad", .counter = "stabs", .bass = "slap", .drums = "funk", .fill = "fill", .energy = 3},
            {.chords = "I | vi | IV | V | I | vi | IV | V | IV | V", .melody = "A T", .harmony = "funk",
             .pad = "pad", .counter = "stabs", .bass = "slap", .drums = "party", .fill = "fill", .energy = 4},
            {.chords = "I | vi | IV | V | I | vi | IV | V | IV V | I", .melody = "A End", .harmony = "funk",
             .pad = "pad", .counter = "stabs", .bass = "slap", .drums = "party", .fill = "end", .energy = 5},
        }},
    };
}

// clang-format on
}  // namespace glyphora::soundgen
