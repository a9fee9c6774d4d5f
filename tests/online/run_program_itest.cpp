// RunProgram and the links against real programs and a recording browser.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <thread>

#include "game/online/external_links.h"
#include "game/online/run_program.h"
#include "platform/fake/fake_files.h"
#include "platform/posix/posix_services.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using SteadyClock = std::chrono::steady_clock;

double MillisecondsSince(SteadyClock::time_point start) {
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - start).count();
}

// Waits up to two seconds for a file to appear.
bool Appears(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        if (std::filesystem::exists(path)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

struct RealServices {
    ProgramServices get() { return {processes, clock, files}; }
    platform::PosixProcesses processes;
    platform::SystemClock clock;
    platform::PosixFiles files;
};

TEST(RunProgramReal, AProgramThatExitsAtOnceIsSeenWithinAboutOnePoll) {
    RealServices services;
    // The median of several runs: the machine is shared, one run may be slow.
    std::vector<double> times;
    for (int run = 0; run < 9; ++run) {
        const auto start = SteadyClock::now();
        const RunProgramResult result = RunProgram(services.get(), "/bin/true", {}, true, 7500);
        times.push_back(MillisecondsSince(start));
        ASSERT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, 0);
    }
    std::sort(times.begin(), times.end());
    std::printf("a program that exits at once: seen after %.1f ms (median of 9)\n", times[4]);
    // The start of the program and one 5 ms poll (the fake-clock tests pin
    // the poll down); the margin is for a machine shared with busy builds.
    EXPECT_LT(times[4], 60.0);
}

TEST(RunProgramReal, WithoutWaitReturnsAtOnceAndTheProgramRunsOn) {
    testing::ScratchDir dir;
    RealServices services;
    const std::string marker = dir.file("ran");
    const auto start = SteadyClock::now();
    const RunProgramResult result =
        RunProgram(services.get(), "/bin/sh", {"-c", "sleep 0.2; touch '" + marker + "'"}, false, 7500);
    EXPECT_LT(MillisecondsSince(start), 50.0);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.finished);
    EXPECT_FALSE(std::filesystem::exists(marker));
    EXPECT_TRUE(Appears(marker));
}

TEST(RunProgramReal, AProgramThatOutlivesTheTimeOutKeepsRunning) {
    testing::ScratchDir dir;
    RealServices services;
    const std::string marker = dir.file("ran");
    const auto start = SteadyClock::now();
    const RunProgramResult result =
        RunProgram(services.get(), "/bin/sh", {"-c", "sleep 0.4; touch '" + marker + "'"}, true, 100);
    const double waited = MillisecondsSince(start);
    // The wait is counted in the clock's whole milliseconds, so its end may
    // fall a fraction of one before 100 ms of steady time.
    EXPECT_GE(waited, 99.0);
    EXPECT_LT(waited, 300.0);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.finished);
    EXPECT_TRUE(Appears(marker)) << "the program was stopped at the time-out";
}

TEST(RunProgramReal, AMissingProgramReturnsFalseWithAnError) {
    testing::ScratchDir dir;
    RealServices services;
    const RunProgramResult result = RunProgram(services.get(), dir.file("OpenAL/install-runtime"), {"-s"}, true, 100);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, RunProgramError::ProgramMissing);
}

// A browser that appends each target it is given to opened.txt.
class RecordingBrowser {
public:
    RecordingBrowser() {
        dir_.write("browser.sh", "#!/bin/sh\necho \"$1\" >> '" + dir_.file("opened.txt") + "'\n");
        std::filesystem::permissions(dir_.file("browser.sh"), std::filesystem::perms::owner_all);
        setenv("BROWSER", dir_.file("browser.sh").c_str(), 1);
    }
    ~RecordingBrowser() { unsetenv("BROWSER"); }
    RecordingBrowser(const RecordingBrowser&) = delete;
    RecordingBrowser& operator=(const RecordingBrowser&) = delete;

    // The targets opened so far, once count of them have arrived (the
    // openers run side by side, so their order is not fixed).
    std::multiset<std::string> opened(std::size_t count) const {
        std::multiset<std::string> seen;
        for (int i = 0; i < 300; ++i) {
            seen.clear();
            std::istringstream lines(dir_.read("opened.txt"));
            for (std::string line; std::getline(lines, line);) seen.insert(line);
            if (seen.size() >= count) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return seen;
    }

private:
    testing::ScratchDir dir_;
};

TEST(LinksReal, DonationPagesAndTheManualReachTheBrowser) {
    testing::ScratchDir game;
    std::filesystem::create_directories(game.path() / "Data");
    std::filesystem::create_directories(game.path() / "Manual");
    game.write("Manual/Manual.pdf", "%PDF-1.7");
    game.write("Manual/Manual.rtf", "{\\rtf1}");
    platform::FakeFiles files;
    files.programFolder_ = game.file("Data");
    RecordingBrowser browser;
    platform::XdgShell shell;

    OpenDonationPageUsd(shell);
    OpenDonationPageEur(shell);
    OpenManual(shell, files);
    EXPECT_EQ(browser.opened(3), (std::multiset<std::string>{std::string(kMakerSite) + "/donations/usd_from_game",
                                                             std::string(kMakerSite) + "/donations/eur_from_game",
                                                             game.file("Manual/Manual.pdf")}));

    std::filesystem::remove(game.path() / "Manual" / "Manual.pdf");
    OpenManual(shell, files);
    EXPECT_EQ(browser.opened(4).count(game.file("Manual/Manual.rtf")), 1u);
}

}  // namespace
}  // namespace glyphora
