#include "game/screens/menu_pictures.h"

#include <algorithm>

namespace glyphora {
namespace {

namespace r = regions;

// Tab rows of the header for the main menu with the cursor over each
// button, in row order.
constexpr int kHoverTabRows[] = {7, 6, 8, 9, 5, 4, 3};

bool IsMenuButton(int index) { return index >= 0 && index < int(std::size(kHoverTabRows)); }

constexpr const r::Region* kPreviews[] = {&r::MenuPreviewPlay, &r::MenuPreviewFreeGame, &r::MenuPreviewHighScores,
                                          &r::MenuPreviewHelp, &r::MenuPreviewSettings, &r::MenuPreviewCredits,
                                          &r::MenuPreviewQuit};

}  // namespace

const r::Region* HoveredMenuTab(int hoveredButton) {
    return IsMenuButton(hoveredButton) ? r::HeaderTabForRow(kHoverTabRows[hoveredButton]) : nullptr;
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
