// Loading and releasing everything, on a scratch game folder whose stored
// files lie in swapped form as the build leaves them.
#include "game/engine/resources.h"
#include "game/screens/screen_table.h"
#include "game/shell/loading.h"
#include "game/shell/sound_effects.h"

#include <filesystem>

#include "common/swap_file_bytes.h"
#include "game/shell/main_loop.h"
#include "support/scratch_dir.h"
#include "tests/engine/game_on_fakes.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;
using platform::DrawCall;

const std::string kPngSignature = "\x89PNG\r\n\x1a\n";
constexpr const char* kSplash = "Graphics/Splash.png";
constexpr const char* kSheets[] = {"Graphics/Design1.png", "Graphics/Design2.png", "Graphics/Design3.png",
                                   "Graphics/Shapes.png"};

class ResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"Graphics", "Sounds", "Data"}) fs::create_directories(scratch.path() / folder);
        store(kSplash, kPngSignature + "splash");
        for (const char* sheet : kSheets) store(sheet, kPngSignature + "sheet " + sheet);
        for (const char* sound : kEffectFiles) store(sound, std::string("OggS sound ") + sound);
        store("Data/WordList.txt", "2\r\nHELLO 5\r\nWORLD 3\r\n");
        testing::WriteBytes(scratch.file("Data/Temp.txt"), "the server's last reply");
    }
    // Writes the plain bytes and stores them swapped, remembering the stored form.
    void store(const std::string& file, const std::string& plain) {
        scratch.write(file, plain);
        SwapFileBytes(scratch.file(file));
        storedForm[file] = scratch.read(file);
    }
    platform::FakeDevice& device() { return *fake.window.device; }

    testing::ScratchDir scratch{true};
    std::map<std::string, std::string> storedForm;
    platform::FakePlatform fake;
    Game game{fake.bundle(), GameScreens()};
};

// The progress squares of each presented frame.
std::vector<std::vector<int>> SquaresPerFrame(const std::vector<DrawCall>& calls) {
    std::vector<std::vector<int>> frames(1);
    for (const DrawCall& call : calls) {
        if (call.kind == DrawCall::Kind::Present) frames.emplace_back();
        const Rect box = testing::QuadBox(call);
        if (call.kind == DrawCall::Kind::Quad && box.top == 235 && box.bottom == 248 && box.right - box.left == 23)
            frames.back().push_back(box.left);
    }
    frames.pop_back();
    return frames;
}

TEST_F(ResourcesTest, StartUpLoadsInOrderWithTheProgressRowGrowingBetweenStages) {
    StartUp(game);
    const std::vector<std::string> expected = {
        "load Graphics/Splash.png",
        "present",  // the splash, no square yet
        "present",  // 1: the title font installed
        "load Graphics/Shapes.png",
        "present",  // 2
        "load Graphics/Design2.png",
        "present",  // 3
        "load Graphics/Design1.png",
        "present",  // 4
        "load Graphics/Design3.png",
        "present",  // 5: every picture loaded
    };
    EXPECT_EQ(device().journal, expected);
    const std::vector<std::vector<int>> squares = SquaresPerFrame(device().calls);
    ASSERT_EQ(squares.size(), 6u);
    for (std::size_t frame = 0; frame < squares.size(); ++frame) EXPECT_EQ(squares[frame].size(), frame);
    EXPECT_EQ(squares[5], (std::vector<int>{292, 315, 338, 361, 384}));
}

// The stored files are decoded in memory: a start writes none of them, so a
// read-only game folder works and no crash can leave a file half restored.
TEST_F(ResourcesTest, EveryStoredFileIsLoadedPlainAndNeverWritten) {
    std::map<std::string, fs::file_time_type> written;
    for (const auto& [file, bytes] : storedForm) written[file] = fs::last_write_time(scratch.path() / file);
    StartUp(game);
    for (const auto& [file, bytes] : storedForm) {
        EXPECT_EQ(scratch.read(file), bytes) << file;
        EXPECT_EQ(fs::last_write_time(scratch.path() / file), written[file]) << file;
    }
    const Resources& r = game.resources;
    for (const Texture* sheet : {&r.shapesSheet, &r.design1Sheet, &r.design2Sheet, &r.design3Sheet})
        EXPECT_TRUE(sheet->texture) << "a sheet was loaded from its stored form";
    ASSERT_EQ(game.words.entries.size(), 2u);
    EXPECT_EQ(game.words.entries[0].word, "HELLO");
    EXPECT_FALSE(r.splashSheet.texture) << "released once start-up is done";
}

TEST_F(ResourcesTest, AMissingPictureLeavesItsSheetEmptyAndLoadingGoesOn) {
    fs::remove(scratch.path() / "Graphics/Design2.png");
    StartUp(game);
    EXPECT_FALSE(game.resources.design2Sheet.texture);
    EXPECT_TRUE(game.resources.design3Sheet.texture);
    EXPECT_EQ(game.resources.loadingProgress, 5);
    EXPECT_TRUE(game.widgets.created);
    EXPECT_EQ(scratch.read("Graphics/Design1.png"), storedForm["Graphics/Design1.png"]);
}

TEST_F(ResourcesTest, ReleaseDropsEverythingBeforeTheTitleFontAndRemovesTheServerReply) {
    StartUp(game);
    EXPECT_GT(device().liveTextures(), 0);
    int texturesWhenTheFontWasRemoved = -1;
    fake.fonts.onUnregister = [&] { texturesWhenTheFontWasRemoved = device().liveTextures(); };
    ReleaseAllResources(game);
    EXPECT_EQ(texturesWhenTheFontWasRemoved, 0) << "fonts and sheets go before the title font";
    EXPECT_FALSE(fs::exists(scratch.path() / "Data/Temp.txt"));
    EXPECT_TRUE(game.words.entries.empty());
    EXPECT_TRUE(game.widgets.registry.buttons.empty());
    EXPECT_TRUE(game.widgets.registry.fields.empty());
    EXPECT_FALSE(game.widgets.created);
}

// Buttons are made without a place: each screen places the ones it shows
// when it is entered (tests/screens/button_places_test.cpp).
TEST_F(ResourcesTest, ButtonsAreMadeWithoutAPlace) {
    StartUp(game);
    EXPECT_EQ(game.screen.current, ScreenKind::MainMenu);
    for (ImageButtonName name : {BackButton, OkButton, ContinueButton, DonateUsdButton}) {
        EXPECT_EQ(game.widgets.imageButtons[name].x, 0) << name;
        EXPECT_FALSE(game.widgets.imageButtons[name].enabled) << name;
    }
}

TEST_F(ResourcesTest, SlidersShowTheirNumbersFromTheirSteps) {
    StartUp(game);
    struct Case {
        SliderName slider;
        int lowest, highest;
        int shownLowest, shownHighest;
    } cases[] = {
        {StartLevelSlider, 1, 5, 1, 21}, {FallingSpeedSlider, 1, 10, 20, 200}, {DensitySlider, 1, 10, 20, 200},
        {MaxLivesSlider, 1, 8, 1, 8},    {MusicVolumeSlider, 0, 10, 0, 100},   {SoundVolumeSlider, 0, 10, 0, 100},
    };
    for (const Case& c : cases) {
        Slider s = game.widgets.sliders[c.slider];
        EXPECT_EQ(s.segmentCount, c.highest) << c.slider;
        EXPECT_EQ(s.minValue, c.lowest) << c.slider;
        int value = c.lowest;
        s.value = &value;
        EXPECT_EQ(SliderShownValue(s), c.shownLowest) << c.slider;
        value = c.highest;
        EXPECT_EQ(SliderShownValue(s), c.shownHighest) << c.slider;
    }
}

}  // namespace
}  // namespace glyphora
