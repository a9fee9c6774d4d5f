#include "game/data/settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "data_folder.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class SettingsTest : public testing::DataFolderTest {};

Settings Sample() {
    Settings s;
    s.windowX = -12;
    s.windowY = 345;
    s.queryF3 = false;
    s.difficulty = 2;
    s.defaultName = "Ada Lovelace";
    s.freeGameKeys[0][1] = true;
    s.freeGameKeys[3][0] = true;
    s.startLevel = 3;
    s.speedMod = 10;
    s.chanceMod = 1;
    s.maxLives = 8;
    s.musicVolume = 0;
    s.soundVolume = 10;
    s.regcode = "ABCDEFGHIJ0123456789";
    s.groups[0] = "Typists";
    s.groups[4] = "a = b ; c [d]";
    return s;
}

void ExpectSame(const Settings& a, const Settings& b) {
    EXPECT_EQ(a.windowX, b.windowX);
    EXPECT_EQ(a.windowY, b.windowY);
    EXPECT_EQ(a.queryF3, b.queryF3);
    EXPECT_EQ(a.difficulty, b.difficulty);
    EXPECT_EQ(a.defaultName, b.defaultName);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(a.freeGameKeys[row][0], b.freeGameKeys[row][0]) << row;
        EXPECT_EQ(a.freeGameKeys[row][1], b.freeGameKeys[row][1]) << row;
    }
    EXPECT_EQ(a.startLevel, b.startLevel);
    EXPECT_EQ(a.speedMod, b.speedMod);
    EXPECT_EQ(a.chanceMod, b.chanceMod);
    EXPECT_EQ(a.maxLives, b.maxLives);
    EXPECT_EQ(a.musicVolume, b.musicVolume);
    EXPECT_EQ(a.soundVolume, b.soundVolume);
    EXPECT_EQ(a.regcode, b.regcode);
    for (int n = 0; n < 5; ++n) EXPECT_EQ(a.groups[n], b.groups[n]) << n;
}

TEST_F(SettingsTest, SaveWritesTheExactBytesAndReadsBackToTheSameSettings) {
    SaveSettings(Sample());
    EXPECT_EQ(ReadBytes("Data/Settings.ini"),
              "[windowpos]\r\nx=-12\r\ny=345\r\n\r\n"
              "[options]\r\nfirst_run=0\r\nquery_F3=0\r\ndifficulty=2\r\ndefault_name=Ada Lovelace\r\n\r\n"
              "[free_game]\r\nkeys=0100001000\r\nstart_level=3\r\nspeed_mod=10\r\nchance_mod=1\r\nmax_lives=8\r\n\r\n"
              "[volume]\r\nmusic=0\r\nsound=10\r\n\r\n"
              "[regcode]\r\nregcode=ABCDEFGHIJ0123456789\r\n\r\n"
              "[groups]\r\n0=Typists\r\n1=\r\n2=\r\n3=\r\n4=a = b ; c [d]\r\n\r\n");
    Settings read;
    LoadSettings(read, true, random);
    EXPECT_FALSE(read.firstRun);
    LoadSettings(read, false, random);
    ExpectSame(read, Sample());
}

TEST_F(SettingsTest, PlaceholderIdentifierIsReplacedAndWrittenAtTheNextSave) {
    Settings fresh = Sample();
    fresh.regcode = "12345678901234567890";
    SaveSettings(fresh);
    random.reseed(7);
    Settings read;
    LoadSettings(read, false, random);
    ASSERT_EQ(read.regcode.size(), 20u);
    EXPECT_NE(read.regcode, "12345678901234567890");
    EXPECT_EQ(read.regcode.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos);
    SaveSettings(read);
    EXPECT_NE(ReadBytes("Data/Settings.ini").find("regcode=" + read.regcode + "\r\n"), std::string::npos);

    for (const char* kept : {"12345", "1234567890123456789X"}) {
        fresh.regcode = kept;
        SaveSettings(fresh);
        LoadSettings(read, false, random);
        EXPECT_EQ(read.regcode, kept);
    }
}

TEST_F(SettingsTest, FirstPassPlacesTheWindow) {
    constexpr platform::Size kSmall{1024, 768}, kLarge{3840, 2160};
    struct Case {
        const char* file;
        platform::Size screen;
        platform::Point expected;
    } cases[] = {
        {"[options]\nfirst_run=1\n[windowpos]\nx=5\ny=5\n", kSmall, {162, 106}},
        {"[windowpos]\nx=900\ny=5\n", kSmall, {100, 100}},
        {"[windowpos]\nx=5\ny=-101\n", kSmall, {100, 100}},
        {"[windowpos]\nx=-500\ny=20\n", kSmall, {100, 100}},
        {"[windowpos]\nx=-100\ny=800\n", kSmall, {-100, 800}},
        {"[options]\nfirst_run=2\n[windowpos]\nx=300\ny=200\n", kSmall, {300, 200}},
        // A large screen: the limits grow with it (800 + 2816, 800 + 1392).
        {"[windowpos]\nx=870\ny=1200\n", kLarge, {870, 1200}},
        {"[windowpos]\nx=3616\ny=2192\n", kLarge, {3616, 2192}},
        {"[windowpos]\nx=3617\ny=5\n", kLarge, {100, 100}},
        {"[windowpos]\nx=-101\ny=5\n", kLarge, {100, 100}},
    };
    for (const Case& c : cases) {
        WriteBytes("Data/Settings.ini", c.file);
        Settings read;
        LoadSettings(read, true, random);
        EXPECT_EQ(WindowPositionFromSettings(read, c.screen), c.expected) << c.file;
    }
}

TEST_F(SettingsTest, MissingOrShortValuesReadAsEmptyAndCutToTheirHolders) {
    WriteBytes("Data/Settings.ini", "[options]\ndefault_name=A name far longer than fifteen\n[free_game]\nkeys=1010\n"
                                    "[groups]\n2=twenty-one characters\n");
    Settings read = Sample();
    LoadSettings(read, false, random);
    EXPECT_EQ(read.defaultName, "A name far long");
    EXPECT_EQ(read.groups[2], "twenty-one character");
    EXPECT_EQ(read.groups[0], "");
    EXPECT_EQ(read.regcode, "");
    EXPECT_EQ(read.difficulty, 0);
    EXPECT_EQ(read.musicVolume, 0);
    EXPECT_TRUE(read.freeGameKeys[0][0] && read.freeGameKeys[1][0]);
    EXPECT_FALSE(read.freeGameKeys[0][1] || read.freeGameKeys[2][0] || read.freeGameKeys[4][0]);
}

}  // namespace
}  // namespace glyphora
