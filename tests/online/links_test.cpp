#include "game/online/external_links.h"

#include <gtest/gtest.h>

#include "game/online/module_directory.h"
#include "platform/fake/fake_platform.h"

namespace glyphora {
namespace {

TEST(Links, DonationPagesAreTheMakersSiteWithTheirPaths) {
    platform::FakeShell shell;
    OpenDonationPageUsd(shell);
    OpenDonationPageEur(shell);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{std::string(kMakerSite) + "/donations/usd_from_game",
                                                      std::string(kMakerSite) + "/donations/eur_from_game"}));
}

TEST(Links, TheManualOpensAsPdfAndAsRtfOnlyWhenThePdfFails) {
    platform::FakeFiles files;
    files.programFolder_ = "/games/Glyphora/Data";
    for (const int pdfResult : {42, 32, 2}) {
        platform::FakeShell shell;
        shell.result = pdfResult;
        OpenManual(shell, files);
        std::vector<std::string> expected{"/games/Glyphora/Manual/Manual.pdf"};
        if (pdfResult <= 32) expected.push_back("/games/Glyphora/Manual/Manual.rtf");
        EXPECT_EQ(shell.opened, expected) << pdfResult;
    }
}

TEST(Links, ModuleDirectoryEndsWithOneSlashAndPathsBesideItAreNormal) {
    platform::FakeFiles files;
    const struct {
        const char* programFolder;
        const char* directory;
        const char* manual;
    } cases[] = {
        {"/games/Glyphora/Data", "/games/Glyphora/Data/", "/games/Glyphora/Manual/Manual.pdf"},
        {"/games/My Games/Data/", "/games/My Games/Data/", "/games/My Games/Manual/Manual.pdf"},
        {".", "./", "../Manual/Manual.pdf"},
    };
    for (const auto& c : cases) {
        files.programFolder_ = c.programFolder;
        EXPECT_EQ(ModuleDirectory(files), c.directory);
        EXPECT_EQ(BesideModule(files, "../Manual/Manual.pdf"), c.manual);
    }
}

}  // namespace
}  // namespace glyphora
