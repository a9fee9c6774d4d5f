#pragma once
// What one screen is, as the screen switch, the frame, the drawing, the mouse
// and the keys see it: a row of plain data and function pointers. Every
// screen defines its row in its own file under game/screens/, and the
// program hands the table of all rows to the game when it makes it
// (game/screens/screen_table.h). Adding a screen is its file and one row.
#include <array>
#include <span>

#include "game/engine/sheet_regions.h"
#include "game/shell/screen_state.h"
#include "game/shell/widget_set.h"

namespace glyphora {

struct Game;

using GameAction = void (*)(Game&);

// Where an image button stands on a screen and what pressing it does there
// (with the mouse, or Enter on the keyboard focus).
struct ButtonAt {
    ImageButtonName button;
    int x = 0, y = 0;
    GameAction action = nullptr;
};

// A screen's buttons in one of its states: where they stand, in the order
// they are enabled, and the order the keyboard focus walks (some of them).
struct ButtonSet {
    std::span<const ButtonAt> places;
    std::span<const ImageButtonName> focusOrder;
};

// A control the keyboard focus stands on besides the image buttons: the
// focus walks a screen's controls first, then the buttons of its focus order.
enum class FocusKind {
    Toggle,      // index: kAskF3Box or a free-game box (row × 2 + column); Space or Enter flips it
    Slider,      // index: SliderName; Left and Right move it a segment
    NameField,   // the settings' default-name field: focused, it takes the typing
    GroupField,  // index: one of the high scores' group-name fields, focused as the name field
    Arrows,      // index: the down arrow button, the up one beside it; Left and Right press them
};
struct FocusControl {
    FocusKind kind;
    int index = 0;
};
inline constexpr int kAskF3Box = -1;

// The header strip of a menu screen (its footer band comes with it).
struct MenuFrame {
    const regions::Region* cap = nullptr;  // null: the screen draws no menu frame
    const regions::Region* tab = nullptr;
    const regions::Region* corner = nullptr;  // null: no picture over the header's left end
    // The tab of the moment where it changes with the cursor; null: tab.
    const regions::Region* (*hoverTab)(const Game&) = nullptr;
};

struct ScreenDefinition {
    ScreenKind kind;
    GameAction draw = nullptr;
    GameAction enter = nullptr;                       // once the screen is current
    void (*leave)(Game&, ScreenKind next) = nullptr;  // before the next one becomes current
    GameAction update = nullptr;                      // every frame before drawing
    MenuFrame frame{};
    bool framedByBorder = true;  // the black window border over the screen; false: the screen draws its own
    // The button sets by state; buttonState picks the one standing now
    // (null: state 0). Entering places and enables the set, every other
    // image button is disabled.
    std::array<ButtonSet, 2> buttons{};
    int (*buttonState)(const Game&) = nullptr;
    std::span<const FocusControl> focusControls{};  // walked before the focus order's buttons
    bool keepsCursorOnEntry = false;                // entering leaves the keyboard focus and the cursor as they are
    // Keys: null does nothing, but arrows and Tab, which move the focus along
    // the controls and the order, and F3, which starts a new game.
    GameAction enterKey = nullptr;
    GameAction escapeKey = nullptr;
    GameAction newGameKey = nullptr;
    void (*arrowKey)(Game&, int key) = nullptr;
    GameAction pressSliders = nullptr;  // a left press, after the widgets took it
    bool canPause = false;              // F1 and leaving the window stop its clock
    // What the screen makes once at the end of loading and frees at exit.
    GameAction loadResources = nullptr;
    GameAction releaseResources = nullptr;
};

// By ScreenKind (1..11); entry 0 is unused.
inline constexpr int kScreenKindCount = 12;
using ScreenTable = std::array<const ScreenDefinition*, kScreenKindCount>;

}  // namespace glyphora
