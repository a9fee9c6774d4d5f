// A scripted run heard through OpenAL Soft's wave back end: a letter caught
// on its own, three TNT catches, the word on offer, the bonus and the end of
// the run, each found in the capture by its effect's own pitch at the moment
// it happened, and absent where it must not sound. The effects and the music
// are the test's own tones, one pitch each.
#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "game/engine/sheet_regions.h"
#include "game/gameplay/letter_table.h"
#include "game/shell/sound.h"
#include "game/shell/sound_effects.h"
#include "openal_session.h"
#include "support/started_game.h"

namespace glyphora {
namespace {

using Clock = std::chrono::steady_clock;

constexpr long kRate = 44100;
constexpr long Ms(long ms) { return ms * kRate / 1000; }
constexpr double EffectHz(int effect) { return 450.0 + 150.0 * effect; }  // 450-2100 Hz
constexpr double kMusicHz = 300;
constexpr double kToneAmplitude = 0.1;  // heard at 0.07: both volumes stand at 7
constexpr double kHeard = 0.035, kSilent = 0.01;
constexpr long kWindow = Ms(40);
// The mixer runs in real time on its own thread, and a busy machine makes it
// late: a sound is looked for from a little before its moment to well after.
constexpr long kEarlyMs = 100, kLateMs = 300;
// Between the script's moments: longer than an effect and both margins.
constexpr int kApartMs = 450;

class GameSoundCaptureTest : public testing::StartedGame {
protected:
    void SetUp() override {
        testing::OpenAlCapture::File();  // configures OpenAL before the game loads it
        for (const char* folder : {"Sounds", "Music"}) std::filesystem::create_directories(folder);
        for (int i = 0; i < kEffectCount; ++i) {
            const testing::Samples tone = testing::Sine(EffectHz(i), kToneAmplitude, 0.12, 2);
            scratch.write(kEffectFiles[i], testing::Swapped(testing::OggBytes(tone)));
        }
        const std::string track = testing::OggBytes(testing::Sine(kMusicHz, kToneAmplitude, 10.0, 2));
        for (int n = 1; n <= 7; ++n) scratch.write("Music/Track" + std::to_string(n) + ".ogg", track);
        fake.bundle().libraries = &libraries;
        StartedGame::SetUp();
        ASSERT_NE(AudioOf(game), nullptr) << "audio did not start: " << game.sound.startResult;
        game.settings.musicVolume = game.settings.soundVolume = 7;
        ApplySoundVolume(game);
    }
    void TearDown() override { StopSound(game); }

    // Frames at the real pace, the game's clock standing still: the music is
    // fed and finished effects are reaped, while nothing falls and nothing
    // appears on the field but what the test puts there.
    void pace(int ms) {
        const auto until = Clock::now() + std::chrono::milliseconds(ms);
        while (Clock::now() < until) {
            RunFrame(game);
            std::this_thread::sleep_for(std::chrono::milliseconds(16));
        }
    }
    // An item made the way the game makes them, then given the character.
    FallingItem& putOnField(char c, bool tnt) {
        SpawnItemNow(game);
        EXPECT_FALSE(game.field.items.empty());
        FallingItem& item = game.field.items.back();
        item.letter = FindLetter(c);
        item.tnt = tnt;
        item.style = tnt ? regions::kTntStyle : 0;
        return item;
    }
    // The key pressed now; its moment on the real clock.
    Clock::time_point press(char c) {
        const Clock::time_point at = Clock::now();
        key(c);
        return at;
    }
    // Catches an item of c put on the field for it; the moment of the key.
    Clock::time_point catchItem(char c, bool tnt) {
        putOnField(c, tnt);
        const Clock::time_point at = press(c);
        pace(kApartMs);
        return at;
    }
    // Types the rest of the word on offer and the words after it, a key a
    // frame, until the bonus bar runs over; the moment of the key that made it.
    Clock::time_point typeWordsUntilBonus() {
        Clock::time_point bonus{};
        while (game.run.bonusBars == 0 && game.run.wordsCompleted < 30) {
            const Clock::time_point moment = press(game.field.word.view()[std::size_t(game.field.progress)]);
            if (game.run.bonusBars > 0) bonus = moment;
            pace(16);
        }
        pace(kApartMs);
        return bonus;
    }
    // A letter of c leaves the field uncaught with one life left.
    Clock::time_point loseTheLastLife(char c) {
        game.run.lives = 1;
        FallingItem& missed = putOnField(c, false);
        missed.baseQuad = TranslateQuad(missed.baseQuad, 0, kFallOutY + 2 * kItemSize);
        const Clock::time_point at = Clock::now();
        RunFrame(game);
        pace(700);
        return at;
    }
    // The first letter of this list that the word on offer lacks: its catch
    // is no word letter.
    char letterNotInWord(std::string_view candidates) const {
        const std::string_view word = game.field.word.view();
        for (char c : candidates)
            if (word.find(c) == std::string_view::npos) return c;
        return '\0';
    }

    platform::PosixLibraries libraries;
};

// Where the script's moments fall in the capture: tied to it by the first
// letter pop, the earliest effect of the session.
class Capture {
public:
    Capture(testing::Samples heard, Clock::time_point anchorMoment)
        : heard_(std::move(heard)), anchorMoment_(anchorMoment) {
        for (int effect = Letter1; effect <= Letter4; ++effect) {
            const long onset = testing::ToneOnset(heard_, 0, heard_.frames(), EffectHz(effect), kWindow, kHeard);
            if (onset >= 0 && (anchorFrame_ < 0 || onset < anchorFrame_)) anchorFrame_ = onset;
        }
    }
    bool anchored() const { return anchorFrame_ >= 0; }
    long frameOf(Clock::time_point moment) const {
        const std::chrono::duration<double> since = moment - anchorMoment_;
        return anchorFrame_ + long(since.count() * kRate);
    }
    // The strongest tone of hz around the moment.
    double at(double hz, Clock::time_point moment) const {
        const long frame = frameOf(moment);
        return testing::StrongestTone(heard_, frame - Ms(kEarlyMs), frame + Ms(kLateMs), hz, kWindow);
    }
    // The strongest tone of hz from the anchor up to just before the moment.
    double before(double hz, Clock::time_point moment) const {
        return testing::StrongestTone(heard_, anchorFrame_, frameOf(moment) - Ms(kEarlyMs), hz, kWindow);
    }
    // The same from well after the moment to the end of the capture.
    double after(double hz, Clock::time_point moment) const {
        return testing::StrongestTone(heard_, frameOf(moment) + Ms(kLateMs), heard_.frames(), hz, kWindow);
    }
    // How many of the four letter pops sound around the moment.
    int popsAt(Clock::time_point moment) const {
        int count = 0;
        for (int effect = Letter1; effect <= Letter4; ++effect) count += at(EffectHz(effect), moment) > kHeard;
        return count;
    }

private:
    testing::Samples heard_;
    Clock::time_point anchorMoment_;
    long anchorFrame_ = -1;
};

TEST_F(GameSoundCaptureTest, EachPlayEventSoundsAtItsMomentAndNowhereElse) {
    startRun(kEasy);
    pace(600);                 // the run's track under way
    game.field.items.clear();  // whatever the first frame spawned
    const char lone = letterNotInWord("QZXJKV");
    const char tntKey = letterNotInWord("VKJXZQ");
    ASSERT_TRUE(lone && tntKey) << game.field.word.view();

    const Clock::time_point pop = catchItem(lone, false);
    ASSERT_EQ(game.run.lettersCaught, 1);
    Clock::time_point tntCatches[3];
    for (Clock::time_point& moment : tntCatches) moment = catchItem(tntKey, true);
    ASSERT_EQ(game.run.tntCharges, 1);
    const Clock::time_point wordLetter = press(game.field.word.view()[0]);
    ASSERT_EQ(game.field.progress, 1);
    pace(kApartMs);
    const Clock::time_point bonus = typeWordsUntilBonus();
    ASSERT_EQ(game.run.bonusBars, 1);
    const Clock::time_point over = loseTheLastLife(lone);
    ASSERT_EQ(screen(), ScreenKind::GameOver);
    StopSound(game);  // completes the capture

    const Capture heard(testing::ReadWave(testing::OpenAlCapture::File()), pop);
    ASSERT_TRUE(heard.anchored()) << "no letter pop was heard";
    const auto hz = [](int effect) { return EffectHz(effect); };
    EXPECT_EQ(heard.popsAt(pop), 1) << "one letter pop for a letter caught on its own";
    EXPECT_LT(heard.at(hz(WordLetter), pop), kSilent) << "a caught letter outside the word";
    EXPECT_NEAR(heard.at(kMusicHz, pop), 0.07, 0.015) << "the run's track";
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(heard.popsAt(tntCatches[i]), 1);
        EXPECT_LT(heard.at(hz(WordLetter), tntCatches[i]), kSilent);
    }
    EXPECT_LT(heard.before(hz(Tnt), tntCatches[2]), kSilent) << "no charge before the third TNT";
    EXPECT_GT(heard.at(hz(Tnt), tntCatches[2]), kHeard);
    EXPECT_EQ(heard.popsAt(tntCatches[2]), 0) << "the charge sounds instead of a pop";
    EXPECT_LT(heard.before(hz(WordLetter), wordLetter), kSilent);
    EXPECT_GT(heard.at(hz(WordLetter), wordLetter), kHeard);
    EXPECT_EQ(heard.popsAt(wordLetter), 0) << "no item carried the word's letter";
    EXPECT_LT(heard.before(hz(DoubleBonus), bonus), kSilent);
    EXPECT_GT(heard.at(hz(DoubleBonus), bonus), kHeard);
    EXPECT_LT(heard.after(hz(DoubleBonus), bonus), kSilent) << "one bonus, one sound";
    EXPECT_LT(heard.before(hz(GameOverSound), over), kSilent);
    EXPECT_GT(heard.at(hz(GameOverSound), over), kHeard);
    EXPECT_LT(heard.after(kMusicHz, over), kSilent) << "the music stops with the run";
}

}  // namespace
}  // namespace glyphora
