#include "tools/soundgen/arranger.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

#include "tools/soundgen/dsp.h"
#include "tools/soundgen/harmony.h"
#include "tools/soundgen/notation.h"
#include "tools/soundgen/ogg_writer.h"
#include "tools/soundgen/pcm.h"

namespace glyphora::soundgen {

namespace {

constexpr int kCrashKey = 49;
constexpr int kBassLow = 33;  // A1: bass roots sit in A1-G#2
constexpr int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

// How much of a note's written length sounds, by role.
constexpr double kLeadArticulation = 0.94, kChordArticulation = 0.9, kPadArticulation = 0.99, kBassArticulation = 0.86;

// Everything the bar-by-bar writers need about the part in hand.
struct PartContext {
    const TrackDesign& design;
    const PartDesign& part;
    int index = 0;
    int bars = 0;
    int stepsPerBar = 16;  // sixteenths
    bool last = false;     // the track's final part
    std::vector<Chord> halves;
    std::int64_t start = 0, end = 0;
    Score& score;
    Rng& rng;
    std::map<int, std::vector<int>>& voicings;  // last voicing per channel
    std::string& error;
};

double FramesPerBeat(const TrackDesign& design) { return 60.0 / design.bpm * kSampleRate; }

// Frame of a sixteenth step of the part, with swing on the off-beat ones.
std::int64_t FrameAt(const PartContext& ctx, int step) {
    double beat = step / 4.0;
    if (step % 2 != 0) beat += ctx.design.swing / 4.0;
    return ctx.start + std::llround(beat * FramesPerBeat(ctx.design));
}

int Velocity(const PartContext& ctx, int base, double accent) {
    const double energy = 0.78 + 0.055 * ctx.part.energy;
    const double value = base * energy * accent + ctx.rng.Range(-3.0, 3.0);
    return std::clamp(static_cast<int>(std::lround(value)), 1, 127);
}

// Adds a note of `steps` sixteenths, cut to end before the part's guard.
void AddNote(PartContext& ctx, int channel, int key, int velocity, int step, double steps, double articulation) {
    const std::int64_t guardEnd = ctx.end - std::llround(GuardBeats(channel) * FramesPerBeat(ctx.design));
    const std::int64_t on = FrameAt(ctx, step);
    if (on >= guardEnd || key < 0 || key > 127) return;
    // A swung note starts late but lets go where it would have.
    const std::int64_t onGrid = ctx.start + std::llround(step / 4.0 * FramesPerBeat(ctx.design));
    const std::int64_t length = std::llround(steps / 4.0 * FramesPerBeat(ctx.design) * articulation);
    const std::int64_t off = std::min(std::max(onGrid + length, on + 1), guardEnd);
    ctx.score.notes.push_back({on, off, channel, key, velocity});
}

const Chord& ChordAt(const PartContext& ctx, int step) {
    const int bar = step / ctx.stepsPerBar;
    const int half = (step % ctx.stepsPerBar) * 2 >= ctx.stepsPerBar ? 1 : 0;
    return ctx.halves[static_cast<std::size_t>(std::min(bar, ctx.bars - 1) * 2 + half)];
}

bool SameChord(const Chord& a, const Chord& b) { return a.root == b.root && a.intervals == b.intervals; }

// A note held over a change of chord would clash with the new one: it is
// struck again, as the new chord's tone, where the chord changes.
std::vector<StepEvent> SplitAtChordChanges(const PartContext& ctx, const std::vector<StepEvent>& events) {
    const int half = ctx.stepsPerBar / 2;
    std::vector<StepEvent> split;
    for (const StepEvent& event : events) {
        StepEvent piece = event;
        for (int step = event.step + 1; step < event.step + event.length; ++step) {
            if (step % half != 0 || SameChord(ChordAt(ctx, step), ChordAt(ctx, piece.step))) continue;
            piece.length = step - piece.step;
            split.push_back(piece);
            piece = {step, event.step + event.length - step, event.token};
        }
        split.push_back(piece);
    }
    return split;
}

const char* Lookup(const std::vector<Named>& table, const std::string& name) {
    for (const Named& entry : table) {
        if (name == entry.name) return entry.text;
    }
    return nullptr;
}

// Steps of a pattern repeated over the part's bars; the track's last bar is
// replaced by `ending` when one is given. Empty on a fault (reported).
std::vector<std::string> PartStream(PartContext& ctx, const std::string& name, const std::string& text,
                                    const std::string& ending) {
    const std::vector<std::string> steps = CharacterSteps(text);
    const int per = ctx.stepsPerBar;
    if (steps.empty() || steps.size() % static_cast<std::size_t>(per) != 0) {
        ctx.error = "pattern " + name + " is not a whole number of bars";
        return {};
    }
    const int patternBars = static_cast<int>(steps.size()) / per;
    std::vector<std::string> stream;
    for (int bar = 0; bar < ctx.bars; ++bar) {
        if (ctx.last && bar == ctx.bars - 1 && !ending.empty()) {
            for (const std::string& token : CharacterSteps(ending)) stream.push_back(token);
            continue;
        }
        const auto first = steps.begin() + (bar % patternBars) * per;
        stream.insert(stream.end(), first, first + per);
    }
    return stream;
}

// The ending bar of the chordal and bass roles: one hit held for half a bar.
std::string EndingBar(const PartContext& ctx, char hit) {
    std::string bar(static_cast<std::size_t>(ctx.stepsPerBar), '.');
    bar[0] = hit;
    for (int i = 1; i < ctx.stepsPerBar / 2; ++i) bar[static_cast<std::size_t>(i)] = '-';
    return bar;
}

void WriteChordal(PartContext& ctx, const char* patternName, int channel, const Instrument& instrument,
                  const Voicing& voicing, double articulation) {
    if (patternName[0] == '\0') return;
    const char* text = Lookup(ctx.design.chordal, patternName);
    if (!text) {
        ctx.error = std::string("no chordal pattern ") + patternName;
        return;
    }
    const int tonicClass = ctx.design.tonic % 12;
    const std::vector<StepEvent> events = ReadSteps(PartStream(ctx, patternName, text, EndingBar(ctx, 'C')));
    for (const StepEvent& event : SplitAtChordChanges(ctx, events)) {
        std::vector<int>& previous = ctx.voicings[channel];
        const std::vector<int> keys = VoiceChord(ChordAt(ctx, event.step), tonicClass, voicing.low, previous);
        previous = keys;
        const char symbol = event.token[0];
        if (symbol == 'C' || symbol == 'c') {
            const int velocity = Velocity(ctx, instrument.velocity, symbol == 'C' ? 1.1 : 0.75);
            for (int key : keys) AddNote(ctx, channel, key, velocity, event.step, event.length, articulation);
        } else if (symbol >= '1' && symbol <= '8') {
            const int index = symbol - '1', tone = index % 4, size = static_cast<int>(keys.size());
            const int key = keys[static_cast<std::size_t>(tone % size)] + 12 * (index / 4 + tone / size);
            AddNote(ctx, channel, key, Velocity(ctx, instrument.velocity, event.step % 4 == 0 ? 1.05 : 0.92),
                    event.step, event.length, articulation);
        } else {
            ctx.error = std::string("chordal pattern ") + patternName + " has an unknown step " + event.token;
        }
    }
}

int BassRootKey(const PartContext& ctx, const Chord& chord) {
    const int pitchClass = (ctx.design.tonic + chord.root) % 12;
    return kBassLow + ((pitchClass - kBassLow) % 12 + 12) % 12;
}

int BassKey(const PartContext& ctx, const StepEvent& event) {
    const Chord& chord = ChordAt(ctx, event.step);
    const int root = BassRootKey(ctx, chord);
    switch (event.token[0]) {
        case '1': return root;
        case '3': return root + chord.intervals[1];
        case '5': return root + chord.intervals[2];
        case '7': return root + (chord.intervals.size() > 3 ? chord.intervals[3] : 10);
        case '8': return root + 12;
        case 'l': return root + chord.intervals[2] - 12;
        case 'a': {
            const int nextBar = (event.step / ctx.stepsPerBar + 1) % ctx.bars;
            return BassRootKey(ctx, ChordAt(ctx, nextBar * ctx.stepsPerBar)) - 1;
        }
        default: return -1;
    }
}

void WriteBass(PartContext& ctx) {
    const char* name = ctx.part.bass;
    if (name[0] == '\0') return;
    const char* text = Lookup(ctx.design.basslines, name);
    if (!text) {
        ctx.error = std::string("no bassline ") + name;
        return;
    }
    const std::vector<StepEvent> events = ReadSteps(PartStream(ctx, name, text, EndingBar(ctx, '1')));
    for (const StepEvent& event : SplitAtChordChanges(ctx, events)) {
        const int key = BassKey(ctx, event);
        if (key < 0) {
            ctx.error = std::string("bassline ") + name + " has an unknown step " + event.token;
            return;
        }
        const double accent = event.step % 4 == 0 ? 1.05 : 0.92;
        AddNote(ctx, kBassChannel, key, Velocity(ctx, ctx.design.band.bass.velocity, accent), event.step, event.length,
                kBassArticulation);
    }
}

}  // namespace

namespace {

// MIDI key of a melody token ("5", "b7", "3'", "1,,"), or -1.
int MelodyKey(const PartContext& ctx, const std::string& token) {
    std::size_t at = 0;
    int shift = 0;
    if (token[at] == 'b' || token[at] == '#') shift = token[at++] == 'b' ? -1 : 1;
    if (at >= token.size() || token[at] < '1' || token[at] > '7') return -1;
    const int degree = token[at++] - '1';
    int octave = ctx.part.leadOctave;
    for (; at < token.size(); ++at) {
        if (token[at] == '\'') ++octave;
        else if (token[at] == ',') --octave;
        else return -1;
    }
    const int* scale = ctx.design.minor ? kMinor : kMajor;
    return ctx.design.tonic + scale[degree] + shift + 12 * octave;
}

// The part's melody steps, phrase after phrase; '_' is a bar of rest.
std::vector<std::string> MelodyStream(PartContext& ctx) {
    const int perBar = ctx.design.melodyStepsPerBeat * ctx.design.beatsPerBar;
    std::vector<std::string> stream;
    std::stringstream names(ctx.part.melody);
    for (std::string name; names >> name;) {
        if (name == "_") {
            stream.insert(stream.end(), static_cast<std::size_t>(perBar), ".");
            continue;
        }
        const char* text = Lookup(ctx.design.phrases, name);
        const std::vector<std::string> steps = text ? WordSteps(text) : std::vector<std::string>{};
        if (steps.empty() || steps.size() % static_cast<std::size_t>(perBar) != 0) {
            ctx.error = "phrase " + name + (text ? " is not a whole number of bars" : " is missing");
            return {};
        }
        stream.insert(stream.end(), steps.begin(), steps.end());
    }
    if (!stream.empty() && stream.size() != static_cast<std::size_t>(perBar * ctx.bars)) {
        ctx.error = "the melody does not fill the part";
        return {};
    }
    return stream;
}

void WriteMelody(PartContext& ctx) {
    const std::vector<std::string> stream = MelodyStream(ctx);
    const int sixteenths = 4 / ctx.design.melodyStepsPerBeat;
    const int perBeat = ctx.design.melodyStepsPerBeat;
    for (const StepEvent& event : ReadSteps(stream)) {
        const int key = MelodyKey(ctx, event.token);
        if (key < 0) {
            ctx.error = "melody token " + event.token + " is not a scale degree";
            return;
        }
        const double accent = event.step % (perBeat * 2) == 0 ? 1.06 : 0.96;
        AddNote(ctx, kLeadChannel, key, Velocity(ctx, ctx.design.band.lead.velocity, accent), event.step * sixteenths,
                event.length * sixteenths, kLeadArticulation);
    }
}

const Groove* FindGroove(const TrackDesign& design, const std::string& name) {
    for (const Groove& groove : design.grooves) {
        if (name == groove.name) return &groove;
    }
    return nullptr;
}

double DrumAccent(char symbol) {
    switch (symbol) {
        case 'X': return 1.15;
        case 'x': return 0.95;
        case 'o': return 0.55;
        default: return 0.0;
    }
}

// One bar of a groove (bar counted within the pattern's own length).
void WriteDrumBar(PartContext& ctx, const Groove& groove, int bar) {
    for (const DrumLine& line : groove.lines) {
        const std::vector<std::string> steps = CharacterSteps(line.steps);
        const int per = ctx.stepsPerBar;
        if (steps.empty() || steps.size() % static_cast<std::size_t>(per) != 0) {
            ctx.error = std::string("groove ") + groove.name + " is not a whole number of bars";
            return;
        }
        const int patternBar = bar % (static_cast<int>(steps.size()) / per);
        for (int i = 0; i < per; ++i) {
            const double accent = DrumAccent(steps[static_cast<std::size_t>(patternBar * per + i)][0]);
            if (accent <= 0.0) continue;
            AddNote(ctx, kDrumChannel, line.key, Velocity(ctx, 100, accent), bar * per + i, 4.0, 1.0);
        }
    }
}

void WriteDrums(PartContext& ctx) {
    const Groove* groove = FindGroove(ctx.design, ctx.part.drums);
    const Groove* fill = FindGroove(ctx.design, ctx.part.fill);
    if ((ctx.part.drums[0] != '\0' && !groove) || (ctx.part.fill[0] != '\0' && !fill)) {
        ctx.error = std::string("no groove ") + ctx.part.drums + " or " + ctx.part.fill;
        return;
    }
    for (int bar = 0; bar < ctx.bars; ++bar) {
        const Groove* chosen = bar == ctx.bars - 1 && fill ? fill : groove;
        if (chosen) WriteDrumBar(ctx, *chosen, bar);
    }
    if (ctx.part.crash) AddNote(ctx, kDrumChannel, kCrashKey, Velocity(ctx, 100, 1.0), 0, 4.0, 1.0);
}

void WritePart(PartContext& ctx) {
    const Band& band = ctx.design.band;
    WriteMelody(ctx);
    WriteChordal(ctx, ctx.part.harmony, kHarmonyChannel, band.harmony, band.harmonyVoicing, kChordArticulation);
    WriteChordal(ctx, ctx.part.pad, kPadChannel, band.pad, band.padVoicing, kPadArticulation);
    WriteChordal(ctx, ctx.part.counter, kCounterChannel, band.counter, band.counterVoicing, kChordArticulation);
    WriteBass(ctx);
    WriteDrums(ctx);
}

std::vector<ChannelSetup> Setups(const Band& band) {
    const auto setup = [](int channel, const Instrument& i) {
        return ChannelSetup{channel, 0, i.program, i.volume, i.pan, i.reverb, i.chorus, i.releaseCents};
    };
    return {setup(kLeadChannel, band.lead),
            setup(kHarmonyChannel, band.harmony),
            setup(kPadChannel, band.pad),
            setup(kCounterChannel, band.counter),
            setup(kBassChannel, band.bass),
            ChannelSetup{kDrumChannel, 128, band.drumKit, band.drumVolume, 64, band.drumReverb, 0}};
}

}  // namespace

int BarsPerPart(const TrackDesign& design) {
    const int beats = static_cast<int>(kPartSeconds) * design.bpm;
    if (design.beatsPerBar <= 0 || beats % (60 * design.beatsPerBar) != 0) return 0;
    return beats / (60 * design.beatsPerBar);
}

// Chords and pads ring longest after their release, and drums (toms above
// all) ring on after their stroke, so they stop earlier than lead and bass.
double GuardBeats(int channel) {
    if (channel == kHarmonyChannel || channel == kPadChannel || channel == kCounterChannel) return 1.0;
    return channel == kDrumChannel ? 0.75 : 0.5;
}

Arrangement Arrange(const TrackDesign& design) {
    Arrangement result;
    Score& score = result.score;
    score.name = design.name;
    const int bars = BarsPerPart(design);
    if (bars == 0 || (design.melodyStepsPerBeat != 2 && design.melodyStepsPerBeat != 4)) {
        result.error = std::string(design.name) + ": 20 seconds are not whole bars of its tempo and metre";
        return result;
    }
    const std::int64_t partFrames = static_cast<std::int64_t>(FramesIn(kPartSeconds));
    score.frames = partFrames * kPartsPerTrack;
    score.channels = Setups(design.band);
    Rng rng(SerialFor(design.name));
    std::map<int, std::vector<int>> voicings;
    for (int index = 0; index < kPartsPerTrack && result.error.empty(); ++index) {
        const PartDesign& part = design.parts[static_cast<std::size_t>(index)];
        PartContext ctx{design,
                        part,
                        index,
                        bars,
                        4 * design.beatsPerBar,
                        index == kPartsPerTrack - 1,
                        {},
                        partFrames * index,
                        partFrames * (index + 1),
                        score,
                        rng,
                        voicings,
                        result.error};
        score.partStarts.push_back(ctx.start);
        const auto halves = ParseProgression(part.chords);
        if (!halves || CountBars(part.chords) != bars) {
            result.error = "the chords are not " + std::to_string(bars) + " bars of known numerals";
        } else {
            ctx.halves = *halves;
            WritePart(ctx);
        }
        if (!result.error.empty())
            result.error = std::string(design.name) + " part " + std::to_string(index + 1) + ": " + result.error;
    }
    std::stable_sort(score.notes.begin(), score.notes.end(),
                     [](const ScoreNote& a, const ScoreNote& b) { return a.on < b.on; });
    return result;
}

}  // namespace glyphora::soundgen
