// Installing the title face from the game folder into a scratch per-user
// font folder, with the outcome of each path in the debug log.
#include "game/engine/title_font.h"

#include <filesystem>

#include "support/scratch_dir.h"
#include "tests/engine/game_on_fakes.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

class TitleFontTest : public testing::GameOnFakes {
protected:
    void SetUp() override {
        GameOnFakes::SetUp();
        fs::create_directories(scratch.path() / "Graphics");
        testing::WriteBytes(scratch.file("Graphics/BebasNeue-Regular.otf"), "the face");
        game.log = DebugLog{true, scratch.file("log.html")};
        fake.fonts.knownFaces.clear();  // a desktop without Bebas Neue installed
        fake.fonts.fontFolder = scratch.file("xdg/fonts");
    }
    std::string installed() const { return scratch.file("xdg/fonts/BebasNeue-Regular.otf"); }
    std::string log() const { return scratch.read("log.html"); }
    bool logged(const std::string& line) const { return log().find("\n" + line + "<BR>") != std::string::npos; }

    testing::ScratchDir scratch{true};
};

TEST_F(TitleFontTest, AnInstalledFaceIsRegisteredFromTheFontFolderAndNothingIsCopied) {
    fs::create_directories(scratch.path() / "xdg/fonts");
    testing::WriteBytes(scratch.file("xdg/fonts/BebasNeue-Regular.otf"), "installed earlier");
    InstallTitleFont(game.platform.fonts, game.platform.files, game.log);
    EXPECT_EQ(fake.fonts.registered, std::vector<std::string>{installed()});
    EXPECT_TRUE(fake.files.copies.empty());
    EXPECT_TRUE(logged("BebasNeue-Regular.otf is present on this PC already"));
    EXPECT_TRUE(logged("Installing BebasNeue-Regular.otf from " + scratch.file("xdg/fonts")));
}

TEST_F(TitleFontTest, AMissingFaceIsCopiedIntoANewFontFolderAndRegisteredFromTheGame) {
    InstallTitleFont(game.platform.fonts, game.platform.files, game.log);
    EXPECT_EQ(scratch.read("xdg/fonts/BebasNeue-Regular.otf"), "the face");
    EXPECT_EQ(fake.fonts.registered, std::vector<std::string>{"Graphics/BebasNeue-Regular.otf"});
    EXPECT_TRUE(logged("BebasNeue-Regular.otf is NOT present on this PC"));
    EXPECT_TRUE(logged("BebasNeue-Regular.otf copied succesfully to " + scratch.file("xdg/fonts") + "."));
    EXPECT_TRUE(logged("BebasNeue-Regular.otf installed succesfully"));
    Font title;
    MakeFont(game.platform.fonts, game.renderer, title, kTitleFace, 26, false);
    EXPECT_FALSE(title.substituted);
}

TEST_F(TitleFontTest, AFailedRegistrationIsLogged) {
    fake.fonts.registrationFails = true;
    InstallTitleFont(game.platform.fonts, game.platform.files, game.log);
    EXPECT_TRUE(logged("Error during installing BebasNeue-Regular.otf"));
}

TEST_F(TitleFontTest, AFontFolderThatCannotBeWrittenLeavesASubstituteThatStillDraws) {
    testing::WriteBytes(scratch.file("xdg"), "a file where the folder should be");
    InstallTitleFont(game.platform.fonts, game.platform.files, game.log);
    EXPECT_TRUE(logged("Error during moving BebasNeue-Regular.otf to " + scratch.file("xdg/fonts")));
    EXPECT_TRUE(fake.fonts.registered.empty());
    Font title;
    MakeFont(game.platform.fonts, game.renderer, title, kTitleFace, 26, false);
    EXPECT_TRUE(title.substituted);
    DrawFontText(game.renderer, title, "MENU", {0, 0, 700, 450}, DT_LEFT, TextGrey);
    EXPECT_EQ(quads().size(), 4u);
}

TEST_F(TitleFontTest, RemovalForgetsTheRegistrationAndKeepsTheInstalledFile) {
    InstallTitleFont(game.platform.fonts, game.platform.files, game.log);
    RemoveTitleFont(game.platform.fonts, game.log);
    EXPECT_TRUE(fake.fonts.registered.empty());
    EXPECT_TRUE(logged("Bebas Neue font removed from font resources succesfully."));
    EXPECT_TRUE(fs::exists(installed()));
    RemoveTitleFont(game.platform.fonts, game.log);
    EXPECT_TRUE(logged("Error occured during removing Bebas Neue font from font resources."));
}

}  // namespace
}  // namespace glyphora
