// A game ended without its shutdown (killed, or by the end of its X session)
// right after or during a save: the next start must find the data files and
// their hashes consistent, keeping everything saved.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "common/data_file.h"
#include "data_folder.h"
#include "game/data/fresh_installation.h"
#include "game/data/integrity.h"
#include "game/data/score_file.h"
#include "game/data/settings_file.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_files.h"

namespace glyphora {
namespace {

class CrashRecoveryTest : public testing::DataFolderTest {
protected:
    // The data part of one start: the integrity step, then the reads.
    bool Start() {
        bool clean = SecureDataFiles(files, desktop);
        LoadSettings(settings, true, random);
        LoadSettings(settings, false, random);
        LoadScores(table, store);
        return clean;
    }
    void CleanShutdown() { SaveDataFiles(settings, table, store, random); }
    void Insert(const char* name, int score) {
        std::string typed = name;
        ASSERT_EQ(InsertEntry(table, store, 1, RankFor(store, 1, score, false), typed, {score, 2, 0, 0, 0, 0}),
                  InsertResult::kStored);
    }

    platform::FakeFiles files;
    platform::FakeDesktop desktop;
    Settings settings;
    ScoreTable table;
    ScoreStore store;
};

// A child process saves as the running game does and is killed at once, as
// a logout or a crash would end the game: nothing of the shutdown runs.
template <typename Save>
void KilledRightAfter(Save save) {
    pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        save();
        raise(SIGKILL);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

TEST_F(CrashRecoveryTest, AGameKilledAfterAMidSessionSaveKeepsWhatItSaved) {
    ASSERT_TRUE(WriteFreshInstallation(GLYPHORA_TEST_DATA "/small_wordlist.txt", files));
    ASSERT_TRUE(Start());
    Insert("First", 100);
    settings.difficulty = 2;
    KilledRightAfter([&] {
        SaveSettingsAndHashes(settings);
        SaveScoresAndHashes(table, store, random);
    });

    table = {};
    store = ScoreStore();
    settings = Settings{};
    EXPECT_TRUE(Start());
    EXPECT_TRUE(desktop.boxes.empty()) << "no corruption report";
    EXPECT_EQ(table.at(1, 1).name, "First");
    EXPECT_EQ(store.score(1, 1), 100);
    EXPECT_EQ(settings.difficulty, 2);
}

// Killed while the new table was half written: the file it was to replace is
// still whole, so the next start finds everything consistent.
TEST_F(CrashRecoveryTest, AGameKilledWhileSavingLeavesThePreviousFileWhole) {
    ASSERT_TRUE(WriteFreshInstallation(GLYPHORA_TEST_DATA "/small_wordlist.txt", files));
    ASSERT_TRUE(Start());
    Insert("First", 100);
    ASSERT_EQ(SaveScoresAndHashes(table, store, random), "");
    Insert("Second", 200);
    KilledRightAfter([&] {
        DataFile file;
        file.openReplacing("Data/Scores.txt", "wb");
        file.writeString(StoredScores(table, store, random).substr(0, 100));
        std::fflush(nullptr);
    });

    table = {};
    store = ScoreStore();
    EXPECT_TRUE(Start());
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(table.at(1, 1).name, "First");
    EXPECT_EQ(table.at(1, 2).name, "");
    CleanShutdown();
    EXPECT_FALSE(std::filesystem::exists("Data/Scores.txt.new"));
}

}  // namespace
}  // namespace glyphora
