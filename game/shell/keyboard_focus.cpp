#include "game/shell/keyboard_focus.h"

#include <algorithm>

#include "game/shell/sound_effects.h"
#include "game/shell/game.h"
#include "game/shell/screen_buttons.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

// The buttons whose keyboard state a mouse movement clears.
constexpr ImageButtonName kMouseReleased[] = {
    PlayButton, FreeGameButton, HighScoresButton,   HelpButton,        SettingsButton, CreditsButton,
    QuitButton, BackButton,     OnlineScoresButton, LocalScoresButton, GroupsButton,   StartFreeGameButton,
};

// The settings screen's difficulty hint lasts while the cursor stays here.
constexpr Rect kDifficultyHintArea{238, 168, 528, 208};

void Release(ImageButton& button) {
    button.forced = false;
    button.forcedState = ButtonNormal;
}

void ShowKeyboardStates(Game& game, std::span<const ImageButtonName> order) {
    for (std::size_t i = 0; i < order.size(); ++i) {
        ImageButton& button = game.widgets.imageButtons[order[i]];
        button.forced = true;
        button.forcedState = static_cast<int>(i) == game.screen.focus ? ButtonHover : ButtonNormal;
    }
}

int NextIndex(int focus, int key, int count) {
    if (focus < 0) return key == vk::Left ? count - 1 : 0;
    return key == vk::Left ? (focus + count - 1) % count : (focus + 1) % count;
}

// The next enabled button in the key's direction; -1 when none is enabled
// (a row hidden behind the high-score screen's connection message).
int NextFocus(const Game& game, std::span<const ImageButtonName> order, int focus, int key) {
    const int count = static_cast<int>(order.size());
    for (int tries = 0; tries < count; ++tries) {
        focus = NextIndex(focus, key, count);
        if (game.widgets.imageButtons[order[static_cast<std::size_t>(focus)]].enabled) return focus;
    }
    return -1;
}

}  // namespace

std::span<const ImageButtonName> FocusOrder(const Game& game) { return CurrentButtons(game).focusOrder; }

void MoveFocus(Game& game, int key) {
    if (const auto arrowKey = CurrentScreen(game).arrowKey) arrowKey(game, key);
    else MoveFocusAlong(game, key);
}

void MoveFocusAlong(Game& game, int key) {
    const std::span<const ImageButtonName> order = FocusOrder(game);
    if (order.empty() || (key != vk::Left && key != vk::Right)) return;
    FocusButton(game, NextFocus(game, order, game.screen.focus, key));
}

void FocusButton(Game& game, int index) {
    game.screen.focus = index;
    ShowKeyboardStates(game, FocusOrder(game));
}

void ActivateFocus(Game& game) {
    if (const auto enterKey = CurrentScreen(game).enterKey) enterKey(game);
}

void ActivateFocusedButton(Game& game) {
    const std::span<const ImageButtonName> order = FocusOrder(game);
    const int focus = game.screen.focus;
    if (focus < 0 || focus >= static_cast<int>(order.size())) return;
    ImageButton& button = game.widgets.imageButtons[order[static_cast<std::size_t>(focus)]];
    if (!button.enabled) return;
    PlayEffect(game, BtnClick);
    if (button.onClick) button.onClick();
}

void ResetKeyboardFocus(Game& game) {
    ShellState& shell = game.shell;
    shell.lastMouseMoveTick = game.platform.clock->tickCount();
    if (!shell.cursorVisible) {
        game.platform.desktop->showCursor(true);
        shell.cursorVisible = true;
    }
    ScreenState& screen = game.screen;
    if (!kDifficultyHintArea.contains(game.pointer.cursorClient)) screen.difficultyHint = false;
    screen.focus = -1;
    for (ImageButtonName name : kMouseReleased) Release(game.widgets.imageButtons[name]);
}

void ReleaseKeyboardStates(Game& game) {
    for (ImageButton& button : game.widgets.imageButtons) Release(button);
}

}  // namespace glyphora
