#pragma once
#include <string>

namespace glyphora {

// Every value of "Data/Settings.ini", as it travels to and from the file.
// The running game does not keep this record: each value lives in the object
// that holds it (the window position in the shell, the check boxes, sliders
// and text boxes in the widgets, the rest in SettingsSlots below), gathered
// into a Settings only to be written and spread out again after a read.
// Sliders hold steps, never displayed values.
struct Settings {
    static constexpr std::size_t kMaxDefaultName = 15;
    static constexpr std::size_t kRegcodeLength = 20;
    static constexpr std::size_t kMaxGroupName = 20;

    int windowX = 40;
    int windowY = 30;
    bool firstRun = false;      // set by the first read only; every save writes 0
    bool queryF3 = true;        // "Ask before starting game with F3"
    int difficulty = 1;         // 0 Easy, 1 Medium, 2 Hard
    std::string defaultName;    // at most kMaxDefaultName characters
    bool freeGameKeys[5][2] = {};  // per sub-level row: letters, digits
    int startLevel = 1;         // 1..5
    int speedMod = 5;           // 1..10
    int chanceMod = 5;          // 1..10
    int maxLives = 5;           // 1..8
    int musicVolume = 7;        // 0..10
    int soundVolume = 7;        // 0..10
    std::string regcode;        // the installation identifier
    std::string groups[5];      // at most kMaxGroupName characters each
};

// The settings that no widget holds, as the running game keeps them.
struct SettingsSlots {
    bool firstRun = false;  // set by the first read only; lasts this run
    int difficulty = 1;     // the game's difficulty: 0 Easy, 1 Medium, 2 Hard
    std::string regcode;    // the installation identifier
    // The player's group names; the high-score screen's five fields edit them
    // while it is shown.
    std::string groups[5];
};

}  // namespace glyphora
