#pragma once
#include <string>

namespace glyphora {

// Every value of "Data/Settings.ini". The running game keeps one such record
// as the single source of its settings: the widgets of the settings and
// free-game screens edit its values in place (sliders hold steps, never
// displayed values), and it is written as it stands. Only the window's
// position lives with the window while the game runs and joins the record
// when it is written.
struct Settings {
    static constexpr std::size_t kMaxDefaultName = 15;
    static constexpr std::size_t kRegcodeLength = 20;
    static constexpr std::size_t kMaxGroupName = 20;

    int windowX = 40;
    int windowY = 30;
    bool firstRun = false;         // set by the first read only; every save writes 0
    bool queryF3 = true;           // "Ask before starting game with F3"
    int difficulty = 1;            // 0 Easy, 1 Medium, 2 Hard
    std::string defaultName;       // at most kMaxDefaultName characters
    bool freeGameKeys[5][2] = {};  // per sub-level row: letters, digits
    int startLevel = 1;            // 1..5
    int speedMod = 5;              // 1..10
    int chanceMod = 5;             // 1..10
    int maxLives = 5;              // 1..8
    int musicVolume = 7;           // 0..10
    int soundVolume = 7;           // 0..10
    std::string regcode;           // the installation identifier
    std::string groups[5];         // at most kMaxGroupName characters each
};

}  // namespace glyphora
