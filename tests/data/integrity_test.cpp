#include "game/data/integrity.h"

#include <gtest/gtest.h>

#include "data_folder.h"
#include "game/data/fresh_installation.h"
#include "game/data/settings_file.h"
#include "game/data/word_list.h"
#include "platform/fake/fake_desktop.h"
#include "platform/fake/fake_files.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

constexpr const char* kSet[] = {"Hashes.txt", "Settings.ini", "WordList.txt", "Scores.txt"};

// A fresh installation of the small fixture word list.
class IntegrityTest : public testing::DataFolderTest {
protected:
    IntegrityTest() { EXPECT_TRUE(WriteFreshInstallation(GLYPHORA_TEST_DATA "/small_wordlist.txt", files)); }
    platform::FakeFiles files;
    platform::FakeDesktop desktop;
};

TEST(FileDigestTest, IsMd5AppliedFiveTimesNotPlainMd5) {
    testing::ScratchDir dir;
    WriteBytes(dir.file("abc"), "abc");
    EXPECT_NE(FileDigest(dir.file("abc")), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(FileDigest(dir.file("abc")), "ca46acbf17545da7b2c1227768d5b8cc");
    EXPECT_EQ(FileDigest(dir.file("missing")), "");
}

TEST_F(IntegrityTest, FreshInstallationIsConsistentAndStoredSwapped) {
    EXPECT_TRUE(CheckDataFiles());
    for (const char* name : kSet) {
        EXPECT_EQ(ReadBytes(std::string("Data/Backup/") + name), ReadBytes(std::string("Data/") + name)) << name;
    }
    EXPECT_EQ(ReadBytes("Data/WordList.txt").substr(0, 4), "\n4OH");
    EXPECT_EQ(ReadBytes("Data/Hashes.txt").size(), 3u * 34u);
    const std::string settings = ReadBytes("Data/Settings.ini");
    for (const char* line : {"first_run=1\r\n", "query_F3=1\r\n", "difficulty=1\r\n", "keys=1010101010\r\n",
                             "start_level=1\r\n", "speed_mod=5\r\n", "chance_mod=5\r\n", "max_lives=5\r\n",
                             "music=7\r\n", "sound=7\r\n", "regcode=12345678901234567890\r\n"}) {
        EXPECT_NE(settings.find(line), std::string::npos) << line;
    }
}

TEST_F(IntegrityTest, HashLinesMustMatchByteForByte) {
    const std::string good = ReadBytes("Data/Hashes.txt");
    std::string upper = good;
    for (std::size_t i = 0; i < 32; ++i) upper[i] = static_cast<char>(std::toupper(upper[i]));
    ASSERT_NE(upper, good);  // the digest holds at least one letter
    struct Case {
        const char* what;
        std::string hashes;
    } cases[] = {
        {"upper case", upper},
        {"blank first line", "\r\n" + good},
        {"long line", std::string(5000, 'a') + "\r\n" + good},
        {"one line only", good.substr(0, 34)},
        {"empty", ""},
    };
    for (const Case& c : cases) {
        WriteBytes("Data/Hashes.txt", c.hashes);
        EXPECT_FALSE(CheckDataFiles()) << c.what;
    }
    WriteBytes("Data/Hashes.txt", good.substr(0, good.size() - 2));  // no final line end
    EXPECT_TRUE(CheckDataFiles());
    std::remove("Data/Hashes.txt");
    EXPECT_FALSE(CheckDataFiles());
    WriteDataFileHashes();
    std::remove("Data/Scores.txt");
    EXPECT_FALSE(CheckDataFiles());
}

TEST_F(IntegrityTest, OneChangedCharacterRestoresTheWholeSetAfterTheMessage) {
    // A good start and a run that changed the settings and shut down cleanly.
    ASSERT_TRUE(SecureDataFiles(files, desktop));
    Settings settings;
    LoadSettings(settings, false, random);
    settings.difficulty = 2;
    SaveSettings(settings);
    WriteDataFileHashes();
    std::string backups[4];
    for (int i = 0; i < 4; ++i) backups[i] = ReadBytes(std::string("Data/Backup/") + kSet[i]);

    std::string edited = ReadBytes("Data/Settings.ini");
    edited[edited.find("difficulty=2") + 11] = '0';
    WriteBytes("Data/Settings.ini", edited);
    files.copies.clear();

    EXPECT_FALSE(SecureDataFiles(files, desktop));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].caption, "Error: Corrupted Files");
    EXPECT_EQ(desktop.boxes[0].text,
              "The data files have been corrupted. The backup files from the last valid start of the game are "
              "loaded.\nThis may result in some settings or high scores lost. We are sorry for the inconvenience.");
    EXPECT_EQ(desktop.boxes[0].style, platform::MessageBoxStyle::Error);
    ASSERT_EQ(files.copies.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(files.copies[i].second, std::string("Data/") + kSet[i]);
        EXPECT_EQ(ReadBytes(std::string("Data/") + kSet[i]), backups[i]) << kSet[i];
    }
    LoadSettings(settings, false, random);
    EXPECT_EQ(settings.difficulty, 1);

    EXPECT_TRUE(SecureDataFiles(files, desktop));
    EXPECT_EQ(desktop.boxes.size(), 1u);
}

TEST_F(IntegrityTest, FailedCopiesAreNotReportedAndAMissingBackupFolderIsMadeAgain) {
    files.failCopies = true;
    WriteBytes("Data/Settings.ini", "garbage");
    EXPECT_FALSE(SecureDataFiles(files, desktop));
    EXPECT_EQ(ReadBytes("Data/Settings.ini"), "garbage");
    files.failCopies = false;
    std::filesystem::remove_all("Data/Backup");
    WriteDataFileHashes();
    EXPECT_TRUE(SecureDataFiles(files, desktop));
    EXPECT_EQ(ReadBytes("Data/Backup/Settings.ini"), "garbage");
}

}  // namespace
}  // namespace glyphora
