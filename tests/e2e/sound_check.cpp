// glyphora-soundcheck CAPTURE EFFECTS EVENTS: checks what a scripted session
// sounded like. CAPTURE is the WAVE file OpenAL Soft's wave back end wrote for
// the whole session; EFFECTS a folder of the effects as plain WAVE files
// (<Name>.wav); EVENTS one line per scripted moment, "<epoch seconds> <what>":
//   <Name>[|<Name>...]  one of these effects starts here
//   anchor <Name>       this effect, heard once in the whole session, starts
//                       here: it ties the script's clock to the capture's
//   within <s> <Name>[|<Name>...]  one of these starts in the next s seconds
//                       (for sounds the game times itself, as the intro's)
//   level <label>       the music's level is measured over the next 1.5 s
//   silence             nothing at all is heard over the next 1.5 s
// and then the rules on the levels that the session's labels name:
//   music-7 loud, music-4 about 4/7 of it, music-0 silent, music-7-again loud.
// Prints every finding; exit code 1 when any check fails.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "sound_fixtures.h"

namespace {

using glyphora::testing::ReadWave;
using glyphora::testing::Samples;

constexpr int kRate = 44100;
constexpr std::size_t kTemplateFrames = 2048;       // 46 ms of an effect's onset
constexpr double kMatchNeeded = 0.5;                // correlation of an onset over the music
constexpr double kEarly = 0.15, kLate = 0.15;       // s around a scripted moment; keys come 0.18 s apart
constexpr double kAnchorSearch = 600;               // s of capture where the anchor is looked for
constexpr double kLevelFrom = 0.3, kLevelTo = 1.8;  // s after a level mark

int failures = 0;

void Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    if (!ok) ++failures;
}

std::vector<float> Mono(const Samples& s) {
    std::vector<float> mono(std::size_t(s.frames()));
    for (long f = 0; f < s.frames(); ++f) {
        float sum = 0;
        for (int c = 0; c < s.channels; ++c) sum += s.at(f, c);
        mono[std::size_t(f)] = sum / float(s.channels);
    }
    return mono;
}

// The effect's first kTemplateFrames from where it becomes audible.
std::vector<float> Onset(const std::vector<float>& effect) {
    float peak = 0;
    for (float v : effect) peak = std::max(peak, std::fabs(v));
    std::size_t start = 0;
    while (start < effect.size() && std::fabs(effect[start]) < 0.05f * peak) ++start;
    const std::size_t end = std::min(effect.size(), start + kTemplateFrames);
    return {effect.begin() + long(start), effect.begin() + long(end)};
}

struct Match {
    double score = -1;
    long frame = -1;
};

// The best normalised correlation of the template within mix[from, to).
Match BestMatch(const std::vector<float>& mix, const std::vector<float>& tmpl, long from, long to) {
    double tmplEnergy = 0;
    for (float v : tmpl) tmplEnergy += double(v) * v;
    const long n = long(tmpl.size());
    from = std::max(0L, from);
    to = std::min(long(mix.size()) - n, to);
    Match best;
    if (to <= from || tmplEnergy <= 0) return best;
    double energy = 0;
    for (long i = from; i < from + n; ++i) energy += double(mix[std::size_t(i)]) * mix[std::size_t(i)];
    for (long lag = from; lag < to; ++lag) {
        float dot = 0;
        for (long i = 0; i < n; ++i) dot += mix[std::size_t(lag + i)] * tmpl[std::size_t(i)];
        if (energy > 1e-9) {
            const double score = dot / std::sqrt(energy * tmplEnergy);
            if (score > best.score) best = {score, lag};
        }
        const double out = mix[std::size_t(lag)], in = mix[std::size_t(lag + n)];
        energy += in * in - out * out;
    }
    return best;
}

double Rms(const std::vector<float>& mix, long from, long to) {
    from = std::max(0L, from);
    to = std::min(long(mix.size()), to);
    if (to <= from) return -1;
    double sum = 0;
    for (long i = from; i < to; ++i) sum += double(mix[std::size_t(i)]) * mix[std::size_t(i)];
    return std::sqrt(sum / double(to - from));
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

struct Event {
    double time;
    std::string what;
};

std::vector<Event> ReadEvents(const std::string& path) {
    std::vector<Event> events;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        Event e;
        if (fields >> e.time && std::getline(fields >> std::ws, e.what)) events.push_back(e);
    }
    return events;
}

class Session {
public:
    Session(const std::string& capture, const std::string& effects)
        : mix_(Mono(ReadWave(capture))), effects_(effects) {}
    bool empty() const { return mix_.empty(); }

    const std::vector<float>& onset(const std::string& name) {
        auto found = onsets_.find(name);
        if (found == onsets_.end())
            found = onsets_.emplace(name, Onset(Mono(ReadWave(effects_ + "/" + name + ".wav")))).first;
        return found->second;
    }
    // Ties the script's clock to the capture's at the first effect.
    bool anchor(const Event& first) {
        const Match m = BestMatch(mix_, onset(first.what), 0, long(kAnchorSearch * kRate));
        offset_ = double(m.frame) / kRate - first.time;
        Check(m.score >= kMatchNeeded, Describe(first, m, first.what));
        return m.score >= kMatchNeeded;
    }
    // One of the names starts from kEarly before the moment to kLate after
    // it, or to `within` seconds after it when given.
    void effect(const Event& e, const std::string& names, double within = kLate) {
        const long at = frameAt(e.time);
        Match best;
        std::string which;
        for (const std::string& name : Split(names, '|')) {
            const Match m = BestMatch(mix_, onset(name), at - long(kEarly * kRate), at + long(within * kRate));
            if (m.score > best.score) best = m, which = name;
        }
        Check(best.score >= kMatchNeeded, Describe(e, best, which));
    }
    double level(double time) { return Rms(mix_, frameAt(time + kLevelFrom), frameAt(time + kLevelTo)); }

private:
    long frameAt(double time) const { return long((time + offset_) * kRate); }
    std::string Describe(const Event& e, const Match& m, const std::string& which) const {
        char text[200];
        std::snprintf(text, sizeof text, "%-28s at %7.2f s: best %s, correlation %.2f, %+4.0f ms from the key",
                      e.what.c_str(), e.time + offset_, which.c_str(), m.score,
                      (double(m.frame) / kRate - (e.time + offset_)) * 1000);
        return text;
    }

    std::vector<float> mix_;
    std::string effects_;
    std::map<std::string, std::vector<float>> onsets_;
    double offset_ = 0;  // capture time = script time + offset
};

void CheckLevels(const std::map<std::string, double>& levels) {
    const auto get = [&](const char* label) {
        const auto found = levels.find(label);
        return found == levels.end() ? -1.0 : found->second;
    };
    const double full = get("music-7"), lower = get("music-4"), none = get("music-0"), again = get("music-7-again");
    for (const auto& [label, rms] : levels) std::printf("     level %-14s RMS %.5f\n", label.c_str(), rms);
    Check(full > 0.01, "music plays during the run");
    Check(lower > 0 && lower / full > 0.3 && lower / full < 0.85, "three steps down (F5) lower the music to about 4/7");
    Check(none >= 0 && none < 1e-4, "the music at 0 is silent");
    Check(again > 0.01 && again / full > 0.6, "seven steps up (F6) bring it back");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: glyphora-soundcheck CAPTURE EFFECTS EVENTS\n");
        return 2;
    }
    Session session(argv[1], argv[2]);
    const std::vector<Event> events = ReadEvents(argv[3]);
    if (session.empty() || events.empty()) {
        std::fprintf(stderr, "glyphora-soundcheck: no capture or no events\n");
        return 1;
    }
    std::printf("capture: %s\n", argv[1]);
    const auto anchor =
        std::find_if(events.begin(), events.end(), [](const Event& e) { return e.what.rfind("anchor ", 0) == 0; });
    if (anchor == events.end() || !session.anchor({anchor->time, anchor->what.substr(7)})) return 1;
    std::map<std::string, double> levels;
    for (const Event& e : events) {
        if (e.what.rfind("anchor ", 0) == 0) {
            continue;
        } else if (e.what.rfind("level ", 0) == 0) {
            levels[e.what.substr(6)] = session.level(e.time);
        } else if (e.what == "silence") {
            const double rms = session.level(e.time);
            Check(rms >= 0 && rms < 1e-5, "silence while paused (RMS " + std::to_string(rms) + ")");
        } else if (e.what.rfind("within ", 0) == 0) {
            std::istringstream fields(e.what.substr(7));
            double seconds = 0;
            std::string names;
            fields >> seconds >> names;
            session.effect(e, names, seconds);
        } else {
            session.effect(e, e.what);
        }
    }
    CheckLevels(levels);
    return failures == 0 ? 0 : 1;
}
