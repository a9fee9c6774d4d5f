#include "launcher/launcher_flow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "launcher/check_record.h"
#include "launcher_fakes.h"
#include "platform/fake/fake_platform.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using platform::MessageBoxAnswer;
using platform::MessageBoxStyle;
using testing::ScriptedProvider;
using testing::ScriptedSystemFiles;

constexpr const char* kSufficient = "[DirectX]\r\nInstalled=1";
constexpr const char* kTooOld = "[DirectX]\r\nInstalled=0";

// A launcher folder with Data/Data/ and the fakes around the decision.
class Launcher {
public:
    Launcher() { std::filesystem::create_directories(folder.path() / "Data" / "Data"); }

    int run() {
        LauncherServices services{platform.desktop, platform.shell, platform.processes,
                                  provider,         files,          folder.path().string()};
        return RunLauncher(services);
    }
    std::string recordPath() const { return CheckRecordPath(folder.path().string()); }
    std::optional<std::string> record() const {
        if (!std::filesystem::exists(recordPath())) return std::nullopt;
        return testing::ReadBytes(recordPath());
    }
    bool gameStarted() const { return !platform.processes.started.empty(); }

    testing::ScratchDir folder;
    platform::FakePlatform platform;
    ScriptedProvider provider;
    ScriptedSystemFiles files;
};

struct FlowCase {
    const char* what;
    std::optional<std::string> recordBefore;  // nothing: no record file
    CheckResult providerResult;
    int major, minor;
    char letter;
    std::map<std::string, FileVersion> systemFiles;
    MessageBoxAnswer answer;
    // What the launcher did:
    bool checked;
    std::optional<std::string> recordAfter;
    bool asked;
    bool pageOpened;
    bool started;
};

// clang-format off
const FlowCase kFlowCases[] = {
    {"a record of 1 starts the game at once", kSufficient, CheckResult::Ok, 8, 1, ' ', {}, MessageBoxAnswer::Yes,
     false, kSufficient, false, false, true},
    {"a record of 7 starts it too, unrewritten", "[DirectX]\nInstalled=7\n", CheckResult::Ok, 8, 1, ' ', {},
     MessageBoxAnswer::Yes, false, "[DirectX]\nInstalled=7\n", false, false, true},
    {"a record of abc runs the check", "[DirectX]\r\nInstalled=abc", CheckResult::Ok, 9, 0, 'c', {},
     MessageBoxAnswer::Yes, true, kSufficient, false, false, true},
    {"no record runs the check", std::nullopt, CheckResult::Ok, 9, 0, 'c', {}, MessageBoxAnswer::Yes, true,
     kSufficient, false, false, true},
    {"a record of 1x counts as 1", "[DirectX]\r\nInstalled=1x", CheckResult::Ok, 8, 1, ' ', {},
     MessageBoxAnswer::Yes, false, "[DirectX]\r\nInstalled=1x", false, false, true},
    {"provider 8.1, answer Yes: the page, no game", std::nullopt, CheckResult::Ok, 8, 1, ' ', {},
     MessageBoxAnswer::Yes, true, kTooOld, true, true, false},
    {"provider 8.1, answer No: nothing", kTooOld, CheckResult::Ok, 8, 1, ' ', {}, MessageBoxAnswer::No, true,
     kTooOld, true, false, false},
    {"provider failing, d3d9.dll present: 9.0", std::nullopt, CheckResult::Failed, 0, 0, ' ',
     {{"d3d9.dll", MakeFileVersion(5, 3, 2600, 2180)}}, MessageBoxAnswer::Yes, true, kSufficient, false, false,
     true},
    {"provider failing, dpnet 5.2.3677.134: 8.2", std::nullopt, CheckResult::Failed, 0, 0, ' ',
     {{"dpnet.dll", MakeFileVersion(5, 2, 3677, 134)}}, MessageBoxAnswer::No, true, kTooOld, true, false, false},
    {"provider failing, no files: 0", std::nullopt, CheckResult::Failed, 0, 0, ' ', {}, MessageBoxAnswer::No,
     true, kTooOld, true, false, false},
};
// clang-format on

TEST(LauncherFlow, DecidesFromTheRecordTheProviderAndTheProbes) {
    for (const FlowCase& c : kFlowCases) {
        SCOPED_TRACE(c.what);
        Launcher launcher;
        if (c.recordBefore) testing::WriteBytes(launcher.recordPath(), *c.recordBefore);
        launcher.provider = ScriptedProvider::Answering(c.major, c.minor, c.letter);
        launcher.provider.result = c.providerResult;
        launcher.files.versions = c.systemFiles;
        launcher.platform.desktop.answer = c.answer;

        EXPECT_EQ(launcher.run(), 0);
        EXPECT_EQ(launcher.provider.queries > 0, c.checked);
        EXPECT_EQ(launcher.record(), c.recordAfter);
        ASSERT_EQ(launcher.platform.desktop.boxes.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(launcher.platform.desktop.boxes[0].caption, "DirectX Update");
            EXPECT_EQ(launcher.platform.desktop.boxes[0].text, kDirectXQuestion);
            EXPECT_EQ(launcher.platform.desktop.boxes[0].style, MessageBoxStyle::YesNoQuestion);
        }
        const std::vector<std::string> page{launcher.folder.file("Manual/Graphics.html")};
        EXPECT_EQ(launcher.platform.shell.opened, c.pageOpened ? page : std::vector<std::string>{});
        EXPECT_EQ(launcher.gameStarted(), c.started);
    }
}

TEST(LauncherFlow, StartsTheGameInItsDataFolder) {
    Launcher launcher;
    testing::WriteBytes(launcher.recordPath(), kSufficient);
    EXPECT_EQ(launcher.run(), 0);
    ASSERT_EQ(launcher.platform.processes.started.size(), 1u);
    const auto& started = launcher.platform.processes.started[0];
    EXPECT_EQ(started.program, launcher.folder.file("Data/Game"));
    EXPECT_TRUE(started.arguments.empty());
    EXPECT_EQ(started.workingFolder, launcher.folder.file("Data"));
}

TEST(LauncherFlow, AGameThatCannotBeStartedIsReportedAndEndsWithAFailure) {
    for (const bool checked : {false, true}) {
        Launcher launcher;
        if (!checked) testing::WriteBytes(launcher.recordPath(), kSufficient);
        launcher.platform.processes.startFails = true;
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(launcher.run(), 1);
        const std::string errors = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(errors.find("cannot start the game: " + launcher.folder.file("Data/Game")), std::string::npos);
        ASSERT_EQ(launcher.platform.desktop.boxes.size(), 1u);
        EXPECT_EQ(launcher.platform.desktop.boxes[0].style, MessageBoxStyle::Error);
        EXPECT_NE(launcher.platform.desktop.boxes[0].text.find(launcher.folder.file("Data/Game")), std::string::npos);
        EXPECT_EQ(launcher.record(), kSufficient);
    }
}

TEST(LauncherFlow, AGameThatTheSystemCannotLoadCountsAsNotStarted) {
    Launcher launcher;
    testing::WriteBytes(launcher.recordPath(), kSufficient);
    launcher.platform.processes.exitCode = 127;  // what the dynamic loader exits with
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(launcher.run(), 1);
    ::testing::internal::GetCapturedStderr();
    launcher.platform.processes.exitCode = std::nullopt;  // still running: started
    EXPECT_EQ(launcher.run(), 0);
}

TEST(LauncherFlow, ARecordThatCannotBeWrittenDoesNotStopTheGame) {
    Launcher launcher;
    std::filesystem::remove_all(launcher.folder.path() / "Data" / "Data");
    EXPECT_EQ(launcher.run(), 0);
    EXPECT_TRUE(launcher.gameStarted());
    EXPECT_EQ(launcher.record(), std::nullopt);
}

}  // namespace
}  // namespace glyphora
