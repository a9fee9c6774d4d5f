#pragma once
// Documents and web pages opened with the desktop's handler: the manual and
// the two donation pages. Their results are not shown to the player.

namespace glyphora {

struct Game;

void OpenManual(Game& game);
void OpenDonationPageUsd(Game& game);
void OpenDonationPageEur(Game& game);

}  // namespace glyphora
