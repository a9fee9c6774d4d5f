#include "launcher/file_versions.h"

#include <gtest/gtest.h>

#include "launcher/directx_version.h"
#include "launcher_fakes.h"

namespace glyphora {
namespace {

using testing::ScriptedProvider;
using testing::ScriptedSystemFiles;

TEST(FileVersions, CompareAsUnsignedSixtyFourBitValues) {
    EXPECT_EQ(CompareFileVersions(MakeFileVersion(4, 8, 0, 400), MakeFileVersion(4, 8, 0, 400)), 0);
    EXPECT_EQ(CompareFileVersions(MakeFileVersion(4, 8, 0, 399), MakeFileVersion(4, 8, 0, 400)), -1);
    EXPECT_EQ(CompareFileVersions(MakeFileVersion(5, 0, 0, 0), MakeFileVersion(4, 0xFFFF, 0xFFFF, 0xFFFF)), 1);
    // The top bit set is a large version, not a negative one.
    EXPECT_EQ(CompareFileVersions(MakeFileVersion(0x8000, 0, 0, 0), MakeFileVersion(1, 0, 0, 0)), 1);
}

TEST(FileVersions, GetFileVersionRefusesAnEmptyPathAndFailsForAFileWithoutVersion) {
    ScriptedSystemFiles files;
    files.versions["d3d9.dll"] = MakeFileVersion(5, 3, 2600, 2180);
    FileVersion version = 7;
    EXPECT_EQ(GetFileVersion(files, "", version), CheckResult::InvalidArgument);
    EXPECT_EQ(GetFileVersion(files, "/windows/system32/ddraw.dll", version), CheckResult::Failed);
    EXPECT_EQ(version, 7u);
    EXPECT_EQ(GetFileVersion(files, "/windows/system32/d3d9.dll", version), CheckResult::Ok);
    EXPECT_EQ(version, MakeFileVersion(5, 3, 2600, 2180));
}

struct ProbeCase {
    const char* what;
    std::map<std::string, FileVersion> files;
    const char* version;  // as QueryDirectXVersion writes it
};

TEST(FileVersions, TheLastProbeThatHoldsDecidesTheVersion) {
    const ProbeCase cases[] = {
        {"no file at all", {}, "0.0"},
        {"ddraw just below the first probe", {{"ddraw.dll", MakeFileVersion(4, 2, 0, 94)}}, "0.0"},
        {"ddraw at the first probe", {{"ddraw.dll", MakeFileVersion(4, 2, 0, 95)}}, "1.0"},
        {"ddraw 5.0.0.1 passes probes 1 to 9 only", {{"ddraw.dll", MakeFileVersion(5, 0, 0, 1)}}, "7.0"},
        {"ddraw 5.1.2258.400", {{"ddraw.dll", MakeFileVersion(5, 1, 2258, 400)}}, "8.0"},
        {"ddraw 4.8.0.400", {{"ddraw.dll", MakeFileVersion(4, 8, 0, 400)}}, "8.0"},
        {"d3drg8x alone", {{"d3drg8x.dll", MakeFileVersion(4, 4, 0, 70)}}, "3.0a"},
        {"dinput after ddraw 7.0",
         {{"ddraw.dll", MakeFileVersion(4, 7, 0, 700)}, {"dinput.dll", MakeFileVersion(4, 7, 0, 716)}},
         "7.0a"},
        {"a later probe wins over a higher earlier one",
         {{"ddraw.dll", MakeFileVersion(4, 7, 0, 700)}, {"dplayx.dll", MakeFileVersion(4, 6, 3, 518)}},
         "7.0"},
        {"d3d8 4.8.1.901", {{"d3d8.dll", MakeFileVersion(4, 8, 1, 901)}}, "8.1a"},
        {"d3d8 5.1.2600.881", {{"d3d8.dll", MakeFileVersion(5, 1, 2600, 881)}}, "8.1"},
        {"d3d8 of major 6 passes neither rule", {{"d3d8.dll", MakeFileVersion(6, 0, 0, 0)}}, "0.0"},
        {"mpg2splt", {{"mpg2splt.ax", MakeFileVersion(6, 3, 1, 885)}}, "8.1b"},
        {"dpnet 5.2.3677.134", {{"dpnet.dll", MakeFileVersion(5, 2, 3677, 134)}}, "8.2"},
        {"dpnet 5.2.3677.133", {{"dpnet.dll", MakeFileVersion(5, 2, 3677, 133)}}, "0.0"},
        {"any d3d9", {{"d3d9.dll", MakeFileVersion(0, 0, 0, 0)}}, "9.0"},
    };
    for (const ProbeCase& c : cases) {
        ScriptedSystemFiles files;
        files.versions = c.files;
        ScriptedProvider failing;
        failing.result = CheckResult::Failed;
        std::string text = "old";
        EXPECT_EQ(QueryDirectXVersion(failing, files, nullptr, &text), CheckResult::Ok) << c.what;
        EXPECT_EQ(text, c.version) << c.what;
    }
}

TEST(FileVersions, NoSystemDirectoryMeansVersionZero) {
    ScriptedSystemFiles files;
    files.folder.reset();
    files.versions["d3d9.dll"] = 1;
    int major = 5, minor = 5;
    char letter = 'x';
    EXPECT_EQ(ProbeFileVersions(files, major, minor, letter), CheckResult::Ok);
    EXPECT_EQ(DirectXVersionText(major, minor, letter), "0.0");
    NoGraphicsSystemFiles thisPlatform;
    EXPECT_EQ(ProbeFileVersions(thisPlatform, major, minor, letter), CheckResult::Ok);
    EXPECT_EQ(PackDirectXVersion(major, minor, letter), 0u);
}

TEST(DirectXVersionTest, PacksMajorMinorAndTheLoweredLetter) {
    const struct {
        int major, minor;
        char letter;
        DirectXVersion packed;
        const char* text;
    } cases[] = {
        {9, 0, 'c', 0x90003, "9.0c"}, {9, 0, 'C', 0x90003, "9.0c"}, {8, 1, ' ', 0x80100, "8.1"},
        {9, 0, ' ', 0x90000, "9.0"},  {6, 1, 'a', 0x60101, "6.1a"}, {9, 0, 'z', 0x9001A, "9.0z"},
    };
    for (const auto& c : cases) {
        ScriptedProvider provider = ScriptedProvider::Answering(c.major, c.minor, c.letter);
        ScriptedSystemFiles files;
        DirectXVersion version = 0;
        std::string text;
        QueryDirectXVersion(provider, files, &version, &text);
        EXPECT_EQ(version, c.packed) << c.text;
        EXPECT_EQ(text, c.text);
    }
}

TEST(DirectXVersionTest, AFailingProviderLeavesTheDecisionToTheProbes) {
    ScriptedProvider provider = ScriptedProvider::Answering(9, 0, 'c');
    provider.result = CheckResult::Failed;
    ScriptedSystemFiles files;
    files.versions["d3d8.dll"] = MakeFileVersion(4, 8, 1, 881);
    DirectXVersion version = 1;
    QueryDirectXVersion(provider, files, &version, nullptr);
    EXPECT_EQ(provider.queries, 1);
    EXPECT_EQ(version, 0x80100u);
}

}  // namespace
}  // namespace glyphora
