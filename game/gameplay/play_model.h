#pragma once
// The model of a run as its rules see it, and what each of its operations
// reports back. The rules take the time and the system tick as arguments and
// draw every random number from the model's source; they never touch the
// screen, the sound or the cursor: the shell answers the events they return.
#include "common/random.h"
#include "game/data/score_store.h"
#include "game/data/word_list.h"
#include "game/gameplay/cheats.h"
#include "game/gameplay/play_field.h"
#include "game/gameplay/run_state.h"

namespace glyphora {

// The pieces of the game a run works on. The run's state and field are its
// own; the score store keeps the run's score among the tables' scores, and
// the random source and the word list are shared with the rest of the game.
struct PlayModel {
    RunState& run;
    PlayField& field;
    CheatState& cheats;
    ScoreStore& store;
    Random& random;
    const WordList& words;
};

// What one operation of the rules did that the rest of the game answers.
struct PlayEvents {
    int letterSound = -1;     // a letter was caught: which of the four letter sounds, 0..3
    bool wordLetter = false;  // the key carried the match with the word on offer on
    bool wordDone = false;    // the word on offer was completed
    bool bonus = false;       // the bonus bar ran over and paid out
    bool tntCharge = false;   // a TNT charge was gained
    int livesLost = 0;
    bool musicStopped = false;        // every music stream stops (first, before any start below)
    int track = 0;                    // 1..7: this track starts as the current music (run.musicFile)
    bool musicReopened = false;       // run.musicFile starts again as the current music
    int musicStartMs = 0;             // where in the track a start above begins
    bool musicVolumeApplied = false;  // the music volume is applied again after the start
    bool cheatsUnlocked = false;      // the cheat codes were unlocked: their sound plays
    bool runOver = false;             // the last life is gone
};

// How a run is started: from the settings when a game begins.
struct RunSetup {
    int difficulty = 1;  // kept within Easy..Hard
    bool freeGame = false;
    FreeGameParameters freeGameValues;
    bool content[kSubLevelCount][kGroupCount] = {};  // a free game's characters per sub-level
};

}  // namespace glyphora
