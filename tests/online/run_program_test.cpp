#include "game/online/run_program.h"

#include <gtest/gtest.h>

#include "game/online/audio_runtime_installer.h"
#include "platform/fake/fake_platform.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

// A program that ends at its endsAtLook-th look (never when 0), counting the
// looks and the time on the fake clock when each was made.
class ScriptedProcesses final : public platform::Processes {
public:
    std::unique_ptr<platform::Process> start(const std::string& program, const std::vector<std::string>& arguments,
                                             const std::string&) override {
        started.push_back(program);
        startedArguments = arguments;
        if (startFails) return nullptr;
        return std::make_unique<Scripted>(*this);
    }

    int endsAtLook = 1;
    bool startFails = false;
    std::vector<std::uint32_t> looks;  // clock ticks
    std::vector<std::string> started;
    std::vector<std::string> startedArguments;
    platform::FakeClock* clock = nullptr;

private:
    class Scripted final : public platform::Process {
    public:
        explicit Scripted(ScriptedProcesses& owner) : owner_(owner) {}
        std::optional<int> wait(std::uint32_t timeoutMs) override {
            EXPECT_EQ(timeoutMs, 0u) << "the wait loop only looks, it never blocks";
            owner_.looks.push_back(owner_.clock->tickCount());
            if (owner_.endsAtLook > 0 && int(owner_.looks.size()) >= owner_.endsAtLook) return 3;
            return std::nullopt;
        }

    private:
        ScriptedProcesses& owner_;
    };
};

struct RunFixture {
    RunFixture() { processes.clock = &clock; }
    ProgramServices services() { return {processes, clock, files}; }
    ScriptedProcesses processes;
    platform::FakeClock clock{0xFFFFFFF0u};  // the tick count wraps during the wait
    platform::FakeFiles files;
};

TEST(RunProgram, LooksEveryFiveMillisecondsUntilTheProgramEnds) {
    for (const int endsAt : {1, 2, 7}) {
        RunFixture run;
        run.processes.endsAtLook = endsAt;
        const RunProgramResult result = RunProgram(run.services(), "/bin/installer", {"-s"}, true, 7500);
        EXPECT_TRUE(result.started);
        EXPECT_TRUE(result.finished);
        EXPECT_EQ(result.exitCode, 3);
        ASSERT_EQ(run.processes.looks.size(), std::size_t(endsAt));
        EXPECT_EQ(run.processes.looks.back() - run.processes.looks.front(), std::uint32_t(5 * (endsAt - 1)));
    }
}

TEST(RunProgram, GivesUpAtTheTimeOutAndLeavesTheProgramRunning) {
    RunFixture run;
    run.processes.endsAtLook = 0;
    const RunProgramResult result = RunProgram(run.services(), "/bin/installer", {}, true, 7500);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.finished);
    EXPECT_EQ(result.exitCode, std::nullopt);
    EXPECT_EQ(run.processes.looks.size(), 7500u / 5 + 1);
    EXPECT_EQ(run.clock.tickCount() - 0xFFFFFFF0u, 7500u);
}

TEST(RunProgram, WithoutWaitReturnsAsSoonAsTheProgramStarted) {
    RunFixture run;
    const RunProgramResult result = RunProgram(run.services(), "/bin/installer", {}, false, 7500);
    EXPECT_TRUE(result.started);
    EXPECT_FALSE(result.finished);
    EXPECT_TRUE(run.processes.looks.empty());
    EXPECT_EQ(run.clock.tickCount(), 0xFFFFFFF0u);
}

TEST(RunProgram, AProgramThatCannotStartGivesFalseAndTheReason) {
    testing::ScratchDir dir;
    RunFixture run;
    run.processes.startFails = true;
    EXPECT_EQ(RunProgram(run.services(), dir.file("missing"), {}, true, 100).error, RunProgramError::ProgramMissing);
    dir.write("not-executable", "text");
    const RunProgramResult result = RunProgram(run.services(), dir.file("not-executable"), {}, true, 100);
    EXPECT_FALSE(result.started);
    EXPECT_EQ(result.error, RunProgramError::CannotStart);
    EXPECT_TRUE(run.processes.looks.empty());
}

TEST(AudioRuntimeInstaller, RunsTheInstallerBesideTheProgramSilentlyAndWaitsSevenAndAHalfSeconds) {
    RunFixture run;
    run.files.programFolder_ = "/games/Glyphora/Data";
    run.processes.endsAtLook = 0;
    EXPECT_TRUE(InstallAudioRuntime(run.services()));
    EXPECT_EQ(run.processes.started, std::vector<std::string>{"/games/Glyphora/Data/OpenAL/install-runtime"});
    EXPECT_EQ(run.processes.startedArguments, (std::vector<std::string>{"-s", "-f"}));
    EXPECT_EQ(run.clock.tickCount() - 0xFFFFFFF0u, kAudioInstallerTimeoutMs);

    RunFixture missing;
    missing.processes.startFails = true;
    EXPECT_FALSE(InstallAudioRuntime(missing.services()));
}

TEST(AudioRuntimeInstaller, OnlyAMissingRuntimeRunsTheInstallerBeforeTheSecondAttempt) {
    const struct {
        std::vector<int> results;  // of the audio start-up's attempts, in order
        bool installed;
        int result;
    } cases[] = {
        {{0}, false, 0}, {{3, 0}, true, 0}, {{3, 3}, true, 3}, {{4}, false, 4}, {{5}, false, 5},
    };
    for (const auto& c : cases) {
        std::size_t attempts = 0;
        bool installed = false;
        const int result =
            StartAudioInstallingRuntime([&] { return c.results.at(attempts++); }, [&] { return installed = true; });
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(installed, c.installed);
        EXPECT_EQ(attempts, c.results.size());
    }
}

}  // namespace
}  // namespace glyphora
