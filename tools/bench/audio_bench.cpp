#include "tools/bench/audio_bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "game/audio/audio_system.h"
#include "game/audio/music_streams.h"
#include "platform/posix/posix_services.h"
#include "sound_fixtures.h"
#include "tools/bench/software_game.h"

namespace glyphora::bench {
namespace {

using Clock = std::chrono::steady_clock;

double Microseconds(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    return values[std::size_t(fraction * double(values.size() - 1))];
}

// A scratch folder with a 100 s stereo track and a 20 s effect.
class BenchSounds {
public:
    BenchSounds() : folder_(std::filesystem::temp_directory_path() / "glyphora-bench-audio") {
        std::filesystem::create_directories(folder_);
        Write(track(), testing::OggBytes(testing::Sine(220, 0.2, 100.0, 2)));
        Write(effect(), testing::WaveBytes(testing::Sine(880, 0.1, 20.0)));
    }
    ~BenchSounds() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    BenchSounds(const BenchSounds&) = delete;
    BenchSounds& operator=(const BenchSounds&) = delete;
    std::string track() const { return (folder_ / "Track.ogg").string(); }
    std::string effect() const { return (folder_ / "Effect.wav").string(); }

private:
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::filesystem::path folder_;
};

long ProcessedBuffers(AudioSystem& audio) {
    long processed = 0;
    for (const auto& stream : audio.streams) {
        ALint n = 0;
        audio.al.alGetSourcei(stream->source, AL_BUFFERS_PROCESSED, &n);
        processed += n;
    }
    return processed;
}

// The median cost of the frames' audio update, printed with its details
// when verbose.
double MeasureFrames(AudioSystem& audio, int frames, bool verbose) {
    std::vector<double> all, refills;
    for (int i = 0; i < frames; ++i) {
        const bool refill = ProcessedBuffers(audio) > 0;
        const auto start = Clock::now();
        UpdateStreams(audio);
        ReapFinished(audio);
        const double cost = Microseconds(Clock::now() - start);
        all.push_back(cost);
        if (refill) refills.push_back(cost);
        std::this_thread::sleep_for(std::chrono::microseconds(16667));
    }
    if (!verbose) return Median(all);
    std::printf("audio: update with %zu streams and %zu voices: median %.1f us a frame (goal: under 20 us), "
                "99th percentile %.1f us, over %d frames\n",
                audio.streams.size(), audio.voices.size(), Median(all), Percentile(all, 0.99), frames);
    if (!refills.empty()) {
        std::printf("audio: the %zu frames that refilled a stream (%d ms decoded each): median %.0f us, max %.0f us\n",
                    refills.size(), kMusicBufferMs, Median(refills), *std::max_element(refills.begin(), refills.end()));
    }
    return Median(all);
}

void MeasureJump(AudioSystem& audio, const std::string& track) {
    MusicStreams music;
    const auto start = Clock::now();
    const AudioResult started = RestartMusicAt(audio, music, track, 80000, 1.0f);
    const double ms = Microseconds(Clock::now() - start) / 1000;
    std::printf("audio: starting a track 80 s in: %.1f ms (result %d)\n", ms, started);
    StopAllMusic(audio, music);
}

// Four music streams and eight effect voices playing on OpenAL Soft's null
// output; -1 when audio does not start.
double MeasureBusyAudio(int frames, bool verbose) {
    setenv("ALSOFT_DRIVERS", "null", 0);  // silent unless asked otherwise
    const BenchSounds sounds;
    platform::PosixLibraries libraries;
    AudioSystemPtr audio = MakeAudioSystem(libraries, "");
    if (const AudioResult up = AudioStartup(*audio, true); up != kAudioSuccess) {
        std::fprintf(stderr, "glyphora-bench: audio did not start (%d)\n", up);
        return -1;
    }
    SoundId effect = -1;
    CreateSound(*audio, sounds.effect(), &effect, 0);
    for (int i = 0; i < 4; ++i) OpenStream(*audio, sounds.track(), 0, kMusicBufferCount, kMusicBufferMs, 0, nullptr);
    for (int i = 0; i < 8; ++i) StartVoice(*audio, effect, 0, nullptr);
    const double median = MeasureFrames(*audio, frames, verbose);
    if (verbose) MeasureJump(*audio, sounds.track());
    AudioShutdown(*audio);
    return median;
}

}  // namespace

void MeasureAudio(int frames) { MeasureBusyAudio(frames, true); }

double AudioUpdateMedian(int frames) { return MeasureBusyAudio(frames, false); }

}  // namespace glyphora::bench
