#include "game/screens/menu_pictures.h"

#include <algorithm>

namespace glyphora {
namespace {

namespace r = regions;

// Tab rows of the header for the main menu with the cursor over each
// button, in row order; and for the other screens.
constexpr int kHoverTabRows[] = {7, 6, 8, 9, 5, 4, 3};
constexpr int kMainMenuTabRow = 2;

int TabRowOf(ScreenKind kind) {
    switch (kind) {
        case ScreenKind::HighScores: return 8;
        case ScreenKind::FreeGameSetup: return 6;
        case ScreenKind::Settings: return 5;
        case ScreenKind::Help: return 9;
        case ScreenKind::Credits: return 4;
        default: return kMainMenuTabRow;
    }
}

bool IsMenuButton(int index) { return index >= 0 && index < int(std::size(kHoverTabRows)); }

constexpr const r::Region* kPreviews[] = {&r::MenuPreviewPlay,     &r::MenuPreviewFreeGame, &r::MenuPreviewHighScores,
                                          &r::MenuPreviewHelp,     &r::MenuPreviewSettings, &r::MenuPreviewCredits,
                                          &r::MenuPreviewQuit};

}  // namespace

const r::Region& HeaderCap(ScreenKind kind) {
    const bool shortCap = kind == ScreenKind::MainMenu || kind == ScreenKind::DifficultyChoice;
    return shortCap ? r::HeaderCapShort : r::HeaderCapLong;
}

const r::Region& HeaderTab(ScreenKind kind, int hoveredButton) {
    if (kind == ScreenKind::GameOver) return r::GameOverTab;
    int row = TabRowOf(kind);
    if (kind == ScreenKind::MainMenu && IsMenuButton(hoveredButton)) row = kHoverTabRows[hoveredButton];
    return *r::HeaderTabForRow(row);
}

const r::Region* CornerPicture(ScreenKind kind) {
    switch (kind) {
        case ScreenKind::MainMenu:
        case ScreenKind::DifficultyChoice: return nullptr;
        case ScreenKind::GameOver: return &r::CornerGameOver;
        case ScreenKind::HighScores: return &r::CornerHighScores;
        case ScreenKind::FreeGameSetup: return &r::CornerFreeGame;
        case ScreenKind::Settings: return &r::CornerSettings;
        case ScreenKind::Help: return &r::CornerHelp;
        default: return &r::CornerCredits;
    }
}

const r::Region& MenuPreview(int hoveredButton, int keyboardSelection) {
    const int chosen = std::max(IsMenuButton(hoveredButton) ? hoveredButton : kNoMenuButton,
                                IsMenuButton(keyboardSelection) ? keyboardSelection : kNoMenuButton);
    return chosen == kNoMenuButton ? r::MenuPreviewIdle : *kPreviews[chosen];
}

RegionFrame PeekPicture(int picture) {
    if (picture == 5) return {&r::PeekPicture5, 0, 0};
    const int clamped = std::clamp(picture, 0, 4);
    return {&r::PeekPictures, std::min(clamped, 3), clamped == 4 ? -1 : 0};
}

}  // namespace glyphora
