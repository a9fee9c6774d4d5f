#pragma once
// The eight cheat codes and their actions:
//   "UNLOCK TRICKS"  unlocks the others for the rest of the program run (its
//                    sound plays on any screen)
//   "QXZVK"          invulnerability on or off                     (marks the run)
//   "QXWRM", "QXPT"  full lives and three TNT charges              (marks the run)
//   "QXJNB"          the next digit 1-7 picks the music track
//   "QXHGLY"         the next two digits pick the level, "07" is 7  (marks the run)
//   "QXHGOZ"         the play field 650 pixels wide, or back to 460 (marks the run)
//   "QXSTEWAF"       a message only
// Every code but the first acts only once unlocked and on the play screen;
// typed otherwise it is matched and consumed without effect. A marked run
// earns no place in the score table and ends on "Cheater!".
#include "game/gameplay/play_model.h"

namespace glyphora {

// What a code's action works on.
struct CheatContext {
    PlayModel& play;
    bool onPlayScreen;
    int now;  // GameTime
    PlayEvents& events;
};

// Makes the eight matchers, each with no progress.
void BuildCheatMatchers(CheatState& cheats);

// A key-down on any screen, offered to every matcher. A matcher takes the key
// as a character and compares it with its code's next character regardless
// of case, so key codes 0x61-0x7A (the keypad's digits and operators, F1-F11)
// count as the letters A-Z. A mismatch starts the code over, and the key that
// broke it is not tried as the code's first character. A completed code runs
// its action at now. Returns which matchers accepted the key.
CheatAcceptance FeedCheatMatchers(PlayModel& play, int key, bool onPlayScreen, int now, PlayEvents& events);

// A typed character (after the text fields had it): the digit that the track
// or level choice waits for.
//   Track: a digit 1-7 starts that track at the run's position in the music
//   (sub-level x 20 s + the time into the sub-level) and says "Track #n";
//   any other character leaves the choice waiting; off the play screen the
//   choice ends.
//   Level: on the play screen, two digits in a row give the level, which
//   starts at once with the remembered track reopened at its sub-level's
//   part (sub-level x 20 s). A non-digit ends the choice silently; so does
//   "00", which names no level: the run stays where it is.
void CheatCharacter(PlayModel& play, char c, bool onPlayScreen, int now, PlayEvents& events);

}  // namespace glyphora
