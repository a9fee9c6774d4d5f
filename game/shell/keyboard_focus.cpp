#include "game/shell/keyboard_focus.h"

#include <algorithm>

#include "game/audio/sound_effects.h"
#include "game/gameplay/end_of_run.h"
#include "game/shell/run_control.h"
#include "game/shell/game.h"
#include "platform/keys.h"

namespace glyphora {
namespace {

constexpr ImageButtonName kMainMenuOrder[] = {PlayButton,     FreeGameButton, HighScoresButton, HelpButton,
                                              SettingsButton, CreditsButton,  QuitButton};
constexpr ImageButtonName kHighScoresOrder[] = {LocalScoresButton, GroupsButton, OnlineScoresButton, BackButton};
constexpr ImageButtonName kFreeGameOrder[] = {StartFreeGameButton, BackButton};
constexpr ImageButtonName kGameOverOrder[] = {PlayAgainButton, BackButton};
constexpr ImageButtonName kHelpOrder[] = {HelpPage1Button, HelpPage2Button, BackButton};
constexpr ImageButtonName kBackOnly[] = {BackButton};

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

bool ButtonsTakeEnter(ScreenKind kind) {
    switch (kind) {
        case ScreenKind::MainMenu:
        case ScreenKind::HighScores:
        case ScreenKind::FreeGameSetup:
        case ScreenKind::Help:
        case ScreenKind::GameOver:
        case ScreenKind::Settings:
        case ScreenKind::Credits: return true;
        default: return false;
    }
}

}  // namespace

std::span<const ImageButtonName> FocusOrder(const Game& game) {
    switch (game.screen.current) {
        case ScreenKind::MainMenu: return kMainMenuOrder;
        case ScreenKind::HighScores: return kHighScoresOrder;
        case ScreenKind::FreeGameSetup: return kFreeGameOrder;
        case ScreenKind::GameOver: return NameToEnter(game.run) ? std::span<const ImageButtonName>{} : kGameOverOrder;
        case ScreenKind::Help: return kHelpOrder;
        case ScreenKind::Settings:
        case ScreenKind::Credits: return kBackOnly;
        default: return {};
    }
}

void MoveFocus(Game& game, int key) {
    ScreenState& screen = game.screen;
    if (screen.current == ScreenKind::HighScores && (key == vk::Up || key == vk::Down)) {
        screen.viewedDifficulty = std::clamp(screen.viewedDifficulty + (key == vk::Up ? 1 : -1), 0, 2);
        return;
    }
    const std::span<const ImageButtonName> order = FocusOrder(game);
    if (order.empty() || (key != vk::Left && key != vk::Right)) return;
    if (screen.current == ScreenKind::Help && screen.focus < 0) screen.focus = std::clamp(screen.helpPage, 0, 1);
    else screen.focus = NextFocus(game, order, screen.focus, key);
    ShowKeyboardStates(game, order);
}

void ActivateFocus(Game& game) {
    const ScreenKind kind = game.screen.current;
    if (kind == ScreenKind::Play) {
        DetonateKey(game);
        return;
    }
    // Enter is also the blast key: one pressed as the last life went must not
    // enter the default name before the player could type one.
    if (kind == ScreenKind::GameOver && NameToEnter(game.run)) {
        if (game.widgets.nameEntryField.active) ConfirmName(game);
        return;
    }
    const std::span<const ImageButtonName> order = FocusOrder(game);
    const int focus = game.screen.focus;
    if (!ButtonsTakeEnter(kind) || focus < 0 || focus >= static_cast<int>(order.size())) return;
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
