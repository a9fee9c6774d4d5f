// A game killed while it saves its score table, between writing the plain
// form and swapping it into the stored form, must be repaired by the next
// start, losing nothing older than the last good start.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

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
        LoadSettings(settings, true);
        LoadSettings(settings, false);
        LoadScores(table, store);
        return clean;
    }
    void CleanShutdown() { SaveDataFiles(settings, table, store); }
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

TEST_F(CrashRecoveryTest, KilledBetweenWriteAndSwapIsRepairedAtTheNextStart) {
    ASSERT_TRUE(WriteFreshInstallation(GLYPHORA_TEST_DATA "/small_wordlist.txt", files));
    ASSERT_TRUE(Start());
    Insert("First", 100);
    CleanShutdown();
    ASSERT_TRUE(Start());  // the last good start: its backups hold "First"
    Insert("Second", 200);

    pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        SaveSettings(settings);
        WritePlainScores(table, store);
        raise(SIGKILL);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    // The table was left in its plain form: Medium's first name (record 5)
    // at even offsets.
    const std::string left = testing::ReadBytes("Data/Scores.txt");
    ASSERT_EQ(left.size(), 960u);
    EXPECT_EQ(left[5 * 64], 'S');
    EXPECT_EQ(left[5 * 64 + 2], 'e');

    table = {};
    store = ScoreStore();
    EXPECT_FALSE(Start());
    EXPECT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(table.at(1, 1).name, "First");
    EXPECT_EQ(store.score(1, 1), 100);
    EXPECT_EQ(table.at(1, 2).name, "");
    EXPECT_FALSE(settings.firstRun);
    EXPECT_TRUE(CheckDataFiles());
    CleanShutdown();
    EXPECT_TRUE(Start());
    EXPECT_EQ(desktop.boxes.size(), 1u);
}

}  // namespace
}  // namespace glyphora
