#include "tools/soundgen/fluid_render.h"

#include <fluidsynth.h>

#include <algorithm>
#include <memory>
#include <mutex>

namespace glyphora::soundgen {

namespace {

struct SettingsDelete {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct SynthDelete {
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
using Settings = std::unique_ptr<fluid_settings_t, SettingsDelete>;
using Synth = std::unique_ptr<fluid_synth_t, SynthDelete>;

struct Event {
    std::int64_t frame;
    bool on;
    int channel, key, velocity;
};

Settings MakeSettings() {
    Settings settings(new_fluid_settings());
    if (!settings) return settings;
    fluid_settings_t* s = settings.get();
    fluid_settings_setnum(s, "synth.sample-rate", kSampleRate);
    fluid_settings_setnum(s, "synth.gain", 0.3);
    fluid_settings_setint(s, "synth.polyphony", 256);
    fluid_settings_setint(s, "synth.cpu-cores", 1);
    fluid_settings_setint(s, "synth.lock-memory", 0);
    fluid_settings_setint(s, "synth.reverb.active", 1);
    fluid_settings_setint(s, "synth.chorus.active", 1);
    fluid_settings_setnum(s, "synth.reverb.room-size", 0.55);
    fluid_settings_setnum(s, "synth.reverb.damp", 0.4);
    fluid_settings_setnum(s, "synth.reverb.width", 0.9);
    fluid_settings_setnum(s, "synth.reverb.level", 0.6);
    return settings;
}

// Note-offs sort before note-ons of the same frame, so a key struck again
// on the frame it is released sounds anew.
std::vector<Event> Events(const Score& score) {
    std::vector<Event> events;
    events.reserve(score.notes.size() * 2);
    for (const ScoreNote& note : score.notes) {
        events.push_back({note.on, true, note.channel, note.key, note.velocity});
        events.push_back({note.off, false, note.channel, note.key, 0});
    }
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.frame != b.frame ? a.frame < b.frame : (!a.on && b.on);
    });
    return events;
}

void SetUpChannels(fluid_synth_t* synth, int font, const Score& score) {
    for (const ChannelSetup& setup : score.channels) {
        fluid_synth_program_select(synth, setup.channel, font, setup.bank, setup.program);
        fluid_synth_cc(synth, setup.channel, 7, setup.volume);
        fluid_synth_cc(synth, setup.channel, 10, setup.pan);
        fluid_synth_cc(synth, setup.channel, 91, setup.reverb);
        fluid_synth_cc(synth, setup.channel, 93, setup.chorus);
        if (setup.releaseCents != 0) {
            fluid_synth_set_gen(synth, setup.channel, GEN_VOLENVRELEASE, static_cast<float>(setup.releaseCents));
        }
    }
}

void Play(fluid_synth_t* synth, const Event& event) {
    if (event.on) fluid_synth_noteon(synth, event.channel, event.key, event.velocity);
    else fluid_synth_noteoff(synth, event.channel, event.key);
}

// Renders frames [from, to) into `out`, in blocks the synthesiser likes.
void Pull(fluid_synth_t* synth, Pcm& out, std::int64_t from, std::int64_t to) {
    constexpr std::int64_t kBlock = 4096;
    for (std::int64_t at = from; at < to; at += kBlock) {
        const int count = static_cast<int>(std::min(kBlock, to - at));
        float* data = out.samples.data() + at * 2;
        fluid_synth_write_float(synth, count, data, 0, 2, data, 1, 2);
    }
}

}  // namespace

void SilenceFluidSynthWarnings() {
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
}

bool RenderScore(const Score& score, const std::string& soundFont, Pcm& out, std::string& error) {
    // One track at a time: FluidSynth fills shared tables when its first
    // synthesiser is made and shares a SoundFont's samples, with their
    // reference counts, between synthesisers, none of it guarded. Two tracks
    // rendered at once on the generator's two threads came out different
    // from one build to the next; effects still render beside a track.
    static std::mutex rendering;
    const std::lock_guard<std::mutex> alone(rendering);
    Settings settings = MakeSettings();
    Synth synth(settings ? new_fluid_synth(settings.get()) : nullptr);
    if (!synth) {
        error = "FluidSynth does not start";
        return false;
    }
    const int font = fluid_synth_sfload(synth.get(), soundFont.c_str(), 1);
    if (font == FLUID_FAILED) {
        error = "the SoundFont " + soundFont + " does not load";
        return false;
    }
    SetUpChannels(synth.get(), font, score);
    out.channels = 2;
    out.samples.assign(static_cast<std::size_t>(score.frames) * 2, 0.0f);
    std::int64_t rendered = 0;
    for (const Event& event : Events(score)) {
        const std::int64_t frame = std::clamp<std::int64_t>(event.frame, 0, score.frames);
        Pull(synth.get(), out, rendered, frame);
        rendered = frame;
        Play(synth.get(), event);
    }
    Pull(synth.get(), out, rendered, score.frames);
    return true;
}

}  // namespace glyphora::soundgen
