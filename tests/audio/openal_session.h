#pragma once
// The real OpenAL Soft, headless: every test process configures it once,
// before it is first loaded, to mix into a WAVE file of its own (the "wave"
// back end), which a test reads after shutting audio down. The back end mixes
// in real time, so what a test plays lands in the file at the moment played.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "game/audio/audio_system.h"
#include "platform/posix/posix_services.h"
#include "sound_fixtures.h"

namespace glyphora::testing {

class OpenAlCapture {
public:
    // The file everything mixed in this process goes to.
    static const std::string& File() {
        static OpenAlCapture capture;
        return capture.wave_;
    }

private:
    OpenAlCapture() {
        folder_ = std::filesystem::temp_directory_path() / ("glyphora-openal-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
        wave_ = (folder_ / "mixed.wav").string();
        const std::string conf = (folder_ / "alsoft.conf").string();
        std::ofstream(conf) << "[general]\ndrivers = wave\nfrequency = 44100\nchannels = stereo\n"
                               "sample-type = float32\nperiod_size = 512\n[wave]\nfile = "
                            << wave_ << "\n";
        setenv("ALSOFT_CONF", conf.c_str(), 1);
        setenv("ALSOFT_DRIVERS", "wave", 1);
    }
    ~OpenAlCapture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::filesystem::path folder_;
    std::string wave_;
};

// An audio system that is up on the wave back end, and the time its device
// started mixing (frame 0 of the capture).
class AudioSession {
public:
    explicit AudioSession(bool withDecoder = true) {
        OpenAlCapture::File();
        audio = MakeAudioSystem(libraries, "");
        result = AudioStartup(*audio, withDecoder);
        started = std::chrono::steady_clock::now();  // the context started the mixer last
    }
    AudioSystem& operator*() { return *audio; }
    AudioSystem* operator->() { return audio.get(); }

    // Shuts audio down (which completes the capture) and reads it.
    Samples Captured() {
        AudioShutdown(*audio);
        return ReadWave(OpenAlCapture::File());
    }
    // The capture frame of now.
    long FrameNow() const {
        const std::chrono::duration<double> since = std::chrono::steady_clock::now() - started;
        return long(since.count() * 44100);
    }
    // Runs the frame's audio update at about 60 frames a second for ms.
    void RunFrames(int ms) {
        RunFramesUntil([] { return false; }, ms);
    }
    // The same until done() holds (true) or ms have passed (false). Waiting for
    // an end rather than for a fixed time keeps a test right when a busy
    // machine makes the mixer late.
    template <typename Done>
    bool RunFramesUntil(Done done, int ms) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < until) {
            UpdateStreams(*audio);
            ReapFinished(*audio);
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(16));
        }
        return false;
    }

    platform::PosixLibraries libraries;
    AudioSystemPtr audio;
    std::chrono::steady_clock::time_point started;
    AudioResult result = kAudioOpenAlError;
};

}  // namespace glyphora::testing
