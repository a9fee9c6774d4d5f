#pragma once
#include <string>

namespace glyphora {

// The player's choices kept in "Data/Settings.ini". Plain values for now; the
// window position, check boxes, sliders and text boxes that edit them bind to
// these fields. Sliders hold steps, never displayed values.
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

}  // namespace glyphora
