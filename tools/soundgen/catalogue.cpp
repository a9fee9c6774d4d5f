#include "tools/soundgen/catalogue.h"

#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

#include "tools/soundgen/effects.h"
#include "tools/soundgen/fluid_render.h"
#include "tools/soundgen/music.h"
#include "tools/soundgen/ogg_writer.h"

namespace glyphora::soundgen {

namespace {

namespace fs = std::filesystem;

// Effects are short and heard close up: a little more quality costs nothing.
constexpr float kEffectQuality = 0.5f;
constexpr float kMusicQuality = 0.4f;

std::string TrackFile(const TrackDesign& design) { return std::string(design.name) + ".ogg"; }

bool Wanted(const std::set<std::string>& wanted, const std::string& name) {
    return wanted.empty() || wanted.count(name) != 0;
}

// Encodes one finished sound; the reason when it cannot be written.
std::string Write(const Pcm& pcm, float quality, const std::string& name, const fs::path& path) {
    const OggOptions options{.quality = quality, .serial = SerialFor(name), .title = fs::path(name).stem().string()};
    return WriteOggVorbis(pcm, options, path.string()) ? "" : "cannot write " + path.string();
}

// A file to make; returns why it could not be made, or nothing.
using Job = std::function<std::string()>;

// Runs the jobs on up to two threads (each file is made on its own, so the
// order does not change a byte) and returns their results in job order.
std::vector<std::string> RunJobs(const std::vector<Job>& jobs) {
    std::vector<std::string> results(jobs.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) results[i] = jobs[i]();
    };
    const unsigned helpers = std::thread::hardware_concurrency() > 1 ? 1 : 0;
    std::vector<std::thread> threads;
    for (unsigned i = 0; i < helpers; ++i) threads.emplace_back(work);
    work();
    for (std::thread& thread : threads) thread.join();
    return results;
}

bool MakeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (!error) return true;
    std::fprintf(stderr, "soundgen: cannot create %s\n", folder.string().c_str());
    return false;
}

}  // namespace

bool IsCatalogued(const std::string& name) {
    for (const EffectDesign& effect : Effects()) {
        if (name == effect.file) return true;
    }
    for (const TrackDesign& track : Tracks()) {
        if (name == TrackFile(track)) return true;
    }
    return false;
}

bool WriteCatalogue(const fs::path& outDir, const std::set<std::string>& wanted, const std::string& soundFont) {
    if (!MakeFolder(outDir / "Sounds") || !MakeFolder(outDir / "Music")) return false;
    std::vector<Job> jobs;
    for (const TrackDesign& track : Tracks()) {
        const std::string file = TrackFile(track);
        if (!Wanted(wanted, file)) continue;
        jobs.push_back([&track, file, &outDir, &soundFont] {
            Pcm pcm;
            std::string error;
            if (!RenderTrack(track, soundFont, pcm, error)) return file + ": " + error;
            return Write(pcm, kMusicQuality, file, outDir / "Music" / file);
        });
    }
    for (const EffectDesign& effect : Effects()) {
        if (!Wanted(wanted, effect.file)) continue;
        jobs.push_back([&effect, &outDir] {
            return Write(RenderEffect(effect), kEffectQuality, effect.file, outDir / "Sounds" / effect.file);
        });
    }
    SilenceFluidSynthWarnings();
    bool ok = true;
    for (const std::string& error : RunJobs(jobs)) {
        if (error.empty()) continue;
        std::fprintf(stderr, "soundgen: %s\n", error.c_str());
        ok = false;
    }
    return ok;
}

}  // namespace glyphora::soundgen
