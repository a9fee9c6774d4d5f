#include "game/gameplay/cheat_codes.h"

#include <cstdio>

#include "common/elapsed.h"
#include "game/gameplay/level_tables.h"
#include "game/gameplay/progression.h"
#include "game/gameplay/run_rules.h"

namespace glyphora {
namespace {

constexpr int kCheatMessageHold = 1000;
constexpr int kCheatMessageFade = 500;
constexpr int kFullTntCharges = 3;
constexpr int kTrackCount = 7;

void Confirm(CheatContext& context, std::string_view text) {
    ShowMessage(context.play.run.message, text, kCheatMessageHold, kCheatMessageFade, context.now);
}

// A new text for the message shown (or last shown), from now, with its hold
// and fade.
void Retitle(HudMessage& message, std::string_view text, int now) {
    ShowMessage(message, text, message.hold, message.fade, now);
}

bool Unlocked(const CheatContext& context) { return context.play.cheats.enabled && context.onPlayScreen; }

void MarkCheated(CheatContext& context) { context.play.store.setCheated(true); }

void UnlockTricks(CheatContext& context) {
    context.play.cheats.enabled = true;
    context.events.cheatsUnlocked = true;
}

void ToggleInvulnerable(CheatContext& context) {
    if (!Unlocked(context)) return;
    context.play.cheats.invulnerable = !context.play.cheats.invulnerable;
    MarkCheated(context);
    Confirm(context, "QXZVK");
}

void Refill(CheatContext& context, std::string_view code) {
    if (!Unlocked(context)) return;
    RunState& run = context.play.run;
    run.lives = run.maxLives;
    run.tntCharges = kFullTntCharges;
    MarkCheated(context);
    Confirm(context, code);
}
void RefillWorm(CheatContext& context) { Refill(context, "QXWRM"); }
void RefillPt(CheatContext& context) { Refill(context, "QXPT"); }

void ArmTrackChoice(CheatContext& context) {
    if (!Unlocked(context)) return;
    context.play.cheats.trackChoiceArmed = true;
    context.play.cheats.skipNextCharacter = true;
    Confirm(context, "Track #?");
}

void ArmLevelChoice(CheatContext& context) {
    if (!Unlocked(context)) return;
    context.play.cheats.levelChoiceState = 1;
    context.play.cheats.skipNextCharacter = true;
    MarkCheated(context);
    Confirm(context, "Level ??");
}

void ToggleFieldWidth(CheatContext& context) {
    if (!Unlocked(context)) return;
    int& width = context.play.field.width;
    width = width == kNormalFieldWidth ? kWideFieldWidth : kNormalFieldWidth;
    MarkCheated(context);
    Confirm(context, "QXHGOZ");
}

void Light(CheatContext& context) {
    if (Unlocked(context)) Confirm(context, "LIGHT!");
}

constexpr struct {
    std::string_view code;
    void (*action)(CheatContext&);
} kCodes[kCheatCount] = {
    {"UNLOCK TRICKS", UnlockTricks}, {"QXZVK", ToggleInvulnerable}, {"QXWRM", RefillWorm},        {"QXPT", RefillPt},
    {"QXJNB", ArmTrackChoice},       {"QXHGLY", ArmLevelChoice},    {"QXHGOZ", ToggleFieldWidth}, {"QXSTEWAF", Light},
};

char UpperCase(int c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c); }

// One matcher takes one key; true when it accepted it.
bool Feed(CheatMatcher& matcher, int key, CheatContext& context) {
    if (matcher.length == 0) return false;
    const char expected = matcher.code[static_cast<std::size_t>(matcher.progress)];
    if (key < 0 || key > 0xFF || UpperCase(key) != UpperCase(static_cast<unsigned char>(expected))) {
        matcher.progress = 0;
        return false;
    }
    if (++matcher.progress == matcher.length) {
        matcher.progress = 0;
        matcher.action(context);
    }
    return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The music restarts at positionMs: track n (1-7), or the remembered track
// when n is 0.
void RestartMusic(RunState& run, int n, int positionMs, PlayEvents& events) {
    events.musicStopped = true;
    events.musicStartMs = positionMs;
    if (n == 0) {
        events.musicReopened = true;
        return;
    }
    events.track = n;
    std::snprintf(run.musicFile.data(), run.musicFile.size(), "Music/Track%d.ogg", n);
}

void ChooseTrack(PlayModel& play, char c, bool onPlayScreen, int now, PlayEvents& events) {
    CheatState& cheats = play.cheats;
    if (!onPlayScreen) {
        cheats.trackChoiceArmed = false;
        return;
    }
    const int n = c - '0';
    if (n < 1 || n > kTrackCount) return;
    RunState& run = play.run;
    RestartMusic(run, n, run.subLevel * kSubLevelMs + Elapsed(now, run.levelStart), events);
    events.musicVolumeApplied = true;
    char text[HudMessage::kCapacity + 1];
    std::snprintf(text, sizeof text, "Track #%d", n);
    Retitle(run.message, text, now);
    cheats.trackChoiceArmed = false;
}

// Level "00" names no level: the choice ends there and the run stays as it
// is, as after any other interruption.
void GoToChosenLevel(PlayModel& play, int now, PlayEvents& events) {
    const int level = play.cheats.levelChoiceValue;
    if (level == 0) return;
    RunState& run = play.run;
    JumpToLevel(play, level, now);
    RestartMusic(run, 0, run.subLevel * kSubLevelMs, events);
    char text[HudMessage::kCapacity + 1];
    std::snprintf(text, sizeof text, "Level %d%d", level / 10, level % 10);
    Retitle(run.message, text, now);
}

void ChooseLevel(PlayModel& play, char c, int now, PlayEvents& events) {
    CheatState& cheats = play.cheats;
    if (!IsDigit(c)) {
        cheats.levelChoiceState = 0;
        return;
    }
    const int d = c - '0';
    if (cheats.levelChoiceState == 1) {
        cheats.levelChoiceValue = d * 10;
        char text[HudMessage::kCapacity + 1];
        std::snprintf(text, sizeof text, "Level %d?", d);
        Retitle(play.run.message, text, now);
    } else {
        cheats.levelChoiceValue += d;
    }
    if (++cheats.levelChoiceState < 3) return;
    cheats.levelChoiceState = 0;
    GoToChosenLevel(play, now, events);
}

}  // namespace

void BuildCheatMatchers(CheatState& cheats) {
    for (int i = 0; i < kCheatCount; ++i) {
        CheatMatcher& matcher = cheats.matchers[static_cast<std::size_t>(i)];
        matcher.code = kCodes[i].code;
        matcher.length = static_cast<int>(kCodes[i].code.size());
        matcher.progress = 0;
        matcher.action = kCodes[i].action;
    }
}

CheatAcceptance FeedCheatMatchers(PlayModel& play, int key, bool onPlayScreen, int now, PlayEvents& events) {
    CheatContext context{play, onPlayScreen, now, events};
    CheatAcceptance accepted;
    for (std::size_t i = 0; i < play.cheats.matchers.size(); ++i)
        accepted[i] = Feed(play.cheats.matchers[i], key, context);
    return accepted;
}

void CheatCharacter(PlayModel& play, char c, bool onPlayScreen, int now, PlayEvents& events) {
    CheatState& cheats = play.cheats;
    if (cheats.trackChoiceArmed) {
        if (cheats.skipNextCharacter) {
            cheats.skipNextCharacter = false;
            return;
        }
        ChooseTrack(play, c, onPlayScreen, now, events);
    }
    if (cheats.levelChoiceState == 0) return;
    if (cheats.skipNextCharacter) {
        cheats.skipNextCharacter = false;
        return;
    }
    if (onPlayScreen) ChooseLevel(play, c, now, events);
}

}  // namespace glyphora
